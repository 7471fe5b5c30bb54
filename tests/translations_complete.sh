#!/usr/bin/env bash
# Every text of the sources is translated in every shipped language: lupdate run on copies of
# the .ts files finds nothing new, and lrelease counts no unfinished translation.
#
#   tests/translations_complete.sh SOURCE_FOLDER
set -euo pipefail
source=$1
bin=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/tolvane_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$bin/lupdate" -silent -no-obsolete -locations none "$source/mainwindow" "$source/dialogs" \
        "$source/controls" -ts "$copy" > /dev/null
    counts=$("$bin/lrelease" "$copy" -qm "$work/out.qm" | grep -o '[0-9]* unfinished')
    if [ "$counts" != "0 unfinished" ]; then
        echo "FAIL: $(basename "$ts"): $counts (run: cmake --build build --target update_translations)"
        status=1
    fi
done
exit "$status"
