#!/usr/bin/env bash
# The playlist window in the real program, on a virtual X display: a list of three generated
# sound files named on the command line opens in the playlist window, is saved under a new
# name with the window's "e" key, and after a restart the saved list opens again from the
# program folder. Screenshots go to the capture folder.
#
#   tools/scenario_liste.sh PROGRAM_FOLDER CAPTURE_FOLDER
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or import).
set -euo pipefail

[[ $# -eq 2 ]] || { sed -n '7p' "$0" | sed 's/^# //' >&2; exit 2; }
source_prog=$1
captures=$2
for outil in Xvfb xdotool import gst-launch-1.0 setsid; do
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

# A copy of the program folder: the program writes its lists and journal beside itself.
cp -r "$source_prog" "$travail/prog"
prog="$travail/prog/Sonavel_V5"
export XDG_CONFIG_HOME="$travail/config" XDG_DATA_HOME="$travail/data"
export SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink
mkdir -p "$travail/son" "$captures"

# Three short sound files and a list of them, record by record (418 bytes each).
for nom in matin midi soir; do
  gst-launch-1.0 -q audiotestsrc num-buffers=20 ! wavenc ! filesink location="$travail/son/$nom.wav" >/dev/null
done
liste="$travail/trois.dfm"
: >"$liste"
for nom in matin midi soir; do
  printf '%-200s%-100s%-100s' "$travail/son/$nom.wav" "0.00" "divers" >>"$liste"
  printf '\x64\x00\x9a\x99\x99\x99\x99\x99\xb9\x3f' >>"$liste"  # volume 100, start 0.1
  printf '%-8s' "00:00:01" >>"$liste"
done
[[ $(stat -c %s "$liste") -eq $((3 * 418)) ]] || echec "the generated list is not 3 records"

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
montrer() {  # the playlist window brought up beside the main window, as a user would
  xdotool windowmove "$1" 0 440 windowraise "$1"
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 1
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

# The first start writes the defaults, says so and ends.
lancer
id=$(fenetre "Sonavel_V5") || echec "no first-start message"
sleep 0.5
xdotool windowactivate --sync "$id" 2>/dev/null || true
xdotool key Return
for _ in $(seq 100); do kill -0 "$pid_prog" 2>/dev/null || break; sleep 0.1; done
arreter_programme

# A list on the command line: the playlist window asks which list to open.
lancer "$liste"
saisir_dans "Ouvrir un fichier liste" "$liste"
# The list then plays from its first row, and the window takes the name of the file on air.
id=$(fenetre "^Fichier liste : |^matin$") || echec "the list did not open"
montrer "$id"
import -window root "$captures/liste_ouverte.png"
echo "scenario: screenshot $captures/liste_ouverte.png"

# "e" in the playlist window: save under a new name in the program folder.
xdotool mousemove --window "$id" 100 200 click 1
sleep 0.3
xdotool key e
saisir_dans "Enregistrer sous" "$travail/prog/ma_selection.dfm"
for _ in $(seq 50); do [[ -f $travail/prog/ma_selection.dfm ]] && break; sleep 0.1; done
cmp -s "$liste" "$travail/prog/ma_selection.dfm" || echec "the saved list differs from the opened one"
fenetre "Fichier liste : ma_selection.dfm" >/dev/null || echec "the window does not name the saved list"
arreter_programme

# After a restart the saved list is in the program folder, where the open dialog starts.
lancer "$liste"
saisir_dans "Ouvrir un fichier liste" "ma_selection.dfm"
id=$(fenetre "^Fichier liste : .*ma_selection.dfm|^matin$") || echec "the saved list did not open again"
montrer "$id"
import -window root "$captures/liste_rouverte.png"
echo "scenario: screenshot $captures/liste_rouverte.png"
arreter_programme
echo "scenario: passed"
