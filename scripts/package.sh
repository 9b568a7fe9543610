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

step "appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

step "hardening-check"
# Debian 12's C start files carry no CET marks, so no binary linked here shows control-flow
# protection. And hardening-check sees no fortification where the code leaves nothing to
# fortify (only copies of unknown size); that the flag reached every compile is read from
# the build log instead.
if grep -E '/c\+\+ .* -c ' "$work/build.log" | grep -qv -- '-D_FORTIFY_SOURCE=2'; then
    echo "a compile ran without -D_FORTIFY_SOURCE=2" >&2
    exit 1
fi
hardening-check --nocfprotection --nofortify "$root/usr/lib/quorvane/quorvane" \
    "$root/usr/games/quorvane-thumbnailer"

step "desktop-file-validate (the entry written at quit: in the first-start test)"
desktop-file-validate "$root"/usr/share/applications/*.desktop

step "first start"
tests/packaging/first_start.sh "$deb"

step "reuse lint"
reuse lint

printf 'package ok: %s (Installed-Size %s KiB)\n' "$deb" "$(dpkg-deb -f "$deb" Installed-Size)"
