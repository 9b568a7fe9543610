#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a clean copy of the tracked files and checks it the way
# Debian and the desktop do: lintian, AppStream, the desktop entries, the hardening of the
# installed binary and the licence information; then the first-start test on the package.
#   scripts/package.sh [OUT_DIR]    (the package ends up in OUT_DIR, default ./build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-package}")
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

step() { printf '== %s\n' "$*"; }

step "clean copy of the tree"
mkdir "$work/quorvane"
git ls-files -z | xargs -0 cp --parents -t "$work/quorvane"

step "dpkg-buildpackage"
(cd "$work/quorvane" && dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log" | cut -c1-300; exit 1; }
rm -rf "$out"
mkdir -p "$out"
cp "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out/"
deb=$(ls "$out"/quorvane_*.deb)

step "lintian"
lintian --fail-on error,warning --display-info "$out"/*.changes

root="$work/root"
dpkg-deb -x "$deb" "$root"

step "appstreamcli validate-tree"
# The project has no web site to name, and AppStream 1.0 warns of a missing homepage: that
# warning is the one message allowed, as debian/quorvane.lintian-overrides says to lintian,
# which runs the same command.
status=0
report=$(appstreamcli validate-tree --no-net "$root" 2>&1) || status=$?
printf '%s\n' "$report"
others=$(grep -E '^ *[EW]: ' <<<"$report" | grep -cv ': url-homepage-missing$' || true)
if [ "$status" -ne 0 ] &&
    { [ "$others" -ne 0 ] || [[ $report != *': url-homepage-missing'* ]]; }; then
    echo "appstreamcli found more than the missing homepage" >&2
    exit 1
fi

step "hardening-check"
# hardening-check sees no fortification where the code leaves nothing to fortify (only copies
# of unknown size), so that the flag reached every compile is read from the build log: every
# compile line there, whatever the compiler is called, and there must be some.
fortify=$(dpkg-buildflags --get CPPFLAGS | grep -o -- '-D_FORTIFY_SOURCE=[0-9]*') ||
    { echo "dpkg-buildflags asks for no _FORTIFY_SOURCE" >&2; exit 1; }
compile=' -c [^ ]+\.(c|cc|cpp|cxx)( |$)'
compiles=$(grep -cE -- "$compile" "$work/build.log" || true)
unfortified=$(grep -E -- "$compile" "$work/build.log" | grep -cvF -- "$fortify" || true)
[ "$compiles" -gt 0 ] || { echo "no compile line in the build log" >&2; exit 1; }
[ "$unfortified" -eq 0 ] || { echo "$unfortified of $compiles compiles lack $fortify" >&2; exit 1; }
# A binary shows control-flow protection only where the C start files carry its marks
# (neither Debian 12's nor 13's do). Branch protection is an arm64 feature that Debian 13's
# hardening-check asks of every binary.
options=()
crt_notes=$(readelf -n "$(gcc -print-file-name=crt1.o)")
[[ $crt_notes == *'x86 feature:'*IBT* ]] || options+=(--nocfprotection)
[[ $(hardening-check --help 2>&1) != *--nobranchprotection* ]] || options+=(--nobranchprotection)
# Every ELF file of the package, the program and the thumbnailer among them.
mapfile -t binaries < <(find "$root" -type f -print0 | xargs -0 file -N --mime-type |
    sed -nE 's/: *application\/x-(pie-executable|executable|sharedlib)$//p')
[ ${#binaries[@]} -ge 2 ] || { echo "the package holds ${#binaries[@]} ELF files" >&2; exit 1; }
hardening-check --nofortify "${options[@]}" "${binaries[@]}"

step "desktop-file-validate (the entry written at quit: in the first-start test)"
desktop-file-validate "$root"/usr/share/applications/*.desktop

step "first start"
tests/packaging/first_start.sh "$deb"

step "reuse lint"
# .reuse/dep5 is the one form that Debian 12's reuse (which cannot read REUSE.toml) and Debian
# 13's both read; the latter adds a notice that it is deprecated.
reuse lint

printf 'package ok: %s (Installed-Size %s KiB)\n' "$deb" "$(dpkg-deb -f "$deb" Installed-Size)"
