# The harness of the scenarios that run the real program on a virtual X display. Sourced by
# a scenario after it has set `source_prog` (the built program folder) and `captures` (the
# screenshot folder), and `outils_en_plus` for the tools it needs beyond the usual ones.
# It gives: $travail (a temporary folder, removed at exit), $prog (a copy of the program, so
# lists and journal are written beside it), the display in $DISPLAY, and the functions below.
# Exit status of a scenario: 0 passed, 1 failed, 77 skipped (a tool missing).

for outil in Xvfb xdotool import gst-launch-1.0 setsid ${outils_en_plus:-}; do
  command -v "$outil" >/dev/null || { echo "scenario: $outil not found, skipped"; exit 77; }
done

travail=$(mktemp -d)
pid_x=""
pid_prog=""
arreter_programme() {
  # Only the program this script started, and what it started itself.
  if [[ -n $pid_prog ]] && kill -0 "$pid_prog" 2>/dev/null; then
    kill -KILL -- "-$pid_prog" 2>/dev/null || true
  fi
  if [[ -n $pid_prog ]]; then wait "$pid_prog" 2>/dev/null || true; fi
  pid_prog=""
}
fin() {
  arreter_programme
  if [[ -n $pid_x ]]; then kill -TERM "$pid_x" 2>/dev/null || true; wait "$pid_x" 2>/dev/null || true; fi
  rm -rf "$travail"
}
trap fin EXIT
echec() { echo "scenario: FAILED: $*" >&2; exit 1; }

cp -r "$source_prog" "$travail/prog"
prog="$travail/prog/Sonavel_V5"
export XDG_CONFIG_HOME="$travail/config" XDG_DATA_HOME="$travail/data"
export SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink
mkdir -p "$travail/son" "$captures"

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$travail/display" >"$travail/xvfb.log" 2>&1 &
pid_x=$!
numero=""
for _ in $(seq 100); do
  numero=$(tr -dc '0-9' <"$travail/display" 2>/dev/null || true)
  [[ -n $numero ]] && break
  sleep 0.1
done
[[ -n $numero ]] || echec "the virtual display did not start"
export DISPLAY=":$numero" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

lancer() { setsid "$prog" "$@" >>"$travail/prog.log" 2>&1 & pid_prog=$!; }
fenetre() {  # the id of the first window whose title matches, waiting up to 20 s
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
saisir_dans() {  # types a file name into a file dialog and accepts it
  local id
  id=$(fenetre "$1") || echec "no window \"$1\""
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  sleep 0.5
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$2"
  xdotool key Return
}
premier_lancement() {  # the first start writes the defaults, says so and ends
  lancer
  local id
  id=$(fenetre "Sonavel_V5") || echec "no first-start message"
  sleep 0.5
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 100); do kill -0 "$pid_prog" 2>/dev/null || break; sleep 0.1; done
  arreter_programme
}
