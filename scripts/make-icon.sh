#!/usr/bin/env bash
# Renders the application icon (a teal tile with a ledger page and a check
# mark, drawn in resources/desktop/ledgerine.svg) as the window icon and in the
# sizes the desktop's icon themes look for. Run by hand after changing the
# drawing (needs rsvg-convert, Debian librsvg2-bin); the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
svg=resources/desktop/ledgerine.svg
rsvg-convert -w 256 -h 256 "$svg" -o resources/icons/app_icon.png
for size in 16 22 24 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" "$svg" -o "resources/desktop/icons/ledgerine-$size.png"
done
