#!/usr/bin/env bash
# Checks the ledgerine-server package that check-package.sh built: the
# program, the systemd unit and its options file (a conffile) and nothing
# else; the library packages; a unit systemd accepts, hardened as a network
# daemon should be, whose options the server takes; and that installing,
# removing and purging it in a scratch root leaves nothing behind.
set -euo pipefail
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unit=/usr/lib/systemd/system/ledgerine-server.service
conf=/etc/ledgerine-server/ledgerine-server.conf

[[ -f $deb ]] || fail "no server package: $deb"
[[ $(dpkg-deb -f "$deb" Package) == ledgerine-server ]] || fail "not named ledgerine-server"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
diff <(printf '%s\n' ./usr/bin/ledgerine-server ".$unit" ".$conf" | sort) <(echo "$files") \
  || fail "the server package's files differ from the expected ones (< missing, > extra)"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6network6 libqt6sql6 libqt6sql6-sqlite libsodium23 libssl3; do
  [[ $depends =~ (^|, )$package[\ ,] || $depends =~ (^|, )$package$ ]] \
    || fail "Depends lacks $package: $depends"
done
dpkg-deb -e "$deb" "$work/control"
[[ $(cat "$work/control/conffiles") == "$conf" ]] || fail "conffiles: $(cat "$work/control/conffiles")"
for script in postinst prerm postrm; do
  [[ -x $work/control/$script ]] && sh -n "$work/control/$script" || fail "$script"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for directive in DynamicUser=yes StateDirectory=ledgerine-server ProtectSystem=strict \
  NoNewPrivileges=yes ProtectHome=yes PrivateTmp=yes PrivateDevices=yes \
  ProtectKernelTunables=yes ProtectKernelModules=yes ProtectControlGroups=yes \
  "RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX" SystemCallFilter=@system-service \
  "EnvironmentFile=$conf" 'ExecStart=/usr/bin/ledgerine-server $LEDGERINE_SERVER_OPTIONS'; do
  grep -qxF "$directive" "$root$unit" || fail "the unit lacks $directive"
done
# systemd's own checks, against the package's tree: no complaint at all, and
# an exposure level systemd calls OK (below 2.0 of 10).
mkdir -p "$root/usr/lib/systemd/system"
cp /usr/lib/systemd/system/*.target "$root/usr/lib/systemd/system/"
complaints=$(systemd-analyze verify --man=no --recursive-errors=no --root="$root" \
  ledgerine-server.service 2>&1) || fail "systemd-analyze verify: $complaints"
[[ -z $complaints ]] || fail "systemd-analyze verify: $complaints"
systemd-analyze security --offline=true --threshold=20 --root="$root" ledgerine-server.service \
  >"$work/security" 2>&1 || { tail -3 "$work/security"; fail "exposure above 2.0"; }
# The options as shipped start the server (with its state in a scratch folder).
options=$(sed -n 's/^LEDGERINE_SERVER_OPTIONS="\(.*\)"$/\1/p' "$root$conf")
[[ $options == *--data-dir\ /var/lib/ledgerine-server* ]] || fail "the options keep no state folder"
# shellcheck disable=SC2086 # split like systemd's $VAR
"$root/usr/bin/ledgerine-server" ${options//\/var\/lib\/ledgerine-server/$work/state} user list \
  || fail "the server refuses the shipped options: $options"

# Install, remove and purge with dpkg in a scratch root.
admin=$work/dpkg
mkdir -p "$admin/var/lib/dpkg/updates" "$admin/var/lib/dpkg/info"
touch "$admin/var/lib/dpkg/status"
run_dpkg() {
  dpkg --root="$admin" --log=/dev/null --force-not-root --force-depends \
    --force-script-chrootless "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg $*"; }
}
run_dpkg -i "$deb"
[[ -x $admin/usr/bin/ledgerine-server && -f $admin$conf ]] || fail "dpkg -i installed too little"
run_dpkg -r ledgerine-server
[[ $(find "$admin" -type f -not -path "$admin/var/lib/dpkg/*") == "$admin$conf" ]] \
  || fail "removing kept more than the options: $(find "$admin" -not -path "$admin/var/lib/dpkg*")"
run_dpkg -P ledgerine-server
left=$(find "$admin" -mindepth 1 -not -path "$admin/var*")
[[ -z $left ]] || fail "purging left: $left"
echo "$(basename "$deb"): unit verified, $(grep -o 'exposure level.*' "$work/security")"
