#!/usr/bin/env bash
# Runs a command on a private virtual X display (Xvfb, 1024x768) with a window manager
# (openbox), then stops both. Used by `make test` so the tests that need a real display run
# on a machine without one (CI runs as root, headless).
#   tools/affichage.sh COMMAND [ARGUMENTS...]
# Exit status: the command's, or 2 when the display could not be started.
set -euo pipefail
[[ $# -ge 1 ]] || { echo "usage: tools/affichage.sh COMMAND [ARGUMENTS...]" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "affichage: Xvfb not found (tools/setup.sh installs it)" >&2; exit 2; }

travail=$(mktemp -d)
pid_x=""
pid_wm=""
arreter() {
  # Only what this script started.
  [[ -n $pid_wm ]] && kill "$pid_wm" 2>/dev/null || true
  [[ -n $pid_x ]] && kill "$pid_x" 2>/dev/null || true
  [[ -n $pid_wm ]] && wait "$pid_wm" 2>/dev/null || true
  [[ -n $pid_x ]] && wait "$pid_x" 2>/dev/null || true
  rm -rf "$travail"
}
trap arreter EXIT

# Xvfb picks a free display number and writes it to the pipe.
mkfifo "$travail/numero"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$travail/numero" 2>"$travail/xvfb.log" &
pid_x=$!
numero=""
# A loaded machine can take a while: the limits are generous.
read -r -t 60 numero <"$travail/numero" || true
if [[ -z $numero ]]; then
  echo "affichage: Xvfb did not start" >&2
  cat "$travail/xvfb.log" >&2
  exit 2
fi
export DISPLAY=":$numero"
# No session bus here: with no address, Qt's accessibility bridge asks libdbus for one, which
# forks a launcher from a thread; under the sanitizers that child can hang the program's start.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
unset WAYLAND_DISPLAY
if command -v openbox >/dev/null; then
  openbox --sm-disable >"$travail/wm.log" 2>&1 &
  pid_wm=$!
  # The window manager announces itself on the root window once it manages the screen: the
  # tests start then, not while windows would still be shown unframed.
  if command -v xprop >/dev/null; then
    for _ in $(seq 600); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      kill -0 "$pid_wm" 2>/dev/null || break
      sleep 0.1
    done
  fi
fi
echo "affichage: running on $DISPLAY${pid_wm:+ with openbox}"
set +e
"$@"
statut=$?
set -e
exit "$statut"
