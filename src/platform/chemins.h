#pragma once
// Path helpers. "/" is the separator; names taken from stored paths also split at "\"
// (lists made on another system). File names on disk are matched without regard to case.
#include <QString>

namespace chemins {
// The part after the last "/" or "\" (the whole text when there is none).
QString nom_fichier(const QString& chemin);
// The part before the last "/" or "\", without it ("" when there is none; "/" for a file at
// the root).
QString dossier(const QString& chemin);
// The folder and the name with exactly one "/" between them (just the name when the folder
// is empty).
QString joindre(const QString& dossier, const QString& nom);
// The folder with a trailing "/".
QString avec_separateur(const QString& dossier);

// The extension of the name, without its dot, as written ("" when the name has none).
QString extension(const QString& chemin);
// The path without the extension of its name (and without its dot).
QString sans_extension(const QString& chemin);
// Does the name end with "." + ext, in any case?
bool a_extension(const QString& chemin, const QString& ext);

// The name of the file or folder of dossier whose name equals nom without regard to case,
// as it is on disk ("" when there is none). An exact match is preferred.
QString trouver_sans_casse(const QString& dossier, const QString& nom);
// The same among the plain files of dossier only (no folder, no hidden file).
QString trouver_fichier_sans_casse(const QString& dossier, const QString& nom);
// The path as it is on disk, each part matched without regard to case ("" when some part
// does not exist).
QString chemin_sur_disque(const QString& chemin);
}  // namespace chemins
