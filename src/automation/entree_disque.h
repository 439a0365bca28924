#pragma once
// The file of a list entry on disk, as the sequencer and the chaining check it.
#include <QString>
#include <optional>

namespace entree_disque {
// The full path of the entry's file as it is on disk (matched without regard to case), or ""
// when its folder holds no such file; nothing (no check possible) when the path has no
// separator. A folder that cannot be reached is error 76. Nothing else moves (not the current
// folder, not the file manager); `dossier` receives the folder with its closing "/".
std::optional<QString> chercher(const QString& chemin, QString& dossier);
}  // namespace entree_disque
