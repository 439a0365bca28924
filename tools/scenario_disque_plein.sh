#!/usr/bin/env bash
# A full disk in the real program, on a virtual X display: the program folder lies on a small
# filesystem of its own; a list of three generated files opens, one row is deleted (the list
# is saved), the disk is filled, a second row is deleted: the save is refused with a message,
# the list file on disk stays whole with no temporary file beside it, and once room is made
# the window's rows (both deletions) are saved under a new name. Screenshots go to the
# capture folder.
#
#   tools/scenario_disque_plein.sh PROGRAM_FOLDER CAPTURE_FOLDER
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or import, or no mount).
set -euo pipefail

[[ $# -eq 2 ]] || { sed -n '9p' "$0" | sed 's/^# //' >&2; exit 2; }
source_prog=$1
captures=$2
capture() { import -window root "$captures/disque_plein_$1.png"; echo "scenario: screenshot $captures/disque_plein_$1.png"; }
echec() { capture echec || true; echo "scenario: FAILED: $*" >&2; exit 1; }
outils_en_plus="mount umount"
source "$(dirname "$0")/scenario_commun.sh"
[[ $(id -u) -eq 0 ]] || { echo "scenario: a small filesystem needs root to mount, skipped"; exit 77; }

premier_lancement

# The program folder moves onto a filesystem just larger than itself.
petit="$travail/petit"
mkdir -p "$petit"
taille=$(( $(du -sb "$travail/prog" | cut -f1) + 2 * 1024 * 1024 ))
mount -t tmpfs -o "size=$taille" tmpfs "$petit" || { echo "scenario: tmpfs cannot be mounted, skipped"; exit 77; }
trap 'arreter_programme; umount -l "$petit" 2>/dev/null || true; fin' EXIT
cp -r "$travail/prog/." "$petit/"
prog="$petit/Sonavel_V5"

hauteur_ligne=14
boites() { xdotool search --onlyvisible --name "^Sonavel_V5$" 2>/dev/null | sort || true; }

lancer "$liste"
saisir_dans "Ouvrir un fichier liste" "$liste"
id=$(fenetre "^Fichier liste : |^matin$") || echec "the list did not open"
xdotool windowmove "$id" 0 0 windowsize "$id" 1200 480
activer "$id"
# Stop the play the command line started, then delete row 1 with the space bar: saved.
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3
xdotool key s
sleep 0.5
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3
xdotool key space
for _ in $(seq 50); do [[ $(stat -c %s "$petit/liste.dfm" 2>/dev/null || echo 0) -eq $((2 * 418)) ]] && break; sleep 0.1; done
[[ $(stat -c %s "$petit/liste.dfm") -eq $((2 * 418)) ]] || echec "the first deletion was not saved"
cp "$petit/liste.dfm" "$travail/avant.dfm"

# The disk filled to the last byte, then a second deletion.
cat /dev/zero >"$petit/remplissage" 2>/dev/null || true
avant=$(boites)
activer "$id"
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3
xdotool key space
boite=""
for _ in $(seq 100); do
  boite=$(comm -13 <(echo "$avant") <(boites) | head -1)
  [[ -n $boite ]] && break
  sleep 0.1
done
[[ -n $boite ]] || echec "no message after the refused save"
capture message
cmp -s "$petit/liste.dfm" "$travail/avant.dfm" || echec "the list file changed on a full disk"
ls -a "$petit" | grep -q '^liste\.dfm\.' && echec "a temporary file was left beside the list"
kill -0 "$pid_prog" 2>/dev/null || echec "the program ended"
xdotool windowactivate --sync "$boite" 2>/dev/null || xdotool windowfocus --sync "$boite" 2>/dev/null || true
xdotool key Return
sleep 0.5
# Closing the message may bring more of them (the journal cannot be written either).
for _ in 1 2 3; do
  b=$(comm -13 <(echo "$avant") <(boites) | head -1)
  [[ -z $b ]] && break
  xdotool windowactivate --sync "$b" 2>/dev/null || true
  xdotool key Return
  sleep 0.5
done

# Room made: the rows on screen (one left of three) are saved under a new name.
rm -f "$petit/remplissage"
activer "$id"
xdotool mousemove --window "$id" 200 "$(ligne_y 1)" click 1
sleep 0.3
xdotool key e
saisir_dans "Enregistrer sous" "$petit/gardee.dfm"
for _ in $(seq 50); do [[ -f $petit/gardee.dfm ]] && break; sleep 0.1; done
[[ $(stat -c %s "$petit/gardee.dfm" 2>/dev/null || echo 0) -eq 418 ]] || echec "the window did not keep its rows"
capture gardee
arreter_programme
echo "scenario: passed"
