#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a user would meet it: the menu
# entry and the metainfo validate, lintian finds no error, apt-get installs it, the programs run
# from /usr/bin (a conversion included) with their files in place, and
# apt-get removes it without a trace.
#
#   scripts/package-check.sh BUILD_FOLDER MEDIA_FOLDER
set -euo pipefail
build=$(realpath "$1")
media=$(realpath "$2")
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

desktop-file-validate packaging/org.tolvane.Tolvane.desktop
appstreamcli validate --no-net packaging/org.tolvane.Tolvane.metainfo.xml

rm -f "$build"/tolvane_*.deb
(cd "$build" && cpack -G DEB > /dev/null 2>&1)
deb=$(ls "$build"/tolvane_*.deb)
echo "package: $(basename "$deb")"
(lintian --tag-display-limit 0 "$deb" 2>&1 || true) | (grep -v 'running with root privileges' || true) \
    > "$build/lintian.txt"
echo "lintian: $(wc -l < "$build/lintian.txt") tags"; cat "$build/lintian.txt"
if grep -q '^E:' "$build/lintian.txt"; then
    echo "FAIL: lintian reports errors"; exit 1
fi

if dpkg -s tolvane > /dev/null 2>&1; then
    echo "FAIL: a tolvane package is installed already; not touching it"; exit 1
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" > /dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq tolvane > /dev/null 2>&1 || true' EXIT
/usr/bin/tolvane-cli --version
work=$(mktemp -d)
/usr/bin/tolvane-cli -q -f ogg -o "$work" "$media/short_1s.mp4"
ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$work/short_1s.ogg" | grep -qx vorbis
# A job written and run from /usr/bin.
/usr/bin/tolvane-cli -q -f wav --write-job "$work/j.tolvane-job" "$media/short_1s.mp4"
/usr/bin/tolvane-cli -q --job "$work/j.tolvane-job" -o "$work/job" > /dev/null
[ -s "$work/job/short_1s.wav" ] || { echo "FAIL: the job made nothing"; exit 1; }
rm -rf "$work"
for file in /usr/bin/tolvane /usr/share/tolvane/help.html \
            /usr/share/applications/org.tolvane.Tolvane.desktop \
            /usr/share/metainfo/org.tolvane.Tolvane.metainfo.xml \
            /usr/share/icons/hicolor/16x16/apps/tolvane.png \
            /usr/share/icons/hicolor/512x512/apps/tolvane.png \
            /usr/share/man/man1/tolvane.1.gz /usr/share/man/man1/tolvane-cli.1.gz \
            /usr/share/mime/packages/org.tolvane.Tolvane.xml \
            /usr/share/doc/tolvane/job-format.md /usr/share/doc/tolvane/copyright \
            /usr/share/tolvane/translations/tolvane_de.qm; do
    [ -s "$file" ] || { echo "FAIL: $file is not installed"; exit 1; }
done

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq tolvane > /dev/null
trap - EXIT
if dpkg -s tolvane > /dev/null 2>&1 || [ -e /usr/bin/tolvane-cli ] || [ -e /usr/share/tolvane ]; then
    echo "FAIL: the package did not go cleanly"; exit 1
fi
echo "package check: built, validated, installed, converted from /usr/bin, removed"
