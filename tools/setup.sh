#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need (the display tests
# run under Xvfb with openbox as window manager). Only names that every current Debian release
# carries: the fuzz script installs its own compiler runtime.
# Idempotent: apt-get runs only when something is missing. Extra package names given as
# arguments are installed the same way (tools/fuzz.sh uses this).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libfontconfig-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav gstreamer1.0-tools gstreamer1.0-plugins-base-apps
  gstreamer1.0-x gstreamer1.0-alsa gstreamer1.0-pulseaudio
  xvfb xauth xdotool x11-apps imagemagick poppler-utils fonts-dejavu-core qt6-translations-l10n
  openbox
  unrtf
  libglib2.0-bin shared-mime-info
)
[[ $# -gt 0 ]] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
