#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a desktop needs from
# it: the program, a valid menu entry that starts it, the icon in every size
# and a valid AppStream record.
set -euo pipefail
build_dir=$1
id=com.mellowindvantor.ledgerine
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null || fail "cmake --install"
share=$root/usr/share

desktop=$share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop file"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $root/usr/bin/$program ]] || fail "Exec=$program is not the installed program"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 22 24 32 48 64 128 256 512; do
  png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
  [[ -f $png ]] || fail "no ${size}x${size} icon"
  # Width and height from the PNG header.
  read -r w h < <(od -An -j16 -N8 -tu1 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ $w == "$size" && $h == "$size" ]] || fail "$icon.png in ${size}x${size} is ${w}x${h}"
done
[[ -f $share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon"

metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"
echo "installed tree is complete"
