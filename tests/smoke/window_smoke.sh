#!/usr/bin/env bash
# Starts Ornivale on a virtual X server, waits for its window titled
# "Ornivale" to appear, checks that the first start made the program folder,
# then ends the program. Needs xvfb-run and xwininfo; no display of its own.
set -euo pipefail
prog="${1:?usage: window_smoke.sh PATH/TO/ornivale}"
for tool in xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "window_smoke: $tool is missing"; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run"
# A fresh per-user folder, so the test neither reads nor changes the user's own.
export XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=xcb

# A virtual server that is still starting up (or one that another run is
# just shutting down) can refuse the first connection; that case, and only
# that one, is tried again.
run_once() {
echo "window_smoke: starting $prog under xvfb-run"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" >"$2/out.log" 2>&1 &
  pid=$!
  found=0
  for _ in $(seq 1 150); do
    # A window titled Ornivale that is mapped on the screen.
    for id in $(xwininfo -root -tree 2>/dev/null | grep "\"Ornivale\"" | awk "{print \$1}"); do
      if xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then found=1; fi
    done
    ((found)) && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if ((found)); then
    echo "window_smoke: found the window:"
    xwininfo -name Ornivale | grep -E "Window id|Width|Height|Map State" 
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ((!found)); then
    echo "window_smoke: no window titled Ornivale appeared; the program said:"
    cat "$2/out.log"
    exit 1
  fi
' _ "$prog" "$tmp"
}

for attempt in 1 2 3; do
  if run_once; then break; fi
  if ! grep -q "could not connect to display" "$tmp/out.log" || ((attempt == 3)); then exit 1; fi
  echo "window_smoke: the X server refused the connection; trying again"
  sleep 1
done

if [[ ! -d "$XDG_DATA_HOME/ornivale" ]]; then
  echo "window_smoke: the program folder $XDG_DATA_HOME/ornivale was not created"
  exit 1
fi
echo "window_smoke: passed"
