#!/bin/sh
# The Qt backend on a real X server: starts the smoke program under Xvfb, types into it
# with xdotool (letters the filter refuses, Tab, a menu shortcut, a modal dialog closed
# with Escape, a click and the wheel on a grid, Enter on the default button) and checks what the model ended with.
# Exit 77 (skipped) when xvfb-run or xdotool is missing.
prog=$1
if [ "$2" != "--inner" ]; then
  if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "xvfb-run or xdotool is missing: skipped"
    exit 77
  fi
  exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$prog" --inner
fi

export QT_QPA_PLATFORM=xcb
out=$(mktemp)
timeout 60 "$prog" >"$out" 2>&1 &
pid=$!
win=$(xdotool search --sync --name "Vemko smoke" | head -n 1)
sleep 1
xdotool type --delay 40 "a1b2"
xdotool key Tab
xdotool type --delay 40 "Hello"
xdotool key F5
xdotool key F2
xdotool search --sync --name "Smoke dialog" >/dev/null
sleep 1
xdotool key Escape
sleep 1
# The second line of the grid (menu bar 20, grid top 110, title and rows 16 high), then
# three notches of the wheel down.
xdotool mousemove --window "$win" 150 170 click 1
sleep 0.3
xdotool click 5 click 5 click 5
sleep 0.3
xdotool key Return
wait $pid
status=$?
result=$(cat "$out")
rm -f "$out"
echo "$result"
[ $status -eq 0 ] || exit $status
case "$result" in
  *"edit=12 edit2=Hello f5=1 modal=2 row=5 wheel=3"*) exit 0 ;;
  *) exit 1 ;;
esac
