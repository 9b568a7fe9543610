#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws quorvane.png, 64x64 with transparent corners, from the same shapes as the
# hand-written quorvane.svg (this ImageMagick has no SVG reader). Drawn at four times the
# size and scaled down, which smooths the edges.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
    -fill '#008080' -stroke '#004d4d' -strokewidth 8 -draw 'roundrectangle 8,8 248,248 20,20' \
    -fill none -stroke '#003333' -strokewidth 6 \
    -draw 'line 128,12 128,244' -draw 'line 12,128 244,128' \
    -fill '#000000' -stroke '#262626' -strokewidth 4 -draw 'circle 68,68 114,68' \
    -fill '#ffffff' -stroke '#bfbfbf' -strokewidth 4 -draw 'circle 188,188 234,188' \
    -filter Box -resize 64x64 -strip -define png:exclude-chunks=date,time PNG32:quorvane.png
