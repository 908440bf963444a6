#!/usr/bin/env bash
# Starts the application under a virtual X server, waits, and saves a picture
# of the screen:  scripts/screenshot.sh <executable> <out.png> [seconds] [data dir]
set -euo pipefail
exe=$1; out=$2; wait=${3:-4}; data=${4:-$(mktemp -d)}
LEDGERINE_DATA_DIR=$data xvfb-run -a -s "-screen 0 1440x960x24" sh -c \
  "\"$exe\" & pid=\$!; sleep $wait; import -window root \"$out\"; kill \$pid 2>/dev/null || true" \
  2>/dev/null
echo "$out (data in $data)"
