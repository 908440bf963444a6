#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screen checks need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev
  fonts-material-design-icons-iconfont
  fonts-dejavu-core xvfb xauth imagemagick
  pkg-config libsecret-1-dev
  zlib1g-dev
  # A private Secret Service for the token store's tests.
  dbus gnome-keyring libsecret-tools
  # A real browser for the sign-in test that follows the redirects headless.
  chromium
  # Checks of the installed menu entry and AppStream record.
  desktop-file-utils appstream
  # The Debian package: dpkg-shlibdeps finds its dependencies, CPack picks
  # the programs to hand it with file.
  dpkg-dev file
  # Japanese texts in screen checks.
  fonts-ipafont-gothic
  # ledgerine-server: HTTP and TLS (Boost.Beast, OpenSSL), Argon2id (libsodium),
  # PostgreSQL through Qt Sql; its tests and benchmark start a PostgreSQL cluster.
  libboost-dev libssl-dev libsodium-dev libqt6sql6-psql postgresql
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null 2>&1 || { echo "need root or sudo to install packages" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
