#!/usr/bin/env bash
# Installs a build into a fresh temporary prefix and checks what a desktop gets:
# the layout under lib/mirel, the relative bin/mirel link, no run paths, the
# desktop entry and AppStream metainfo passing their validators, the hicolor
# icons at their sizes, and the installed program started through the link
# (run_installed.py).
#
# usage: check-install.sh BUILD_DIR APP_ID
set -uo pipefail
build="$1"
app="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
checks=0

check() {  # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  checks=$((checks + 1))
  if "$@" >"$work/out" 2>&1; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    sed 's/^/     /' "$work/out"
    failures=$((failures + 1))
  fi
}

png_size() {  # prints WIDTHxHEIGHT of a PNG from its IHDR chunk
  od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
is_png_of_size() { [ "$(png_size "$1")" = "$2" ]; }
has_no_run_path() { ! readelf -d "$1" | grep -Eq 'RPATH|RUNPATH'; }
link_points_to() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ]; }
is_pdf() { [ "$(head -c5 "$1")" = "%PDF-" ]; }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "0 passed, 1 failed"
  exit 1
fi

lib="$prefix/lib/mirel"
check "program installed executable" test -x "$lib/mirel"
check "asset library beside the program" test -f "$lib/mirelgfx01.so"
check "help document beside the program" is_pdf "$lib/docs/Help.pdf"
check "bin/mirel is the relative link ../lib/mirel/mirel" link_points_to "$prefix/bin/mirel" ../lib/mirel/mirel
check "bin/mirel resolves to the program" test "$(readlink -f "$prefix/bin/mirel")" = "$(readlink -f "$lib/mirel")"
check "program has no run path" has_no_run_path "$lib/mirel"
check "asset library has no run path" has_no_run_path "$lib/mirelgfx01.so"
check "desktop entry validates" desktop-file-validate "$prefix/share/applications/$app.desktop"
check "desktop entry starts mirel" grep -qx 'Exec=mirel' "$prefix/share/applications/$app.desktop"
check "desktop entry names its icon" grep -qx "Icon=$app" "$prefix/share/applications/$app.desktop"
check "desktop entry is a logic game" grep -qx 'Categories=Game;LogicGame;' "$prefix/share/applications/$app.desktop"
check "metainfo validates" appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
check "metainfo has a screenshot" grep -q '<screenshot' "$prefix/share/metainfo/$app.metainfo.xml"
for size in 48 64; do
  check "icon ${size}x${size}" is_png_of_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png" "${size}x${size}"
done
check "install manifest lists the link" grep -qx "$prefix/bin/mirel" "$build/install_manifest.txt"

check "installed program opens its window through bin/mirel" python3 "$here/run_installed.py" "$prefix"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
