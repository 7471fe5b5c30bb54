#!/usr/bin/env bash
# Runs the program (PROGRAM, with the files after it) as a screen reader meets it: in an X
# session of its own (Xvfb) with a session bus and the accessibility bus (at-spi2-core),
# its home, settings and runtime folders fresh; then walks its windows with tests/atspi_walk.py.
# Exits with the walk's status.
#
#   tests/under_atspi.sh PROGRAM FILE...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.state" \
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" SDL_AUDIODRIVER=dummy \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
program=$1
shift
# The program in the background of the session, the walk in front; the program goes with it.
# Xvfb picks a free display itself (-displayfd): two servers started at once never take one.
dbus-run-session -- bash -c '
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$HOME/display" \
        2> "$HOME/xvfb.log" &
    xvfb=$!
    for _ in $(seq 200); do
        [ -s "$HOME/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$HOME/display")"
    # The accessibility bus first: a program that starts before it is there never joins it.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress > /dev/null 2>&1 && break
        sleep 0.1
    done
    "$0" --new-window "${@:2}" 2> "$HOME/program.log" &
    program=$!
    status=0
    /usr/bin/python3 "$1" || status=$?
    [ "$status" -eq 0 ] || cat "$HOME/program.log" >&2
    kill "$program" 2> /dev/null || true
    wait "$program" 2> /dev/null || true
    kill "$xvfb" 2> /dev/null || true
    wait "$xvfb" 2> /dev/null || true
    exit "$status"' "$program" "$here/atspi_walk.py" "$@"
