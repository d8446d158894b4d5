#!/usr/bin/env bash
# Installs what building and playing the game needs, and the tools its tests use: a virtual display
# for looking at the windows, PDF tools for the printed moves, the validators of the menu entry and
# the metainfo, man for the manual page, and dpkg-dev for making the Debian package.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" xvfb xauth poppler-utils appstream desktop-file-utils man-db dpkg-dev
