#!/usr/bin/env bash
# Makes the Debian package and checks what a user of apt and man would meet: the file name, the
# files with their owners and permissions, the control fields (Qt's Wayland plugin recommended),
# where the metainfo says the settings live, the changelog's version, the launcher's command, the
# program's own version and its hardening, the manual page rendered by man without warnings, and
# lintian's verdict (any error or warning fails). The package is made by CPack from BUILD_DIR when
# its PROGRAM was built with Debian's hardening flags (scripts/test.sh builds so), and otherwise by
# scripts/package.sh in a fresh folder.
# Usage: check_deb_package.sh SOURCE_DIR PROJECT_VERSION BUILD_DIR PROGRAM
set -uo pipefail

usage="usage: $0 SOURCE_DIR PROJECT_VERSION BUILD_DIR PROGRAM"
source_dir=${1:?$usage}
version=${2:?$usage}
build_dir=${3:?$usage}
program=${4:?$usage}
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Whether the program $1 has what Debian's hardening flags give: position independence,
# relocations read-only and bound at start, the stack protector and fortified functions.
hardened() {
    local header segments dynamic symbols
    header=$(LC_ALL=C readelf -hW "$1") && segments=$(LC_ALL=C readelf -lW "$1") &&
        dynamic=$(LC_ALL=C readelf -dW "$1") && symbols=$(LC_ALL=C readelf --dyn-syms -W "$1") ||
        return 1
    grep -q 'Type:.*DYN' <<<"$header" && grep -q GNU_RELRO <<<"$segments" &&
        grep -Eq 'BIND_NOW|FLAGS_1.* NOW' <<<"$dynamic" &&
        grep -q ' __stack_chk_fail' <<<"$symbols" && grep -Eq ' __[a-z_]+_chk(@| |$)' <<<"$symbols"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if hardened "$program"; then
    echo "Package made by CPack from $build_dir"
    # The package's folders get their permissions from the staging's.
    if ! (umask 022 && cpack --config "$build_dir/CPackConfig.cmake" -B "$work/build") \
        >"$work/package.log" 2>&1; then
        cat "$work/package.log"
        echo "FAIL: cpack"
        exit 1
    fi
else
    echo "Package made by scripts/package.sh: $program was built without Debian's hardening flags"
    if ! "$source_dir/scripts/package.sh" "$work/build" >"$work/package.log" 2>&1; then
        cat "$work/package.log"
        echo "FAIL: scripts/package.sh"
        exit 1
    fi
fi
deb=$work/build/hobwatch_${version}_$(dpkg --print-architecture).deb
if [[ ! -f $deb ]]; then
    ls "$work/build"
    echo "FAIL: no package named $(basename "$deb")"
    exit 1
fi

# Every regular file with its permissions; anything missing, extra or with other permissions
# shows in the diff.
expected_files="\
-rw-r--r-- ./usr/share/applications/org.hobwatch.Hobwatch.desktop
-rw-r--r-- ./usr/share/doc/hobwatch/README.md
-rw-r--r-- ./usr/share/doc/hobwatch/changelog.gz
-rw-r--r-- ./usr/share/doc/hobwatch/copyright
-rw-r--r-- ./usr/share/doc/hobwatch/docs/hobwatch-window.png
-rw-r--r-- ./usr/share/icons/hicolor/32x32/apps/org.hobwatch.Hobwatch.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/org.hobwatch.Hobwatch.png
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/org.hobwatch.Hobwatch.svg
-rw-r--r-- ./usr/share/man/man1/hobwatch.1.gz
-rw-r--r-- ./usr/share/metainfo/org.hobwatch.Hobwatch.metainfo.xml
-rwxr-xr-x ./usr/bin/hobwatch"
listing=$(dpkg-deb -c "$deb")
actual_files=$(awk '$1 !~ /^d/ { print $1, $6 }' <<<"$listing" | LC_ALL=C sort)
if ! file_diff=$(diff <(echo "$expected_files") <(echo "$actual_files")); then
    fail "files in the package differ from the expected list (< expected, > packaged):
$file_diff"
fi
wrong_entries=$(awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x")' <<<"$listing")
[[ -z $wrong_entries ]] || fail "not owned by root/root, or a folder not rwxr-xr-x:
$wrong_entries"

field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    local actual
    actual=$(field "$1")
    [[ $actual == "$2" ]] || fail "control field $1 is '$actual', want '$2'"
}
expect_field Package hobwatch
expect_field Version "$version"
expect_field Architecture "$(dpkg --print-architecture)"
[[ -n $(field Section) && -n $(field Priority) ]] || fail "Section or Priority is missing"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is not 'name <address>'"

# Package names only: versions and alternatives stripped.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g')
for package in libqt6widgets6 libasound2 libcanberra0 sound-theme-freedesktop fonts-liberation; do
    grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done

recommends=$(field Recommends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g')
grep -qx qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $(field Recommends)"

description=$(field Description)
synopsis=$(head -n 1 <<<"$description")
extended_lines=$(tail -n +2 <<<"$description" | grep -c '[[:alpha:]]')
[[ -n $synopsis && ${#synopsis} -le 80 ]] || fail "the synopsis is empty or too long: '$synopsis'"
((extended_lines >= 2)) || fail "the extended description has $extended_lines line(s) of text"

root=$work/root
dpkg-deb -x "$deb" "$root"

changelog_head=$(zcat "$root/usr/share/doc/hobwatch/changelog.gz" 2>/dev/null | head -n 1)
[[ $changelog_head == "hobwatch ($version) "* ]] ||
    fail "the changelog's latest entry is not for $version: '$changelog_head'"

# The entry's own Exec and its actions'.
exec_names=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' \
    "$root/usr/share/applications/org.hobwatch.Hobwatch.desktop" 2>/dev/null | sort | uniq -c)
[[ $exec_names =~ ^\ *3\ /usr/bin/hobwatch$ ]] ||
    fail "the desktop entry starts '$exec_names', not the packaged /usr/bin/hobwatch three times"

hardened "$root/usr/bin/hobwatch" || fail "the packaged program lacks Debian's hardening"
sections=$(LC_ALL=C readelf -SW "$root/usr/bin/hobwatch")
grep -Eq ' \.(symtab|debug_|comment)' <<<"$sections" &&
    fail "the packaged program is not stripped as Debian strips"
program_version=$("$root/usr/bin/hobwatch" --version 2>&1)
[[ $program_version == "hobwatch $version" ]] ||
    fail "the packaged program says '$program_version' to --version, want 'hobwatch $version'"

manual=$root/usr/share/man/man1/hobwatch.1.gz
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" \
    >/dev/null 2>"$work/man.warnings"
man_status=$?
if ((man_status != 0)) || [[ -s $work/man.warnings ]]; then
    cat "$work/man.warnings"
    fail "man reported warnings or failed (exit $man_status) on hobwatch.1"
fi
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$manual" 2>/dev/null)
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS"; do
    grep -qx "$heading" <<<"$page" || fail "the manual page has no $heading section"
done
for text in --help --version '~/.config/hobwatch/Hobwatch.txt' "Hobwatch $version"; do
    grep -qF -- "$text" <<<"$page" || fail "the manual page does not mention '$text'"
done

metainfo=$root/usr/share/metainfo/org.hobwatch.Hobwatch.metainfo.xml
grep -qF '~/.config/hobwatch/Hobwatch.txt' "$metainfo" ||
    fail "the metainfo does not say where an installed program keeps its settings"

lintian --display-info --pedantic --fail-on error,warning "$deb"
lintian_status=$?
((lintian_status == 0)) || fail "lintian reported errors or warnings (exit $lintian_status)"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Debian package $(basename "$deb"): OK"
