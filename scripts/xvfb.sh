# Sourced by the scripts that need an X server for Wine.
# start_xvfb: starts Xvfb on a display number that no other X server uses
# (Xvfb picks it and says which); sets xvfb (its process) and display (":N").
start_xvfb() {
  local answer
  answer=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$answer" >/dev/null 2>&1 &
  xvfb=$!
  until [ -s "$answer" ] || ! kill -0 "$xvfb" 2>/dev/null; do sleep 0.1; done
  display=":$(head -n 1 "$answer")"
  rm -f "$answer"
}
