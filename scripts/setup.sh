#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need,
# and the further packages named as arguments (scripts/fuzz.sh adds its
# compiler this way). Runs apt-get update only when something is missing, so
# a ready machine pays nothing.
set -euo pipefail

packages=(
  qt6-base-dev libfluidsynth-dev timgm6mb-soundfont libasound2-dev
  libgtest-dev libgmock-dev libbenchmark-dev midicsv xvfb xauth ninja-build
  pkg-config cmake g++ fluidsynth xdotool sndfile-programs
  libsndfile1-dev libvorbis-dev libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libebur128-dev libtag1-dev ffmpeg file gettext qt6-l10n-tools qt6-tools-dev
  desktop-file-utils appstream help2man librsvg2-bin man-db dpkg-dev bash-completion "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
