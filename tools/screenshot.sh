#!/usr/bin/env bash
# Runs a program on a fresh virtual X display, waits, saves a PNG of the whole screen, then
# stops the program and the display. The environment passes through (SONAVEL_AUDIO_SINK, ...),
# except that Qt is told to use the X display.
#
#   tools/screenshot.sh [-w SECONDS] [-s WIDTHxHEIGHT] OUTPUT.png PROGRAM [ARGUMENTS...]
#
#   -w  seconds to wait before the shot (default 3, decimals allowed)
#   -s  screen size (default 1600x1000)
#
# Exit status: 0 when the shot was saved while the program was still running; 1 when the
# program had already ended (the shot is saved all the same, to show what was left); 2 on
# bad usage or when the display or the capture failed.
set -euo pipefail

usage() {
  sed -n '6,9p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

attente=3
taille=1600x1000
while getopts "w:s:h" opt; do
  case $opt in
    w) attente=$OPTARG ;;
    s) taille=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[[ $# -ge 2 ]] || usage
sortie=$1
shift
[[ $attente =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "screenshot: bad wait '$attente'" >&2; exit 2; }
[[ $taille =~ ^[0-9]+x[0-9]+$ ]] || { echo "screenshot: bad size '$taille'" >&2; exit 2; }
for outil in Xvfb import setsid; do
  command -v "$outil" >/dev/null || { echo "screenshot: $outil not found (make setup installs it)" >&2; exit 2; }
done

travail=$(mktemp -d)
pid_x=""
pid_prog=""

arreter() {
  # Only what this script started: the program's own process group, then the display.
  if [[ -n $pid_prog ]] && kill -0 "$pid_prog" 2>/dev/null; then
    kill -TERM -- "-$pid_prog" 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "$pid_prog" 2>/dev/null || break; sleep 0.1; done
    kill -KILL -- "-$pid_prog" 2>/dev/null || true
  fi
  if [[ -n $pid_prog ]]; then wait "$pid_prog" 2>/dev/null || true; fi
  if [[ -n $pid_x ]]; then
    kill -TERM "$pid_x" 2>/dev/null || true
    wait "$pid_x" 2>/dev/null || true
  fi
  rm -rf "$travail"
}
trap arreter EXIT

# Xvfb picks a free display number itself and writes it to the descriptor it is given.
Xvfb -displayfd 3 -noreset -screen 0 "${taille}x24" -nolisten tcp 3>"$travail/display" \
  >"$travail/xvfb.log" 2>&1 &
pid_x=$!
numero=""
for _ in $(seq 100); do
  numero=$(tr -dc '0-9' <"$travail/display" 2>/dev/null || true)
  [[ -n $numero ]] && break
  kill -0 "$pid_x" 2>/dev/null || break
  sleep 0.1
done
if [[ -z $numero ]]; then
  echo "screenshot: the virtual display did not start" >&2
  cat "$travail/xvfb.log" >&2
  exit 2
fi
export DISPLAY=":$numero"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Own process group, so stopping it also stops what it started.
setsid "$@" &
pid_prog=$!
sleep "$attente"

encore_vivant=1
kill -0 "$pid_prog" 2>/dev/null || encore_vivant=0

mkdir -p "$(dirname "$sortie")"
if ! import -window root "$sortie"; then
  echo "screenshot: capture failed" >&2
  exit 2
fi

if [[ $encore_vivant -eq 0 ]]; then
  statut=0
  wait "$pid_prog" || statut=$?
  pid_prog=""
  echo "screenshot: $1 ended before the shot (status $statut); saved $sortie" >&2
  exit 1
fi
echo "screenshot: saved $sortie (display :$numero)"
