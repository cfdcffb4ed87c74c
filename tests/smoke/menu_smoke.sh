#!/usr/bin/env bash
# Installs Ornivale under a scratch prefix, puts a sample picture under
# every name into the installed data, and runs the installed program on a
# virtual X server with a fresh user folder: the first start must seed the
# program folder and move the 39 samples into "STATIC"; then, from the main
# menu, a sample is opened in each mode (Display, Edit, Repaint, Redraw)
# and the editor is left again, by a click on the picture in the gallery
# and by the editor's "e&Xit" otherwise; finally "&Quit" ends the program,
# which writes its settings. Needs xvfb-run, xdotool and xwininfo.
set -euo pipefail
build="${1:?usage: menu_smoke.sh BUILD_DIR SAMPLE_MAKER}"
maker="${2:?usage: menu_smoke.sh BUILD_DIR SAMPLE_MAKER}"
for tool in xvfb-run xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "menu_smoke: $tool is missing"; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
"$maker" "$tmp/prefix/share/ornivale"
mkdir -m 700 "$tmp/run"
export XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=xcb HOME="$tmp"
export PROG="$tmp/prefix/bin/ornivale" LOG="$tmp/out.log"

# Runs inside the virtual server.
drive() {
  set -euo pipefail
  "$PROG" >"$LOG" 2>&1 &
  pid=$!
  fail() { echo "menu_smoke: $*"; cat "$LOG"; kill "$pid" 2>/dev/null; exit 1; }
  # The state of the window titled $1: IsViewable, IsUnMapped or nothing.
  state() {
    local id
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) || true
    [[ -n "$id" ]] && xwininfo -id "$id" | sed -n 's/.*Map State: //p'
  }
  waitfor() {  # TITLE STATE
    for _ in $(seq 1 100); do
      [[ "$(state "$1")" == "$2" ]] && return 0
      kill -0 "$pid" 2>/dev/null || fail "the program ended early"
      sleep 0.1
    done
    fail "no window \"$1\" in the state $2"
  }
  menu="Ornivale - Version 6"
  waitfor "$menu" IsViewable
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "^$menu\$" | head -1)")"
  # The rows and the first sample, relative to the menu window.
  modes=(77 148 220 298)
  for mode in 0 1 2 3; do
    xdotool mousemove --sync $((X + modes[mode])) $((Y + 165)) click 1
    sleep 0.2
    xdotool mousemove --sync $((X + 111)) $((Y + 480)) click 1
    waitfor "$menu" IsUnMapped
    sleep 1
    if ((mode == 0)); then
      # The gallery: a click on the picture leads back.
      xdotool mousemove --sync 800 500 click 1
    else
      editor=$(xdotool search --onlyvisible --name "^Picture  -  " | head -1)
      [[ -n "$editor" ]] || fail "no editor window in mode $mode"
      xdotool windowfocus --sync "$editor"
      xdotool key alt+x
    fi
    waitfor "$menu" IsViewable
    echo "menu_smoke: mode $mode opened a sample and came back"
    sleep 0.3
  done
  win=$(xdotool search --name "^$menu\$" | head -1)
  xdotool windowfocus --sync "$win"
  xdotool key alt+q
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "&Quit did not end the program"
  wait "$pid" || true
}
# The server's shell gets the function as a script of its own.
{ declare -f drive; echo drive; } >"$tmp/drive.sh"

# A virtual server that is still starting up can refuse the first
# connection; that case, and only that one, is tried again.
for attempt in 1 2 3; do
  if xvfb-run -a -s "-screen 0 1600x1000x24" bash "$tmp/drive.sh"; then break; fi
  if ! grep -q "could not connect to display" "$LOG" 2>/dev/null || ((attempt == 3)); then exit 1; fi
  echo "menu_smoke: the X server refused the connection; trying again"
  sleep 1
done

folder="$XDG_DATA_HOME/ornivale"
for f in STATIC/OVPP1A.PNT Standard.Clr Paint.Dat Ornisk.Dat; do
  [[ -e "$folder/$f" ]] || { echo "menu_smoke: $folder/$f is missing"; exit 1; }
done
[[ ! -e "$folder/OVPP1A.PNT" ]] || { echo "menu_smoke: the samples were not moved into STATIC"; exit 1; }
samples=$(find "$folder/STATIC" -maxdepth 1 -iname 'OV*.PNT' | wc -l)
((samples == 39)) || { echo "menu_smoke: $samples samples in STATIC, not 39"; exit 1; }
echo "menu_smoke: passed"
