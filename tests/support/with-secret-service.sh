#!/bin/sh
# Runs a command against a Secret Service of its own: a private D-Bus session
# with gnome-keyring's secrets component, its keyring files and sockets in a
# temporary home, so that neither the user's keyring nor a parallel test run
# is touched. Exits with the command's status.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/run"
HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
export HOME XDG_DATA_HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR
status=0
dbus-run-session -- sh -c '
  printf test | gnome-keyring-daemon --unlock --components=secrets >/dev/null || exit 90
  "$@"' sh "$@" || status=$?
exit $status
