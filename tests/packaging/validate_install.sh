#!/usr/bin/env bash
# Installs a build into a fresh prefix, checks the files a desktop needs to find and show the
# program, and runs desktop-file-validate and appstreamcli on them; any error or warning fails.
# Usage: validate_install.sh BUILD_DIR   (the cmake used is $CMAKE, default cmake)
set -uo pipefail

app_id=org.hobwatch.Hobwatch
build=${1:?usage: $0 BUILD_DIR}
cmake=${CMAKE:-cmake}
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool not found (Debian packages desktop-file-utils, appstream)"
        exit 1
    fi
done

# Where this build puts the program and its data, as configured (bin and share unless overridden).
cache_value() {
    local value
    value=$(sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" 2>/dev/null)
    echo "${value:-$2}"
}
bindir=$(cache_value CMAKE_INSTALL_BINDIR bin)
datadir=$(cache_value CMAKE_INSTALL_DATADIR share)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install $build"
    exit 1
fi

desktop=$prefix/$datadir/applications/$app_id.desktop
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
icons=$prefix/$datadir/icons/hicolor

[[ -x $prefix/$bindir/hobwatch ]] || fail "$bindir/hobwatch is missing or not executable"
[[ -f $desktop ]] || fail "the desktop entry is missing: $desktop"
[[ -f $metainfo ]] || fail "the metainfo file is missing: $metainfo"
[[ -f $icons/scalable/apps/$app_id.svg ]] || fail "the scalable icon is missing"

# A PNG's IHDR: width and height (4 bytes each, big-endian), bit depth, colour type (3 = indexed).
png_header() {
    od -An -tu1 -j16 -N10 "$1" | awk '{
        printf "%d %d %d %d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4,
            $5 * 16777216 + $6 * 65536 + $7 * 256 + $8, $9, $10 }'
}
for size in 32 48; do
    png=$icons/${size}x${size}/apps/$app_id.png
    if [[ ! -f $png ]]; then
        fail "the ${size}x${size} icon is missing"
        continue
    fi
    header=$(png_header "$png")
    [[ $header == "$size $size 8 3" ]] ||
        fail "${size}x${size} icon: width height depth type are '$header', want '$size $size 8 3'"
    grep -q tRNS "$png" || fail "${size}x${size} icon has no transparency (tRNS chunk)"
done

# The entry and its two quick starts run the installed program by its absolute path, wherever the
# prefix is, and the entry names the icon installed beside it.
exec_values() { sed -n 's/^Exec=//p' "$1" 2>/dev/null | tr '\n' '|'; }
execs_for() { echo "$1|$1 --start 5|$1 --start 10|"; }
if [[ -f $desktop ]]; then
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [[ $(exec_values "$desktop") == "$(execs_for "$prefix/$bindir/hobwatch")" ]] ||
        fail "Exec= values are '$(exec_values "$desktop")', want $(execs_for "$prefix/$bindir/hobwatch")"
    [[ $icon_name == "$app_id" ]] || fail "Icon= names '$icon_name', want $app_id"
    names=$(sed -n 's/^Name=//p' "$desktop" | tr '\n' '|')
    [[ $names == "Hobwatch|Start 5 minutes|Start 10 minutes|" ]] || fail "Name= values are '$names'"
fi

# A package stages its files under DESTDIR for the prefix it installs them to later.
if DESTDIR=$work/stage "$cmake" --install "$build" --prefix /usr >"$work/stage.log" 2>&1; then
    staged=$work/stage/usr/$datadir/applications/$app_id.desktop
    [[ $(exec_values "$staged") == "$(execs_for "/usr/$bindir/hobwatch")" ]] ||
        fail "staged under DESTDIR, Exec= values are '$(exec_values "$staged")'"
else
    cat "$work/stage.log"
    fail "cmake --install with DESTDIR"
fi

# desktop-file-validate exits 0 on warnings, appstreamcli 0 on infos and 3 on warnings: read
# what they print as well as how they end.
if [[ -f $desktop ]]; then
    output=$(desktop-file-validate "$desktop" 2>&1)
    status=$?
    echo "desktop-file-validate (exit $status):"
    [[ -n $output ]] && echo "$output"
    if ((status != 0)) || grep -Eq ': (error|warning): ' <<<"$output"; then
        fail "desktop-file-validate reported errors or warnings"
    fi
fi
appstream_check() {
    local output status
    output=$(appstreamcli "$@" 2>&1)
    status=$?
    echo "appstreamcli $* (exit $status):"
    echo "$output"
    if ((status != 0)) || grep -Eq '^ *[EW]: ' <<<"$output"; then
        fail "appstreamcli $1 reported errors or warnings"
    fi
}
if [[ -f $metainfo ]]; then
    appstream_check validate --no-net "$metainfo"
    # The tree check also finds the desktop entry the metainfo launches.
    appstream_check validate-tree --no-net "$prefix"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install layout and desktop metadata: OK"
