#!/usr/bin/env bash
# The file manager's rename and copy dialogs in the real program, on a virtual X display: the
# playlist window's "Ajouter" menu opens the file manager on the program folder, where two
# generated MP3 files sit; "Renommer le fichier" renames Titre.mp3 to Nouveau.mp3 through the
# rename dialog, then "Copier le fichier" copies it under a new name through the copy dialog.
# The files on disk are checked; screenshots of both dialogs go to the capture folder.
#
#   tools/scenario_fichiers.sh PROGRAM_FOLDER CAPTURE_FOLDER
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool, import or gst-launch-1.0).
set -euo pipefail

[[ $# -eq 2 ]] || { sed -n '8p' "$0" | sed 's/^# //' >&2; exit 2; }
source_prog=$1
captures=$2
echec() { echo "scenario: FAILED: $*" >&2; exit 1; }
source "$(dirname "$0")/scenario_commun.sh"

# Two generated MP3 files in the program folder, and a list of one of them.
for nom in Titre Piste02; do
  gst-launch-1.0 -q audiotestsrc num-buffers=40 ! lamemp3enc ! filesink location="$travail/prog/$nom.mp3" >/dev/null
done
liste="$travail/une.dfm"
printf '%-200s%-100s%-100s' "$travail/prog/Piste02.mp3" "0.00" "divers" >"$liste"
printf '\x64\x00\x9a\x99\x99\x99\x99\x99\xb9\x3f' >>"$liste"
printf '%-8s' "00:00:01" >>"$liste"

valider_message() {  # answers the program's message box with its default button
  local id
  id=$(fenetre "^Sonavel_V5$") || echec "no message box"
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  sleep 0.3
  xdotool key Return
  sleep 0.5
}
# Right click on a row of the file list, then a click on the pop-up item at the given height
# below the pointer.
menu_fichier() {
  xdotool mousemove --window "$gestion" 260 "$1" click 1
  sleep 1
  xdotool mousemove --window "$gestion" 260 "$1" click 3
  sleep 0.8
  xdotool mousemove_relative 87 "$2" click 1
  sleep 1
}
attendre_fichier() { for _ in $(seq 50); do [[ -e $1 ]] && return 0; sleep 0.1; done; return 1; }

# The first start writes the defaults, says so and ends.
premier_lancement

# A list on the command line brings up the playlist window; its "Ajouter" menu opens the
# file manager on the program folder.
lancer "$liste"
id=$(fenetre "Ouvrir un fichier liste") || echec "no open-list dialog"
xdotool windowactivate --sync "$id" 2>/dev/null || true
sleep 0.5
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 5 "$liste"
xdotool key Return
# Where the list starts playing at once, the window takes the name of the file on air.
liste_id=$(fenetre "^Fichier liste : |^Piste02$") || echec "the list did not open"
xdotool windowmove "$liste_id" 0 440 windowraise "$liste_id"
sleep 1
xdotool mousemove --window "$liste_id" 121 24 click 1
sleep 0.8
xdotool mousemove_relative 136 32 click 1
gestion=$(fenetre "^Ajout / ") || echec "the file manager did not open"
xdotool windowmove "$gestion" 800 20 windowraise "$gestion"
sleep 1

# A dialog that opened from the menu: a name typed into its box at (X, Y), a screenshot,
# then a click on its action at (X2, Y2) and the program's message answered.
dialogue() {  # TITLE TOP X Y TEXT SHOT X2 Y2
  local id
  id=$(fenetre "$1") || echec "the dialog \"$1\" did not open"
  xdotool windowmove "$id" 900 "$2" windowraise "$id"
  sleep 0.5
  xdotool mousemove --window "$id" "$3" "$4" click 1
  xdotool key ctrl+a
  xdotool type --delay 5 "$5"
  sleep 0.5
  import -window root "$captures/$6"
  echo "scenario: screenshot $captures/$6"
  xdotool mousemove --window "$id" "$7" "$8" click 1
  valider_message
}

# Rename Titre.mp3 (second row) to "Nouveau": the extension is kept.
menu_fichier 29 56
dialogue "Renommer un fichier" 520 300 188 Nouveau renommer.png 297 226
attendre_fichier "$travail/prog/Nouveau.mp3" || echec "Titre.mp3 was not renamed Nouveau.mp3"
[[ ! -e $travail/prog/Titre.mp3 ]] || echec "Titre.mp3 is still there"

# Copy Nouveau.mp3 (now the first row) under another name in the same folder.
menu_fichier 15 100
dialogue "Copie de fichier" 450 230 350 Copie_de_Nouveau.mp3 copier.png 280 376
attendre_fichier "$travail/prog/Copie_de_Nouveau.mp3" || echec "no copy made"
cmp -s "$travail/prog/Nouveau.mp3" "$travail/prog/Copie_de_Nouveau.mp3" || echec "the copy differs"
arreter_programme
echo "scenario: passed"
