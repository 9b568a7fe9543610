#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the game and the tests need, when missing, on
# Debian 12 and 13 alike. Further package names given as arguments are installed with them
# (scripts that need more); after --only, just the names given.
set -euo pipefail

# Where Debian split or renamed a package, "new|old": the first one the release offers.
packages=(
    cmake ninja-build g++ clang libclang-rt-dev libgtest-dev libbenchmark-dev
    qt6-base-dev "qt6-svg-plugins|libqt6svg6" qt6-translations-l10n fonts-arphic-uming
    pkgconf libpulse-dev libsndfile1-dev pulseaudio pulseaudio-utils
    xvfb xauth xdotool xdg-utils desktop-file-utils shared-mime-info
    libglib2.0-bin dpkg-dev file locales git
    build-essential debhelper lintian appstream devscripts reuse
    at-spi2-core dbus-daemon python3-gi
)
if [ "${1:-}" = --only ]; then
    shift
    packages=()
fi
packages+=("$@")

declare -A have offered
installed() { [ -n "${have[$1]:-}" ]; }
# The first choice of "new|old" the release offers. Without package lists apt-cache knows only
# what is installed, which says nothing about the release: then only an installed first
# choice is certain.
pick() {
    local p
    [[ $1 == *'|'* ]] || { echo "$1"; return; }
    for p in ${1//|/ }; do
        if [ -n "${offered[$p]:-}" ]; then echo "$p"; return; fi
        compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null || return 0
    done
}
find_missing() {
    missing=()
    have=() offered=()
    local p state chosen
    while read -r state p; do [ "$state" != ii ] || have[$p]=1; done \
        < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n')
    if [[ "${packages[*]}" == *'|'* ]]; then
        while read -r p; do offered[$p]=1; done < <(
            apt-cache show --no-all-versions $(printf '%s\n' "${packages[@]}" | grep '|' | tr '|' ' ') \
                2>/dev/null | sed -n 's/^Package: //p')
    fi
    for p in "${packages[@]}"; do
        chosen=$(pick "$p")
        installed "${chosen:-none}" || missing+=("${chosen:-$p}")
    done
}

find_missing
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo would drop DEBIAN_FRONTEND from the environment, env sets it on the far side.
apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    apt=(sudo "${apt[@]}")
fi
"${apt[@]}" update </dev/null
find_missing
for p in "${missing[@]}"; do
    [[ $p != *'|'* ]] || { echo "This release offers none of: ${p//|/, }" >&2; exit 1; }
done
echo "Installing: ${missing[*]}"
# Another install running at the same time is waited for, not failed on.
"${apt[@]}" install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}" </dev/null
