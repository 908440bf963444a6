#!/usr/bin/env bash
# Builds the Debian packages of the build with CPack and checks that the
# desktop's holds the program, the menu entry, the icons and the AppStream
# record and nothing else, and that dpkg-shlibdeps named the library packages;
# check-server-package.sh checks the server's.
set -euo pipefail
build_dir=$1
id=com.mellowindvantor.ledgerine
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build_dir" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) \
  || { cat "$out/cpack.log"; fail "cpack"; }
debs=("$out"/*.deb)
[[ ${#debs[@]} == 2 ]] || fail "expected two packages, found: ${debs[*]}"
deb=$(echo "$out"/ledgerine_*.deb)
[[ -f $deb ]] || fail "no ledgerine package among: ${debs[*]}"
[[ $(dpkg-deb -f "$deb" Package) == ledgerine ]] || fail "the desktop package is not named ledgerine"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=(./usr/bin/ledgerine ./usr/share/applications/$id.desktop
  ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=(./usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
# Builds with a shared core (the tests') ship it beside the program.
if grep -q '^LEDGERINE_SHARED_CORE:BOOL=ON' "$build_dir/CMakeCache.txt"; then
  expected+=(./usr/lib/ledgerine/libledgerine_core.so)
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") \
  || fail "the package's files differ from the expected ones (< missing, > extra)"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins libsqlite3-0; do
  [[ $depends =~ (^|, )$package[\ ,] || $depends =~ (^|, )$package$ ]] \
    || fail "Depends lacks $package: $depends"
done
for field in Package Version Architecture Maintainer Section Description; do
  [[ -n $(dpkg-deb -f "$deb" "$field") ]] || fail "no $field"
done
echo "$(basename "$deb"): ${#expected[@]} files; Depends: $depends"
"$(dirname "$0")/check-server-package.sh" "$out"/ledgerine-server_*.deb
