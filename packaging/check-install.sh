#!/usr/bin/env bash
# Installs a build into a fresh temporary prefix and checks what a desktop gets:
# the layout under LIB_DIR (lib/mirel for a source install), the relative
# BIN_DIR/mirel link, no run paths, the desktop entry and AppStream metainfo
# passing their validators, the hicolor icons at their sizes, the manual page,
# and the installed program started through the link and through the desktop
# entry as a menu starts it (run_installed.py).
#
# usage: check-install.sh BUILD_DIR APP_ID LIB_DIR BIN_DIR DESKTOP_COMMAND
set -uo pipefail
build="$1"
app="$2"
lib_dir="$3"
bin_dir="$4"
command="$5"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
checks=0

source "$(dirname "$0")/check_steps.sh"

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

lib="$prefix/$lib_dir"
link_target="$(realpath -m --relative-to="/$bin_dir" "/$lib_dir/mirel")"
entry="$prefix/share/applications/$app.desktop"
check "program installed executable" test -x "$lib/mirel"
check "asset library beside the program" test -f "$lib/mirelgfx01.so"
check "help document beside the program" is_pdf "$lib/docs/Help.pdf"
check "$bin_dir/mirel is the relative link $link_target" link_points_to "$prefix/$bin_dir/mirel" "$link_target"
check "$bin_dir/mirel resolves to the program" test "$(readlink -f "$prefix/$bin_dir/mirel")" = "$(readlink -f "$lib/mirel")"
check "program has no run path" has_no_run_path "$lib/mirel"
check "asset library has no run path" has_no_run_path "$lib/mirelgfx01.so"
check "desktop entry validates" desktop-file-validate "$entry"
check "desktop entry starts $command in its data folder" python3 "$here/desktop_exec.py" "$entry" "$command"
check "desktop entry names its icon" grep -qx "Icon=$app" "$entry"
check "desktop entry names the window class" grep -qx "StartupWMClass=mirel" "$entry"
check "desktop entry is a logic game" grep -qx 'Categories=Game;LogicGame;' "$entry"
check "metainfo validates" appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
check "metainfo has a screenshot" grep -q '<screenshot' "$prefix/share/metainfo/$app.metainfo.xml"
for size in 48 64 128; do
  check "icon ${size}x${size}" is_png_of_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png" "${size}x${size}"
done
check "manual page mirel(6)" grep -q '^\.TH MIREL 6' "$prefix/share/man/man6/mirel.6"
check "install manifest lists the link" grep -qx "$prefix/$bin_dir/mirel" "$build/install_manifest.txt"

check "installed program opens its window through the link and from the menu" \
  python3 "$here/run_installed.py" "$prefix" "$bin_dir" "$app"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
