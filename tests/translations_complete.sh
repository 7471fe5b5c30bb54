#!/usr/bin/env bash
# Every text of the sources is translated in every shipped language: lupdate run on copies of
# the .ts files finds nothing untranslated, and lrelease counts no unfinished translation.
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
        "$source/controls" "$source/cli" "$source/core" "$source/engine" -ts "$copy" > /dev/null
    # A text lupdate has just added is "untranslated" (lrelease leaves it out), one a translator
    # has not finished "unfinished": both count.
    said=$("$bin/lrelease" "$copy" -qm "$work/out.qm")
    if ! grep -q ' 0 unfinished' <<< "$said" || grep -q 'untranslated' <<< "$said"; then
        echo "FAIL: $(basename "$ts") is not complete (cmake --build build --target" \
            "update_translations, then translate):"
        echo "$said"
        status=1
    fi
done
exit "$status"
