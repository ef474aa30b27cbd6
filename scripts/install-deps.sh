#!/usr/bin/env bash
# Installs the Debian packages that are missing. Usage: install-deps.sh build|package|test|bench
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libasound2-dev libcanberra-dev
    sound-theme-freedesktop fonts-liberation)
test_packages=(googletest libgtest-dev clang libclang-rt-14-dev clang-format xvfb openbox xdotool
    x11-utils xfonts-base xauth procps desktop-file-utils appstream dbus dunst at-spi2-core
    python3-pyatspi python3-dbus libgtk-3-bin acl attr python3-gi gir1.2-gtk-3.0 tzdata)
# The sound servers of bench/sound_server_ticks.sh; PipeWire's ALSA plugin (pipewire-alsa) would
# remove PulseAudio's (libasound2-plugins), so that script takes it from its package instead.
bench_packages=(libx11-dev libxdamage-dev gnome-clocks ktimer strace dbus valgrind pulseaudio
    pulseaudio-utils libasound2-plugins pipewire pipewire-bin pipewire-pulse wireplumber)
# Building the Debian package, then checking it.
package_packages=(dpkg-dev file)
package_check_packages=(lintian man-db)

case "${1:-}" in
    build) wanted=("${build_packages[@]}") ;;
    package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
        "${package_check_packages[@]}") ;;
    bench) wanted=("${build_packages[@]}" "${test_packages[@]}" "${bench_packages[@]}") ;;
    *) echo "usage: $0 build|package|test|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
# Another installation may hold the package lock for a while: wait for it rather than fail.
apt_options=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${apt_options[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${apt_options[@]}" install -y -qq \
    "${missing[@]}" >/dev/null
