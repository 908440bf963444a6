#!/usr/bin/env bash
# Draws the application icon: a teal tile with a ledger page and a check mark.
# Run once by hand; the PNG is committed under resources/icons.
set -euo pipefail
out=${1:-resources/icons/app_icon.png}
convert -size 256x256 xc:none \
  -fill '#00897B' -draw 'roundrectangle 8,8 248,248 44,44' \
  -fill '#FAFBFA' -draw 'roundrectangle 58,40 198,216 12,12' \
  -stroke '#4DB6AC' -strokewidth 8 \
  -draw 'line 82,84 174,84' -draw 'line 82,116 174,116' -draw 'line 82,148 134,148' \
  -stroke '#1B2D26' -strokewidth 14 -fill none \
  -draw 'stroke-linejoin round stroke-linecap round polyline 118,172 140,194 182,146' \
  "$out"
