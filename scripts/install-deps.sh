#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages the build, the game and the tests need, when missing.
# Further package names given as arguments are installed with them (scripts that need more).
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
    qt6-base-dev libqt6svg6 qt6-translations-l10n fonts-arphic-uming
    pkg-config libpulse-dev libsndfile1-dev pulseaudio pulseaudio-utils
    xvfb xauth xdotool xdg-utils desktop-file-utils shared-mime-info
    libglib2.0-bin dpkg-dev file locales
    build-essential debhelper lintian appstream devscripts reuse
    at-spi2-core dbus-daemon python3-gi
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update </dev/null
# Another install running at the same time is waited for, not failed on.
"${as_root[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}" </dev/null
