#!/usr/bin/env bash
# Runs a command on an X server of its own: Xvfb with a screen of SIZE (as 1280x800x24), on a
# display it picks itself (-displayfd), so that servers started at the same moment by tests run
# side by side never take the same one (xvfb-run -a can). Exits with the command's status.
#
#   tests/under_xvfb.sh SIZE COMMAND...
set -euo pipefail
size=$1
shift
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
cleanup() {
    kill "$xvfb" 2> /dev/null || true
    wait "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    if ! kill -0 "$xvfb" 2> /dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb named no display" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")" "$@"
