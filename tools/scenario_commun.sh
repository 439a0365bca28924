# Shared by the scenarios that drive the real program on a virtual X display. Source it with
# source_prog (the program folder) and captures set, and `outils_en_plus` for the tools it
# needs beyond the usual ones; a scenario may define echec first. It skips (77) when
# a tool is missing, works in a temporary folder ($travail) on a copy of the program folder
# ($prog), generates three sound files and a list of them ($liste), starts Xvfb and gives:
#   lancer ARGS...   starts the program (its own process group)
#   fenetre TITLE    the id of the first visible window whose title matches (waits 60 s: a
#                    sanitizer build on a loaded machine can take that long to start)
#   arreter_programme, premier_lancement (the first start writes the defaults and ends)
#   saisir_dans TITLE TEXT, activer WINDOW_ID, ligne_y ROW (set hauteur_ligne first)
for outil in Xvfb xdotool import gst-launch-1.0 setsid ${outils_en_plus:-}; do
  command -v "$outil" >/dev/null || { echo "scenario: $outil not found, skipped"; exit 77; }
done

declare -F echec >/dev/null || echec() { echo "scenario: FAILED: $*" >&2; exit 1; }

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
  local statut=$?
  if [[ $statut -ne 0 && $statut -ne 77 ]]; then
    # What the display showed and what the program said, for a failure seen only elsewhere.
    echo "scenario: windows shown:" >&2
    [[ -n ${DISPLAY:-} ]] && for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      echo "  $(xdotool getwindowname "$w" 2>/dev/null)" >&2
    done
    echo "scenario: the program's output (end):" >&2
    tail -n 40 "$travail/prog.log" 2>/dev/null | sed 's/^/  /' >&2 || true
    if [[ -n $pid_x ]] && ! kill -0 "$pid_x" 2>/dev/null; then echo "scenario: the display has ended" >&2; fi
    echo "scenario: the display's output (end):" >&2
    tail -n 10 "$travail/xvfb.log" 2>/dev/null | sed 's/^/  /' >&2 || true
  fi
  arreter_programme
  if [[ -n $pid_x ]]; then kill -TERM "$pid_x" 2>/dev/null || true; wait "$pid_x" 2>/dev/null || true; fi
  rm -rf "$travail"
}
trap fin EXIT

# A copy of the program folder: the program writes its lists and journal beside itself.
cp -r "$source_prog" "$travail/prog"
prog="$travail/prog/Sonavel_V5"
export XDG_CONFIG_HOME="$travail/config" XDG_DATA_HOME="$travail/data"
export SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink
mkdir -p "$travail/son" "$captures"

# Three short sound files and a list of them, record by record (418 bytes each).
son() { gst-launch-1.0 -q audiotestsrc num-buffers=20 ! wavenc ! filesink location="$1" >/dev/null; }
for nom in matin midi soir; do son "$travail/son/$nom.wav"; done
liste="$travail/trois.dfm"
: >"$liste"
for nom in matin midi soir; do
  printf '%-200s%-100s%-100s' "$travail/son/$nom.wav" "0.00" "divers" >>"$liste"
  printf '\x64\x00\x9a\x99\x99\x99\x99\x99\xb9\x3f' >>"$liste"  # volume 100, start 0.1
  printf '%-8s' "00:00:01" >>"$liste"
done
[[ $(stat -c %s "$liste") -eq $((3 * 418)) ]] || echec "the generated list is not 3 records"

# The display counts as started once it answers; one that does not is replaced. It never resets:
# by default a server resets each time its last client leaves (an xdotool call, the first start's
# end) and closes a connection still half made, so a program starting at that moment is refused
# ("could not connect to display").
numero=""
for _ in 1 2 3; do
  : >"$travail/display"
  Xvfb -displayfd 3 -noreset -screen 0 1600x1000x24 -nolisten tcp 3>"$travail/display" >>"$travail/xvfb.log" 2>&1 &
  pid_x=$!
  numero=""
  for _ in $(seq 100); do
    numero=$(tr -dc '0-9' <"$travail/display" 2>/dev/null || true)
    [[ -n $numero ]] && break
    sleep 0.1
  done
  if [[ -n $numero ]]; then
    for _ in $(seq 100); do
      DISPLAY=":$numero" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
      kill -0 "$pid_x" 2>/dev/null || break
      sleep 0.1
    done
  fi
  kill -TERM "$pid_x" 2>/dev/null || true
  wait "$pid_x" 2>/dev/null || true
  pid_x=""
  numero=""
done
[[ -n $numero ]] || { cat "$travail/xvfb.log" >&2; echec "the virtual display did not start"; }
export DISPLAY=":$numero" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

lancer() { setsid "$prog" "$@" >>"$travail/prog.log" 2>&1 & pid_prog=$!; }
fenetre() {
  local id=""
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# A program alive that shows nothing: its threads' stacks, to the failure output and the
# capture folder.
piles() {
  [[ -n $pid_prog ]] && kill -0 "$pid_prog" 2>/dev/null || { echo "scenario: the program has ended" >&2; return 0; }
  command -v gdb >/dev/null || { echo "scenario: the program runs and shows nothing" >&2; return 0; }
  gdb -q -batch -p "$pid_prog" -ex "thread apply all bt 20" >"$captures/piles_$1.txt" 2>&1 || true
  echo "scenario: the program runs and shows nothing; its stacks: $captures/piles_$1.txt" >&2
  grep -E '^(Thread|#[0-9]+ )' "$captures/piles_$1.txt" | head -60 | sed 's/^/  /' >&2 || true
}
premier_lancement() {
  lancer
  local id
  # The first start of a sanitizer build on a loaded machine can be slow: one more start when
  # the first showed nothing in time, with what it was doing kept.
  if ! id=$(fenetre "Sonavel_V5"); then
    piles premier_lancement
    arreter_programme
    rm -rf "$XDG_CONFIG_HOME"  # a first start cut short is a first start again
    lancer
    id=$(fenetre "Sonavel_V5") || { piles premier_lancement_2; echec "no first-start message"; }
  fi
  # The box is answered until the program ends by itself: a key sent before the box has the
  # focus is lost, and a first start cut short leaves settings that make the next one a first
  # start again.
  local i
  for i in $(seq 300); do
    kill -0 "$pid_prog" 2>/dev/null || break
    if (( i % 30 == 1 )); then
      sleep 0.5
      xdotool windowfocus --sync "$id" 2>/dev/null || true
      xdotool key Return
    fi
    sleep 0.1
  done
  kill -0 "$pid_prog" 2>/dev/null && echec "the first start did not end"
  arreter_programme
}
saisir_dans() {  # types a text into a dialog or input box and accepts it
  local id
  id=$(fenetre "$1") || echec "no window \"$1\""
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  sleep 0.5
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$2"
  xdotool key Return
}
activer() {  # raised and focused (there is no window manager to do it)
  xdotool windowraise "$1" 2>/dev/null || true
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.4
}
# Row n of the playlist (1-based), in the window's coordinates: the list starts 133 pixels
# down, under its header; the scenario sets hauteur_ligne.
ligne_y() { echo $((133 + 20 + ($1 - 1) * hauteur_ligne + hauteur_ligne / 2)); }
