#!/usr/bin/env bash
# The installed game. Installs the build into a staging folder (DESTDIR) with the prefix /usr, as
# the Debian package does; checks the tree; validates the menu entry, the metainfo and the manual
# page; makes the Debian package and has lintian look at it; answers --version, --help and a wrong
# option from the installed program; and starts it, from where it was installed and from the build
# folder, to see where it finds its files.
# Usage: check_install.sh BUILD_FOLDER APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
work=$(mktemp -d)
manifest=$build/install_manifest.txt
# A real install's list of files (used to uninstall) must survive this staged one.
[ -e "$manifest" ] && cp -p "$manifest" "$work/manifest.kept"
running=
cleanup() {
  # A program still running when the test stops is ended with it.
  [ -z "$running" ] || kill "$running" 2>/dev/null || true
  if [ -e "$work/manifest.kept" ]; then cp -p "$work/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; }

DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "the install failed"; }
[ "$(ls "$work/stage")" = usr ] || fail "the install wrote outside its prefix: $(ls "$work/stage")"
root=$work/stage/usr
program=$root/games/dorv

# The tree.
[ -x "$program" ] || fail "no program at games/dorv"
for file in share/the-dorv/sound.dat share/the-dorv/Music.dat share/the-dorv/music.tune \
            share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/man/man6/dorv.6.gz share/doc/the-dorv/copyright share/doc/the-dorv/changelog.gz \
            share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$root/$file" ] || fail "missing $file"
done
module=$(find "$root/lib" -name libdorv-print.so)
# A Qt plugin: its entry for the plugin loader, and its data, which names what it implements.
nm -D --defined-only "$module" 2>/dev/null | grep -qw qt_plugin_instance &&
  grep -q MovesPrinterFactory "$module" || fail "no print module below lib/"
for media in sound.dat music.tune; do
  cmp -s "$root/share/the-dorv/$media" "$build/bin/$media" || fail "the installed $media differs from the build's"
done
copyright=$root/share/doc/the-dorv/copyright
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not machine-readable"
grep -qx "Copyright: 2026 The Dorv developers" "$copyright" || fail "the copyright file lost the developers' copyright"
grep -qx " SOFTWARE." "$copyright" || fail "the copyright file lost the end of the licence"
gzip -dc "$root/share/doc/the-dorv/changelog.gz" | head -n 1 | grep -q "^the-dorv (1.0) " ||
  fail "the changelog does not start with this version"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$icon" ] || fail "missing the ${size} px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$icon")
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is no PNG"
  [ $(((w1 << 24) + (w2 << 16) + (w3 << 8) + w4)) = "$size" ] && [ $(((h1 << 24) + (h2 << 16) + (h3 << 8) + h4)) = "$size" ] ||
    fail "the ${size} px icon has another size"
done
desktop=$root/share/applications/$id.desktop
grep -qx "Exec=/usr/games/dorv" "$desktop" || fail "the menu entry does not start /usr/games/dorv"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo names another menu entry"

# The validators.
if command -v desktop-file-validate >/dev/null; then
  report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] || fail "desktop-file-validate: $report"
else
  skip "desktop-file-validate is not installed (apt-get install desktop-file-utils); the menu entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
else
  skip "appstreamcli is not installed (apt-get install appstream); the metainfo is not validated"
fi
if command -v man >/dev/null; then
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man6/dorv.6.gz" >"$work/man.txt" 2>"$work/man.log" ||
    fail "man could not show the manual page"
  [ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "the manual page has mistakes"; }
  grep -q "DORV_PROGRAM_DIR" "$work/man.txt" || fail "the manual page lost its ENVIRONMENT section"
else
  skip "man is not installed; the manual page is not checked"
fi

# The Debian package as `cpack -G DEB` makes it: lintian finds no error in it.
if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
  lintian --fail-on error --tag-display-limit 0 "$work"/package/*.deb >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian finds errors in the package"; }
  cat "$work/lintian.log"
else
  skip "lintian or dpkg-dev is not installed (apt-get install lintian dpkg-dev); the package is not checked"
fi

# The program, in a home of its own, without a display or a sound card.
mkdir -p "$work/home"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_RUNTIME_DIR=$work/home/run QT_QPA_PLATFORM=offscreen DORV_AUDIO=silent
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset DORV_PROGRAM_DIR QT_MESSAGE_PATTERN

status=0; version=$("$program" --version 2>"$work/err") || status=$?
[ "$status" = 0 ] && [ "$version" = "The Dorv 1.0" ] || fail "--version: status $status, '$version'"
status=0; "$program" --help >"$work/help" 2>"$work/err" || status=$?
[ "$status" = 0 ] && grep -q -- "--version" "$work/help" || fail "--help: status $status"
status=0; "$program" --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] && grep -q "no-such-option" "$work/err" && [ ! -s "$work/out" ] ||
  fail "an unknown option: status $status, '$(cat "$work/err")'"
# The answers for scripts: a best finish, a review, the puzzles, and what they refuse, in a
# decimal-comma locale.
status=0; best=$(LC_ALL=de_DE.UTF-8 "$program" --best 0000000000000000011000000000000000000 2>"$work/err") || status=$?
[ "$status" = 0 ] && [ "$best" = "$(printf '1\t18-19-20\tproven')" ] || fail "--best: status $status, '$best'"
printf 'L117\r\nL219\r\nST19\r\n' >"$work/one.dvm"
status=0; "$program" --review "$work/one.dvm" >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 0 ] && grep -q "$(printf '^1\t17-19\t2\t2$')" "$work/out" || fail "--review: status $status, '$(cat "$work/out")'"
# The puzzles: one a line, the centre's cross among them, in a decimal-comma locale too.
status=0; LC_ALL=de_DE.UTF-8 "$program" --list-puzzles >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 0 ] && [ "$(wc -l <"$work/out")" -ge 40 ] && [ ! -s "$work/err" ] &&
  grep -q $'^Cross\t0000010000111000001000000100000000000\t1@19\t[0-9]' "$work/out" &&
  ! grep -qvE $'^[^\t]+\t[01]{37}\t1(@[0-9]+)?\t[0-9]+-[0-9]+( [0-9]+-[0-9]+)*$' "$work/out" ||
  fail "--list-puzzles: status $status, '$(head -3 "$work/out")'"
status=0; "$program" --best 12 >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] && grep -q "not a position" "$work/err" && [ ! -s "$work/out" ] || fail "--best 12: status $status"
# A FIFO nobody writes to, or a folder, is refused at once rather than waited on.
mkfifo "$work/fifo.dvm"
for odd in "$work/fifo.dvm" "$work"; do
  status=0; "$program" --review "$odd" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = 2 ] && grep -q "cannot be read" "$work/err" && [ ! -s "$work/out" ] || fail "--review of $odd: status $status"
done
status=0; "$program" --review "$program" >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] && grep -q "not a moves file" "$work/err" && [ ! -s "$work/out" ] || fail "--review of a program: status $status"

# Starts the program, reads what it logs until it has opened the music (it does once its window is
# up), ends it, reads on to the end of its output, and checks that it was still running, found its
# files in `folder`, reads the hall of fame from there and would write it to `hall`, and played the
# tune rendered when it was built. Every wait is for a line of the
# program or for the end of its output, none for a time: a sanitised build on a busy machine starts
# slowly, and the test's own time limit is the only ceiling.
runs_with_files_in() {
  local executable=$1 folder=$2 hall=$3 log=$work/run.log line opened=no
  # The program takes the place of the shell that prints its pid first; the shell around it says
  # how it ended after its last line. No `wait`: the end of the output is the end of the program.
  exec 3< <(status=0
            QT_LOGGING_RULES="dorv.files.debug=true" sh -c 'echo "$$"; exec "$0"' "$executable" 2>&1 || status=$?
            echo "ended with status $status")
  read -r running <&3 || fail "$executable did not start"
  : >"$log"
  while IFS= read -r line <&3; do
    printf '%s\n' "$line" >>"$log"
    case $line in
      *music.tune*) opened=yes; break ;;
      "ended with status "*) break ;;
    esac
  done
  [ "$opened" = yes ] || { cat "$log"; fail "$executable ended before it opened the music"; }
  kill "$running" 2>/dev/null || true
  cat <&3 >>"$log"
  exec 3<&-
  running=
  # Ended by the kill (SIGTERM), not by itself or by a crash.
  [ "$(tail -n 1 "$log")" = "ended with status 143" ] || { cat "$log"; fail "$executable did not run until it was ended"; }
  for media in sound.dat Music.dat music.tune; do
    grep -qx "dorv.files: $media: $folder/$media" "$log" || { cat "$log"; fail "$executable did not find $folder/$media"; }
  done
  grep -qx "dorv.files: dvhs.sys: read from $folder/dvhs.sys, written to $hall" "$log" ||
    { cat "$log"; fail "$executable keeps its hall of fame elsewhere"; }
  ! grep -q "could not find" "$log" || { cat "$log"; fail "$executable missed a file"; }
}
# Installed, the hall of fame is the player's own, whoever runs the game (the super-user as well).
runs_with_files_in "$program" "$root/share/the-dorv" "$XDG_DATA_HOME/The Dorv/The Dorv/dvhs.sys"
runs_with_files_in "$build/bin/dorv" "$build/bin" "$build/bin/dvhs.sys"
echo "The installed tree, its menu entry, metainfo, manual page and program are right."
