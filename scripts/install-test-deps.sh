#!/usr/bin/env bash
# Installs what building and playing the game needs, and the tools its tests use: a virtual display
# for looking at the windows, PDF tools for the printed moves, the validators of the menu entry and
# the metainfo, man for the manual page, dpkg-dev for making the Debian package and lintian for
# checking it, a decimal-comma locale (de_DE.UTF-8) for the tests that play in one, and clang with
# its sanitisers' runtime for the sanitised build.
set -euo pipefail
"$(dirname "$0")/install-deps.sh" xvfb xauth poppler-utils appstream desktop-file-utils man-db dpkg-dev lintian locales
"$(dirname "$0")/install-clang.sh"
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
