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
echec() { echo "scenario: FAILED: $*" >&2; exit 1; }
source "$(dirname "$0")/scenario_commun.sh"

montrer() {  # the playlist window brought up beside the main window, as a user would
  xdotool windowmove "$1" 0 440 windowraise "$1"
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 1
}
# The first start writes the defaults, says so and ends.
premier_lancement

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
