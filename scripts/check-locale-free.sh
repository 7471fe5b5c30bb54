#!/usr/bin/env bash
# Fails when the program's code reads or writes a number in a way that follows the C locale:
# numbers are read and written the same in every language (std::from_chars, std::to_chars, or
# Qt's own C-locale conversions).
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(core engine preview controls resources dialogs mainwindow cli media)
patterns=(
    '\bstd::sto(d|f|ld)\b'                            # follow the C locale
    '\b(strtod|strtof|strtold|atof)\s*\('
    '\b(sscanf|fscanf|scanf)\s*\('
    'printf\s*\([^;]*%[-+ #0-9.]*[fFgGeEaA]'          # a floating number printed by the C library
    '\bstd::to_string\s*\(\s*(static_cast<(double|float)>|[^)]*(seconds|Seconds|[0-9]\.[0-9]))'
)
status=0
for pattern in "${patterns[@]}"; do
    if grep -rnE --include='*.cpp' --include='*.h' "$pattern" "${folders[@]}"; then
        status=1
    fi
done
if [ "$status" -ne 0 ]; then
    echo "Numbers above are read or written through the C locale: use std::from_chars/to_chars." >&2
fi
exit "$status"
