#!/usr/bin/env bash
# Runs a command as a client of a Wayland compositor of its own: Weston's headless backend with
# the pixman renderer, on a socket in a fresh runtime folder, so that nothing of the machine's
# own sessions is touched or relied on. Exits with the command's status.
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="tolvane-test-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman \
    --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
cleanup() {
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "weston's socket did not appear" >&2; exit 1; }

# No X display to fall back on: the program runs on Wayland or not at all.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    TOLVANE_EXPECT_PLATFORM=wayland "$@"
