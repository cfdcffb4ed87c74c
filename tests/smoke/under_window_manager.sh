#!/usr/bin/env bash
# Runs window tests of a test program on a virtual X server under a real
# window manager (openbox), with Qt's X11 platform: the tests see what the
# manager makes of the program's windows. Skipped (77) when xvfb-run,
# openbox, xprop or xdotool is missing (scripts/setup installs them).
set -euo pipefail
program="${1:?usage: under_window_manager.sh TEST_PROGRAM GTEST_FILTER}"
filter="${2:?usage: under_window_manager.sh TEST_PROGRAM GTEST_FILTER}"
for tool in xvfb-run openbox xprop xdotool; do
  command -v "$tool" >/dev/null || { echo "under_window_manager: $tool is missing: skipped"; exit 77; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run"
# The window manager and the tests keep their files in a scratch home, and
# reach no desktop bus (whose library keeps memory the leak checker reports).
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/run"
export DBUS_SESSION_BUS_ADDRESS="disabled:"
export PROGRAM="$program" FILTER="$filter" QT_QPA_PLATFORM=xcb

# Runs inside the virtual server: the window manager first, the tests once
# it has taken the screen.
inside() {
  set -euo pipefail
  openbox >"$HOME/openbox.log" 2>&1 &
  manager=$!
  trap 'kill "$manager" 2>/dev/null || true; wait "$manager" 2>/dev/null || true' EXIT
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    if ! kill -0 "$manager" 2>/dev/null; then
      echo "under_window_manager: openbox ended"
      cat "$HOME/openbox.log"
      # A virtual server that is still starting up can refuse the first
      # connection: that case is tried again on a new server.
      grep -q "Failed to open the display" "$HOME/openbox.log" && exit 75
      exit 1
    fi
    sleep 0.1
  done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "under_window_manager: openbox did not start"; exit 1; }
  "$PROGRAM" --gtest_filter="$FILTER"
}
{ declare -f inside; echo inside; } >"$tmp/inside.sh"
for attempt in 1 2 3; do
  status=0
  xvfb-run -a -s "-screen 0 1600x1000x24" bash "$tmp/inside.sh" || status=$?
  ((status == 75 && attempt < 3)) || exit "$status"
  echo "under_window_manager: the X server refused openbox; trying again"
  sleep 1
done
