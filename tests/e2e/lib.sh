# End-to-end helpers: start tavrino.exe as a user would, under Wine on the
# virtual desktop, and look at it from the X side. Sourced by test.sh after
# common.sh.

E2E_SHOTS="$BUILD/screenshots"
PROGRAM_PID=
MAIN_WINDOW=

start_program() {
  run_wine "$BUILD/win64/tavrino.exe" &
  PROGRAM_PID=$!
  MAIN_WINDOW=
  for _ in $(seq 100); do
    MAIN_WINDOW=$(xdotool search --name '^Tavrino' 2>/dev/null | head -n 1) || true
    [ -n "$MAIN_WINDOW" ] && break
    sleep 0.1
  done
  [ -n "$MAIN_WINDOW" ] || fail "the main window did not appear"
  sleep 0.5
}

# Runs one story and ends whatever it left running.
run_story() {
  local status=0
  "$1" || status=1
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
    status=1
  fi
  PROGRAM_PID=
  return $status
}

# Waits for the program to end and checks its exit code.
expect_exit_code() {
  local expected=$1 code
  for _ in $(seq 100); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID"
    fail "the program did not end"
    return 1
  fi
  code=0
  wait "$PROGRAM_PID" || code=$?
  [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
}

# Absolute geometry "x y width height" of an X window.
geometry_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                           /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# "r g b" of one pixel of a screenshot.
pixel_of() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

screenshot() {
  mkdir -p "$E2E_SHOTS"
  import -window root "$E2E_SHOTS/$1.png"
  echo "$E2E_SHOTS/$1.png"
}
