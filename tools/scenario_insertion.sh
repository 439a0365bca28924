#!/usr/bin/env bash
# Automatic jingle insertion in the real program, on a virtual X display: a list of five
# generated tracks named on the command line plays in the predefined mode with "Jingle auto"
# on every 2 files, drawing from a two-record jingle list. After three insertions the list
# file in the program folder holds the jingles in place. Screenshots go to the capture folder.
#
#   tools/scenario_insertion.sh PROGRAM_FOLDER CAPTURE_FOLDER
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or import).
set -euo pipefail

[[ $# -eq 2 ]] || { sed -n '7p' "$0" | sed 's/^# //' >&2; exit 2; }
source_prog=$1
captures=$2
outils_en_plus=python3
source "$(dirname "$0")/scenario_commun.sh"

# Tracks of 8 s, jingles of 5 s (one buffer of audiotestsrc is 1024 samples at 44.1 kHz).
son() { gst-launch-1.0 -q audiotestsrc num-buffers="$2" ! wavenc ! filesink location="$travail/son/$1.wav" >/dev/null; }
for n in 1 2 3 4 5; do son "piste$n" 345; done
for n in 1 2; do son "jingle$n" 216; done
# A list file of 418-byte records: path, end, genre, volume 100, start 0, duration.
ecrire_liste() {
  local fichier=$1 fin=$2; shift 2
  : >"$fichier"
  for nom in "$@"; do
    printf '%-200s%-100s%-100s' "$travail/son/$nom.wav" "$fin" "divers" >>"$fichier"
    printf '\x64\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$fichier"
    printf '%-8s' "00:00:08" >>"$fichier"
  done
}
liste="$travail/cinq.dfm"
jingles="$travail/jingles.dfm"
ecrire_liste "$liste" "8.00" piste1 piste2 piste3 piste4 piste5
ecrire_liste "$jingles" "5.00" jingle1 jingle2

premier_lancement

# "Jingle auto" on, every 2 files, from the jingle list (as the options dialog stores it).
reglages=$(grep -rl --include='*.ini' 'valide_fichier_aleatoire' "$XDG_CONFIG_HOME" | head -1)
[[ -n $reglages ]] || echec "no settings file after the first start"
python3 - "$reglages" "$jingles" <<'PY'
import re, sys
chemin, jingles = sys.argv[1], sys.argv[2]
texte = open(chemin, encoding="utf-8").read()
for cle, valeur in (("valide_fichier_aleatoire", "true"), ("Nb_fichier_aleatoire", "2"),
                    ("Chemin_fichier_aleatoire", jingles)):
    texte, n = re.subn(r"(?m)^%s=.*$" % cle, "%s=%s" % (cle, valeur.replace("\\", "\\\\")), texte)
    if n != 1:
        sys.exit("setting %s not found" % cle)
open(chemin, "w", encoding="utf-8").write(texte)
PY

# The list named on the command line: the open dialog, then it plays from row 1.
lancer "$liste"
saisir_dans "Ouvrir un fichier liste" "$liste"

# Three insertions: the list file of the program folder grows from 5 to 8 records.
sortie="$travail/prog/liste.dfm"
for _ in $(seq 240); do
  [[ -f $sortie && $(stat -c %s "$sortie") -ge $((8 * 418)) ]] && break
  sleep 0.5
done
# The playlist window brought up below the main window.
for id in $(xdotool search --onlyvisible --name '^Fichier liste|^(piste|jingle)[0-9]$' 2>/dev/null || true); do
  xdotool windowmove "$id" 0 440 windowraise "$id" 2>/dev/null || true
done
sleep 1
import -window root "$captures/insertion_jingles.png"
echo "scenario: screenshot $captures/insertion_jingles.png"
[[ -f $sortie ]] || echec "no list file written"
python3 - "$sortie" <<'PY' || echec "the jingles are not in place"
import sys
donnees = open(sys.argv[1], "rb").read()
noms = [donnees[i:i + 200].decode("utf-8").strip().rsplit("/", 1)[-1] for i in range(0, len(donnees), 418)]
print("scenario: list now", " ".join(noms))
attendu = ["piste1.wav", "piste2.wav", "J", "piste3.wav", "J", "piste4.wav", "J", "piste5.wav"]
ok = len(noms) >= 8 and all((n.startswith("jingle") if a == "J" else n == a) for n, a in zip(noms, attendu))
# A two-record jingle list alternates.
ok = ok and noms[2] != noms[4] and noms[4] != noms[6]
sys.exit(0 if ok else 1)
PY
arreter_programme
echo "scenario: passed"
