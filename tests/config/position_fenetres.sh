#!/usr/bin/env bash
# The main window keeps its place from one run to the next under a real window manager: the
# real program on a virtual display with openbox, first at the default place with its title
# bar on the screen, then moved once by hand and restarted five times (each closed by the
# window manager's close and confirmed), and a stored position off the screen brought back
# onto it. Places are the frame's outer corner, as they are stored.
#
#   tests/config/position_fenetres.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, openbox or xdotool).
set -uo pipefail
programme=$1
for outil in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$outil" >/dev/null || { echo "skipped: $outil not found"; exit 77; }
done

travail=$(mktemp -d)
pids=()
finir() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$travail"
}
trap finir EXIT

exec 3>"$travail/affichage"
Xvfb -displayfd 3 -noreset -screen 0 1280x1000x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do [[ -s $travail/affichage ]] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$travail/affichage")
for _ in $(seq 300); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
# The window manager announces itself on the root window once it manages the screen.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
export XDG_CONFIG_HOME=$travail/config SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink
unset QT_QPA_PLATFORM
reglages=$XDG_CONFIG_HOME/Sonavel/reglages.ini

echec() { echo "FAIL: $*"; exit 1; }
# Every wait below is for a state, with a generous limit: a loaded machine can take seconds.
fenetre() {  # the first visible window whose name matches
  for _ in $(seq 600); do
    local w
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [[ -n $w ]] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
touches() {  # keys to a window, through the keyboard as a user types them
  local w=$1
  shift
  xdotool windowactivate --sync "$w" >/dev/null 2>&1
  xdotool key "$@"
}
attendre_fin() {
  for _ in $(seq 600); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill "$1" 2>/dev/null
  return 1
}
coin() {  # the frame's outer corner: the window's less the frame's left and top edges
  local x y g t
  read -r x y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  read -r g _ t _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,/ /g')
  echo "$((x - ${g:-0})) $((y - ${t:-0}))"
}
reglage() { sed -n "s/^$1=//p" "$reglages"; }
# The frame's corner once it is framed, stands where the test function $2 accepts it (given x
# and y) and has stood still for 500 ms, as the program waits for it; the last corner seen
# when the limit passes.
coin_immobile() {
  local w=$1 accepte=$2 ici="" vu="" depuis=0 maintenant
  local fin=$(($(date +%s) + 60))
  while (($(date +%s) < fin)); do
    ici=$(coin "$w")
    maintenant=$(date +%s%3N)
    if [[ $ici != "$vu" ]]; then
      vu=$ici
      depuis=$maintenant
    elif ((maintenant - depuis >= 500)) && xprop -id "$w" _NET_FRAME_EXTENTS | grep -q = && $accepte $ici; then
      break
    fi
    sleep 0.05
  done
  echo "$ici"
}
attendu=""
avant_deplacement=""
a_sa_place() { [[ "$1 $2" == "$attendu" ]]; }
deplacee() { [[ "$1 $2" != "$avant_deplacement" ]]; }
ramenee_a_droite() { (($2 == 200 && $1 >= 0 && $1 < 1280 - 100)); }

# A first start writes the defaults, says so and ends.
"$programme" >/dev/null 2>&1 &
p=$!
b=$(fenetre '^Sonavel_V5$') || echec "no first-start message"
touches "$b" Return
attendre_fin $p || echec "the first start did not end"

# Starts the program, waits for its window to stand where $3 accepts it (by default at $1),
# checks it is at $1 (when given), optionally moves it as a user does, closes it with the
# window manager's close and confirms.
lancer() {
  attendu=$1
  local deplacer=${2:-} accepte=${3:-a_sa_place}
  "$programme" >/dev/null 2>&1 &
  local p=$!
  local w
  w=$(fenetre '^Sonavel V') || echec "no main window"
  local ici
  ici=$(coin_immobile "$w" "$accepte")
  [[ -z $attendu || $ici == "$attendu" ]] || echec "window at $ici, expected $attendu"
  if [[ -n $deplacer ]]; then
    avant_deplacement=$ici
    xdotool windowmove "$w" ${deplacer% *} ${deplacer#* }
    ici=$(coin_immobile "$w" deplacee)
  fi
  echo "$ici" >"$travail/coin"
  touches "$w" alt+F4
  local b
  b=$(fenetre '^Sonavel_V5$') || echec "no closing confirmation"
  touches "$b" shift+Tab space  # "Oui" (the default is "Non")
  attendre_fin $p || echec "the program did not end"
}

# The default place keeps the title bar on the screen.
lancer "6 6" "300 200"
read -r x0 y0 <"$travail/coin"
(( x0 > 200 && y0 > 100 )) || echec "the window was not moved ($x0 $y0)"
for i in 1 2 3 4 5; do
  lancer "$x0 $y0"
  [[ $(reglage Position_haut) == $((y0 * 15)) && $(reglage Position_gauche) == $((x0 * 15)) ]] ||
    echec "run $i saved $(reglage Position_haut) / $(reglage Position_gauche)"
done

# Stored off the screen (above it, then far to the right): back on the screen, at its edge.
sed -i 's/^Position_haut=.*/Position_haut=-3000/' "$reglages"
lancer "$x0 0"
sed -i 's/^Position_gauche=.*/Position_gauche=30000/; s/^Position_haut=.*/Position_haut=3000/' "$reglages"
lancer "" "" ramenee_a_droite
read -r x y <"$travail/coin"
(( y == 200 && x >= 0 && x < 1280 - 100 )) || echec "window off to the right stands at $x $y"
echo "passed: the window stayed at $x0 $y0 over five restarts"
