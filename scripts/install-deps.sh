#!/usr/bin/env bash
# Installs the Debian packages Tolvane builds, runs and tests with. Quick when all are there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libswscale-dev libavfilter-dev
    libavcodec-extra
    libsdl2-dev libjpeg-dev libebur128-dev
    qt6-base-dev qt6-base-dev-tools
    googletest libgtest-dev
    ffmpeg xvfb xauth time locales parallel dbus-daemon opus-tools
    desktop-file-utils appstream lintian dpkg-dev file xdg-utils
    weston qt6-wayland
    at-spi2-core python3-pyatspi
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
    clang libclang-rt-14-dev
    slurmctld slurmd slurm-client munge
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
# A comma-decimal locale, for the tests that run the windows under it.
have_locale() { locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; }
make_locale() { have_locale || ${sudo:-} localedef -i de_DE -c -f UTF-8 de_DE.UTF-8; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -eq 0 ]; then
    make_locale
    exit 0
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
make_locale
