#!/usr/bin/env bash
# Runs the program (PROGRAM, with the files after it) as a screen reader meets it: in an X
# session of its own (xvfb-run) with a session bus and the accessibility bus (at-spi2-core),
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
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$0" --new-window "${@:2}" 2> "$HOME/program.log" &
    program=$!
    status=0
    /usr/bin/python3 "$1" || status=$?
    kill "$program" 2> /dev/null || true
    wait "$program" 2> /dev/null || true
    exit "$status"' "$program" "$here/atspi_walk.py" "$@"
