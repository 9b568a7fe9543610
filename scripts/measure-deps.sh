#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Counts the packages and the installed size that the game's run-time packages bring onto a
# fresh Debian 12 root, by apt-get's own simulation (nothing is installed).
# Usage: scripts/measure-deps.sh ROOT_TARBALL 'PKG...' ['PKG...' ...]   (needs root)
set -euo pipefail
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
tar -xf "$1" -C "$ROOT"
shift
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
chroot "$ROOT" apt-get update -qq </dev/null >/dev/null
for set in "$@"; do
    # shellcheck disable=SC2086
    names=$(chroot "$ROOT" apt-get install -s --no-install-recommends $set </dev/null |
        awk '/^Inst / {print $2}')
    # shellcheck disable=SC2086
    kib=$(chroot "$ROOT" apt-cache show --no-all-versions $names |
        awk '/^Installed-Size:/ {s += $2} END {print s}')
    printf '%4d packages %6d MB  %s\n' "$(wc -w <<<"$names")" $((kib / 1024)) "$set"
done
