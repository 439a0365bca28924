#!/usr/bin/env bash
# Runs the tests of one build folder (CTest) and prints their summary, also kept in
# FOLDER/Testing/resume.txt: the programs that failed, those that did not run (skipped whole:
# no display, a missing tool), and the test functions that skipped inside programs that ran
# (those programs count as passed). Its last line reads "FOLDER/: N passed, N failed, N skipped",
# the programs that did not run counted as skipped. `make test` runs it inside tools/affichage.sh.
#   tools/lancer_tests.sh FOLDER [CTEST ARGUMENTS...]
# Exit status: 0 when every test passed or did not run, 1 otherwise.
set -uo pipefail
[[ $# -ge 1 ]] || { echo "usage: tools/lancer_tests.sh FOLDER [CTEST ARGUMENTS...]" >&2; exit 2; }
dossier=${1%/}
shift
cd "$dossier" || exit 1
mkdir -p Testing
sortie=Testing/sortie_ctest.txt
resume=Testing/resume.txt
rm -f "$resume" Testing/Temporary/LastTest.log

ctest --output-on-failure "$@" 2>&1 | tee "$sortie"
statut=${PIPESTATUS[0]}

# One line per test from CTest's progress lines: "  3/98 Test  #12: name ....   Passed  1.2 sec".
# Its own outcome words: Passed; Skipped (SKIP_RETURN_CODE / SKIP_REGULAR_EXPRESSION); the rest fail.
issues=$(sed -n 's/^ *[0-9]*\/[0-9]* *Test *#[0-9]*: \([^ ]*\) [ .]*\(\*\*\*\)\{0,1\}\([A-Za-z]*\).*/\1 \3/p' "$sortie")
# Skips by program, from the full log of every test's output: QtTest's "SKIP   : Class::
# function(row) reason", and the scripts' "skipped: reason".
sauts=$(awk '
  /^[0-9]+\/[0-9]+ Test: / { test = $3 }
  /^SKIP   : / { sub(/^SKIP   : /, ""); print test " " $0 }
  /^skipped: / { sub(/^skipped: /, ""); print test " " $0 }' Testing/Temporary/LastTest.log 2>/dev/null)

{
  echo "== summary ($dossier/)"
  reussis=0 echoues=0 absents=0
  liste_echecs="" liste_absents=""
  while read -r nom issue; do
    [[ -n $nom ]] || continue
    case $issue in
      Passed) reussis=$((reussis + 1)) ;;
      Skipped)
        absents=$((absents + 1))
        raison=$(awk -v t="$nom" '$1 == t { $1 = ""; sub(/^ /, ""); print; exit }' <<<"$sauts")
        liste_absents+="  $nom${raison:+: $raison}"$'\n' ;;
      *)
        echoues=$((echoues + 1))
        liste_echecs+="  $nom ($issue)"$'\n' ;;
    esac
  done <<<"$issues"
  fonctions=""
  while read -r nom ligne; do
    [[ -n $nom ]] || continue
    grep -Fqx "$nom Passed" <<<"$issues" && fonctions+="  $nom: $ligne"$'\n'
  done <<<"$sauts"
  [[ -n $fonctions ]] && printf 'skipped functions (their programs ran and count as passed):\n%s' "$fonctions"
  [[ -n $liste_absents ]] && printf 'did not run:\n%s' "$liste_absents"
  [[ -n $liste_echecs ]] && printf 'failed:\n%s' "$liste_echecs"
  # CTest itself failed (no tests found, a bad argument) without a failed test to show.
  if ((statut != 0 && echoues == 0)); then
    echoues=1
    echo "failed: ctest ended with status $statut"
  fi
  echo "$dossier/: $reussis passed, $echoues failed, $absents skipped"
} | tee "$resume"

grep -q ", 0 failed, " "$resume"
