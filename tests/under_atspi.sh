#!/usr/bin/env bash
# Runs the program (PROGRAM, with the files after it) as a screen reader meets it: in an X
# session of its own (tests/under_xvfb.sh) with a session bus and the accessibility bus
# (at-spi2-core), its home, settings and runtime folders fresh; then walks its windows with
# tests/atspi_walk.py. Exits with the walk's status.
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
# The program in the background of the session, the walk in front; the program goes with it.
dbus-run-session -- "$here/under_xvfb.sh" 1280x800x24 bash -c '
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
    exit "$status"' "$1" "$here/atspi_walk.py" "${@:2}"
