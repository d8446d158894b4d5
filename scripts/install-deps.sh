#!/usr/bin/env bash
# Installs what building and playing the game needs on Debian 12 (run as root or with sudo), and
# any further packages named as arguments.
set -euo pipefail
# The game opens ALSA's library (libasound2) when it first makes a sound, libvorbisfile (libvorbisfile3)
# to decode its own tune, and FluidSynth (libfluidsynth3) when a piece other than its own tune is
# played, so its executable names none; the build uses their headers, cuts the music's
# instruments out of the soundfont with Python 3, renders the tune with FluidSynth and encodes it
# with libvorbisenc (libvorbis-dev).
packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libasound2-dev libasound2
          libfluidsynth-dev libfluidsynth3 libvorbis-dev libvorbisfile3 python3 timgm6mb-soundfont fonts-dejavu-core
          qt6-translations-l10n qt6-l10n-tools "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
