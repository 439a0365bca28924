#!/usr/bin/env bash
# Writes assets/aide_sonavel_V5.rtf, the shipped help file: the viewer's built-in help text,
# formatted, with the viewer's icon. Rerun after changing the text or the icon, and commit both.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j3 --target generer_aide >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/generer_aide assets/Aide_Sonavel.png assets/aide_sonavel_V5.rtf
echo "assets/aide_sonavel_V5.rtf written"
