#!/usr/bin/env bash
# Checks a built Debian package of the game: its control fields, its exact
# file list (modes and link targets included), its copyright file, and what
# it puts on the desktop: the desktop entry valid and starting /usr/games/mirel
# in the game's data folder, the window class and icon names it gives, the
# metainfo valid, the icons at their sizes, the program and library without
# run paths and the command's link landing on the program.
# Exits 77 (skipped) when there is no package: scripts/package-deb builds it.
#
# usage: check-deb.sh PACKAGE.deb APP_ID
set -uo pipefail
deb="$1"
app="$2"
here="$(cd "$(dirname "$0")" && pwd)"
if [ ! -f "$deb" ]; then
  echo "no package at $deb (scripts/package-deb builds it)"
  exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

source "$(dirname "$0")/check_steps.sh"

field() { dpkg-deb -f "$deb" "$1"; }
field_is() { [ "$(field "$1")" = "$2" ] || { echo "$1: $(field "$1")"; return 1; }; }
depends_on() { field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$1" || { echo "Depends: $(field Depends)"; return 1; }; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }
is_png_of_size() { [ "$(png_size "$1")" = "$2" ]; }
has_no_run_path() { ! readelf -d "$1" | grep -Eq 'RPATH|RUNPATH'; }
same_lists() { diff -u "$1" "$2"; }
mentions() { grep -q -- "$2" "$1" || { echo "no \"$2\" in $1"; return 1; }; }
is_elf_executable() { [ -x "$1" ] && [ "$(head -c4 "$1" | od -An -c | tr -d ' ')" = "177ELF" ]; }

# Every file and folder with its mode, links with their targets.
dpkg-deb -c "$deb" | awk '{ line = $1 " " substr($6, 2); for (i = 7; i <= NF; i++) line = line " " $i; print line }' |
  sed 's|/$||' | sort >"$work/files"
sort >"$work/expected" <<LIST
drwxr-xr-x 
drwxr-xr-x /usr
drwxr-xr-x /usr/games
lrwxrwxrwx /usr/games/mirel -> ../lib/games/free-mirel/mirel
drwxr-xr-x /usr/lib
drwxr-xr-x /usr/lib/games
drwxr-xr-x /usr/lib/games/free-mirel
drwxr-xr-x /usr/lib/games/free-mirel/docs
-rw-r--r-- /usr/lib/games/free-mirel/docs/Help.pdf
-rwxr-xr-x /usr/lib/games/free-mirel/mirel
-rw-r--r-- /usr/lib/games/free-mirel/mirelgfx01.so
drwxr-xr-x /usr/share
drwxr-xr-x /usr/share/applications
-rw-r--r-- /usr/share/applications/$app.desktop
drwxr-xr-x /usr/share/doc
drwxr-xr-x /usr/share/doc/free-mirel
-rw-r--r-- /usr/share/doc/free-mirel/changelog.Debian.gz
-rw-r--r-- /usr/share/doc/free-mirel/copyright
drwxr-xr-x /usr/share/icons
drwxr-xr-x /usr/share/icons/hicolor
drwxr-xr-x /usr/share/icons/hicolor/128x128
drwxr-xr-x /usr/share/icons/hicolor/128x128/apps
-rw-r--r-- /usr/share/icons/hicolor/128x128/apps/$app.png
drwxr-xr-x /usr/share/icons/hicolor/48x48
drwxr-xr-x /usr/share/icons/hicolor/48x48/apps
-rw-r--r-- /usr/share/icons/hicolor/48x48/apps/$app.png
drwxr-xr-x /usr/share/icons/hicolor/64x64
drwxr-xr-x /usr/share/icons/hicolor/64x64/apps
-rw-r--r-- /usr/share/icons/hicolor/64x64/apps/$app.png
drwxr-xr-x /usr/share/lintian
drwxr-xr-x /usr/share/lintian/overrides
-rw-r--r-- /usr/share/lintian/overrides/free-mirel
drwxr-xr-x /usr/share/man
drwxr-xr-x /usr/share/man/man6
-rw-r--r-- /usr/share/man/man6/mirel.6.gz
drwxr-xr-x /usr/share/metainfo
-rw-r--r-- /usr/share/metainfo/$app.metainfo.xml
LIST
check "file list, modes and link target" same_lists "$work/expected" "$work/files"
check "every file owned by root" test -z "$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')"

check "package free-mirel" field_is Package free-mirel
check "architecture amd64" field_is Architecture amd64
check "section non-free/games" field_is Section non-free/games
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 libvorbisfile3 libopenal1 libxcb1 qt6-qpa-plugins; do
  check "depends on $lib" depends_on "$lib"
done

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
entry="$root/usr/share/applications/$app.desktop"
check "/usr/games/mirel lands on the program" is_elf_executable "$root/usr/games/$(readlink "$root/usr/games/mirel")"
check "program has no run path" has_no_run_path "$root/usr/lib/games/free-mirel/mirel"
check "asset library has no run path" has_no_run_path "$root/usr/lib/games/free-mirel/mirelgfx01.so"
check "desktop entry validates" desktop-file-validate "$entry"
check "desktop entry starts /usr/games/mirel in its data folder" python3 "$here/desktop_exec.py" "$entry" /usr/games/mirel
check "desktop entry names the window class" grep -qx "StartupWMClass=mirel" "$entry"
check "desktop entry names the packaged icon" grep -qx "Icon=$app" "$entry"
check "metainfo validates" appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml"
for size in 48 64 128; do
  check "icon ${size}x${size}" is_png_of_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png" "${size}x${size}"
done
copyright="$root/usr/share/doc/free-mirel/copyright"
check "copyright in the machine-readable format" mentions "$copyright" "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
check "copyright names the game's licence" mentions "$copyright" "^License: CC-BY-NC-ND-4.0"
for notice in libpng-1.5.12 libogg-1.3.5 libvorbis-1.3.7; do
  check "copyright names the $notice notice" mentions "$copyright" "^Files: dialogs/notices/$notice.txt"
done
check "copyright carries the libpng licence" mentions "$copyright" "^ Permission is hereby granted to use, copy, modify, and distribute this"
check "copyright carries the Xiph.org licence" mentions "$copyright" "^ - Neither the name of the Xiph.org Foundation nor the names of its"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ] || { echo "(a package older than the tree fails too: scripts/package-deb rebuilds it)"; exit 1; }
