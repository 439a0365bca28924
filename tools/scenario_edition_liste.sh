#!/usr/bin/env bash
# List editing in the real program, on a virtual X display: a list of three generated sound
# files opens in the playlist window; two more generated files are added through the "Ajouter"
# pop-up and the file manager, a row is dragged up, a start point is set for the whole list
# from the list's pop-up, and the working list is opened again. The file on disk must hold
# the rows in the edited order with the new start point. Screenshots go to the capture folder.
#
#   tools/scenario_edition_liste.sh PROGRAM_FOLDER CAPTURE_FOLDER
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool, import or python3).
set -euo pipefail

[[ $# -eq 2 ]] || { sed -n '8p' "$0" | sed 's/^# //' >&2; exit 2; }
source_prog=$1
captures=$2
capture() { import -window root "$captures/edition_$1.png"; echo "scenario: screenshot $captures/edition_$1.png"; }
echec() { capture echec || true; echo "scenario: FAILED: $*" >&2; exit 1; }
outils_en_plus=python3
source "$(dirname "$0")/scenario_commun.sh"
mkdir -p "$travail/ajouts"
# The file manager lists "*.mp3" at first: the files to add are MP3.
for nom in a_un b_deux; do
  gst-launch-1.0 -q audiotestsrc num-buffers=40 ! lamemp3enc ! filesink location="$travail/ajouts/$nom.mp3" >/dev/null
done


# The first start writes the defaults, says so and ends. The music folder is then the folder
# of the two files to add.
premier_lancement
reglages="$XDG_CONFIG_HOME/Sonavel/reglages.ini"
grep -q '^Chemin_dernier_fichier=' "$reglages" || echec "no music folder in the settings"
sed -i "s|^Chemin_dernier_fichier=.*|Chemin_dernier_fichier=$travail/ajouts|" "$reglages"

lancer "$liste"
saisir_dans "Ouvrir un fichier liste" "$liste"
# The list then plays from its first row, and the window takes the name of the file on air.
id=$(fenetre "^Fichier liste : |^matin$") || echec "the list did not open"
xdotool windowmove "$id" 0 0 windowsize "$id" 1200 480
activer "$id"
hauteur_ligne=14
# Stop the list play the command line started, then click row 1: the file manager adds after
# it, each file after the one added before.
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3
xdotool key s
sleep 0.5
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3

ajouter() {  # "a": the "Ajouter" pop-up; its second item opens the file manager; the file at
  local y=$1  # height y of its file list is clicked (which measures it) and added
  activer "$id"
  xdotool mousemove --window "$id" 200 "$(ligne_y 1)"
  xdotool key a
  sleep 0.6
  xdotool key Down Down Return
  local gestion
  gestion=$(fenetre "^Ajout / ") || echec "the file manager did not open"
  xdotool windowmove "$gestion" 0 500
  activer "$gestion"
  xdotool mousemove --window "$gestion" 300 "$y" click 1
  sleep 1
  capture "gestionnaire_$y"
  # Its action button "Ajouter un fichier", under the folders.
  xdotool mousemove --window "$gestion" 73 428 click 1
  sleep 0.8
}
ajouter 15
ajouter 29
activer "$id"
capture ajouts

# Row 4 ("midi") dragged up onto row 1.
xdotool mousemove --window "$id" 200 "$(ligne_y 4)" mousedown 1
for pas in 4 3 2 1; do
  for _ in 1 2 3 4; do
    y=$(( $(ligne_y "$pas") - 2 ))
    xdotool mousemove --window "$id" 205 "$y"
    sleep 0.05
  done
done
xdotool mousemove --window "$id" 200 "$(ligne_y 1)"
sleep 0.3
xdotool mouseup 1
sleep 0.8
capture glisse

# The list's pop-up opens under the pointer; its items are picked by their place (the mode
# disables some, so counting keys would depend on it): "Modifier le debut piste" is 146 pixels
# below the pointer, its submenu's first item sets the start point of the whole list.
menu_liste() {  # right click on row 2, then the pointer onto the item dy pixels lower
  local y
  y=$(ligne_y 2)
  xdotool mousemove --window "$id" 200 "$y" click 3
  sleep 0.6
  xdotool mousemove --window "$id" 250 $((y + $1))
  sleep 0.5
}
activer "$id"
menu_liste 146
capture menu
xdotool mousemove --window "$id" 750 $(( $(ligne_y 2) + 146 ))
sleep 0.4
xdotool click 1
saisir_dans "Lecture a :" "12"
sleep 0.5
sleep 0.5
capture debut

# The properties of row 2 from the same pop-up ("Propriété du fichier sélectionné", 236
# pixels below), shown and closed with Esc.
activer "$id"
xdotool mousemove --window "$id" 200 "$(ligne_y 2)" click 1
sleep 0.3
menu_liste 236
xdotool click 1
prop=$(fenetre "Propriété") || echec "the properties dialog did not open"
xdotool windowmove "$prop" 700 500
activer "$prop"
capture proprietes
xdotool key Escape
sleep 0.5

# The view emptied ("v"), the working list opened again ("c"), then the file on disk checked.
activer "$id"
xdotool key v
sleep 0.3
xdotool key c
saisir_dans "Ouvrir un fichier liste" "$travail/prog/liste.dfm"
sleep 1
capture rouverte
arreter_programme
python3 - "$travail/prog/liste.dfm" "$travail" <<'EOF' || echec "the list on disk does not hold the edits"
import struct, sys
octets = open(sys.argv[1], 'rb').read()
dossier = sys.argv[2]
assert len(octets) % 418 == 0, len(octets)
lignes = []
for i in range(0, len(octets), 418):
    r = octets[i:i + 418]
    chemin = r[0:200].decode('utf-8').strip()
    debut = struct.unpack('<d', r[402:410])[0]
    lignes.append((chemin.replace(dossier, ''), debut))
print('scenario: list on disk', lignes)
attendu = ['/son/midi.wav', '/son/matin.wav', '/ajouts/a_un.mp3', '/ajouts/b_deux.mp3', '/son/soir.wav']
assert [c for c, _ in lignes] == attendu, [c for c, _ in lignes]
assert all(d == 12.0 for _, d in lignes), lignes
EOF
echo "scenario: passed"
