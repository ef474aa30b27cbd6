# Sourced by package.sh and test.sh: the CMake arguments that build as Debian builds its packages,
# with its hardening flags (fortified functions, stack protector, relocations read-only and bound
# at start). Needs dpkg-buildflags (dpkg-dev); sets debian_build_flags.
debian_flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
debian_build_flags=(
    -DCMAKE_CXX_FLAGS="$(debian_flags CPPFLAGS) $(debian_flags CXXFLAGS)"
    -DCMAKE_EXE_LINKER_FLAGS="$(debian_flags LDFLAGS)"
)
