#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the server's tests and benchmark.
#   postgres-cluster.sh start STATE [durable]
#                                     initdb + start; writes STATE (the folder)
#                                     and STATE.url (the admin database's URL);
#                                     "durable" keeps fsync on (the benchmark)
#   postgres-cluster.sh stop STATE    stops it and removes everything
# PostgreSQL refuses to run as root, so as root (CI) the cluster belongs to
# nobody. It listens on a socket in its folder only, never on TCP.
set -euo pipefail
action=${1:?start or stop}
state=${2:?state file}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[[ -x "$bin/initdb" ]] || { echo "PostgreSQL is not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }

as_owner() {
  if [[ $(id -u) -eq 0 ]]; then runuser -u nobody -- "$@"; else "$@"; fi
}

stop() {
  [[ -f "$state" ]] || return 0
  local dir
  dir=$(cat "$state")
  if [[ -d "$dir/data" ]]; then as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true; fi
  rm -rf "$dir" "$state" "$state.url"
}

case "$action" in
start)
  stop
  dir=$(mktemp -d /tmp/ledgerine-pg.XXXXXX)
  chmod 755 "$dir"
  [[ $(id -u) -eq 0 ]] && chown nobody "$dir"
  echo "$dir" > "$state"
  if ! as_owner "$bin/initdb" -D "$dir/data" -A trust -U ledgerine -E UTF8 >"$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2; stop; exit 1
  fi
  # Durability is not wanted from a cluster that is deleted after the tests.
  settings="-k $dir -p 5432 -c listen_addresses='' -c max_connections=300"
  [[ "${3:-}" == durable ]] || settings+=" -c fsync=off -c synchronous_commit=off"
  if ! as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start -o "$settings" >/dev/null; then
    cat "$dir/server.log" >&2; stop; exit 1
  fi
  echo "postgresql://ledgerine@/postgres?host=$dir&port=5432" > "$state.url"
  echo "PostgreSQL cluster running in $dir"
  ;;
stop)
  stop
  ;;
*)
  echo "usage: $0 start|stop STATE" >&2; exit 2
  ;;
esac
