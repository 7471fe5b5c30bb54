#!/usr/bin/env bash
# Installs the Debian packages Tolvane builds, runs and tests with. Quick when all are there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libswscale-dev libavcodec-extra
    libsdl2-dev libjpeg-dev
    qt6-base-dev qt6-base-dev-tools
    googletest libgtest-dev
    ffmpeg xvfb xauth time
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
