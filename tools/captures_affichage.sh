#!/usr/bin/env bash
# Screenshots of the main window's six display modes in the real program, on a virtual X
# display of 1024 x 768, the smallest screen the windows must fit (with openbox as window
# manager when it is installed, so that minimised windows go and stay-on-top holds). The modes
# are reached by their menu shortcuts.
#
#   tools/captures_affichage.sh [OUTPUT_FOLDER]   (default build/captures_affichage)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:-$racine/build/captures_affichage}
programme=$racine/build/bin/Sonavel_V5
mkdir -p "$sortie"
for outil in Xvfb import xdotool; do
  command -v "$outil" >/dev/null || { echo "captures: $outil not found (make setup installs it)" >&2; exit 2; }
done
travail=$(mktemp -d)
export XDG_CONFIG_HOME=$travail SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink QT_QPA_PLATFORM=xcb
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 3>"$travail/ecran" >/dev/null 2>&1 &
xvfb=$!
pids=()
arreter() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; kill $xvfb 2>/dev/null || true; rm -rf "$travail"; }
trap arreter EXIT
for _ in $(seq 50); do [[ -s $travail/ecran ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$travail/ecran")
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & pids+=($!); sleep 1; fi
timeout 20 "$programme" >/dev/null 2>&1 || true  # the first start writes the defaults and ends
"$programme" >"$travail/journal" 2>&1 &
pids=($! "${pids[@]}")
sleep 4
import -window root "$sortie/0_depart.png"
n=1
for mode in ctrl+f:principale ctrl+t:tout ctrl+l:liste ctrl+p:toujours ctrl+r:barre ctrl+m:mini; do
  touche=${mode%%:*}
  fenetre=$(xdotool search --name "^Sonavel V" | head -1)
  xdotool windowmap "$fenetre" windowactivate --sync "$fenetre" 2>/dev/null || xdotool windowfocus "$fenetre" || true
  sleep 0.5
  xdotool key --clearmodifiers "$touche"
  sleep 1.5
  import -window root "$sortie/${n}_${mode##*:}.png"
  n=$((n + 1))
done
echo "captures in $sortie"
