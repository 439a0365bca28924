#pragma once
// File operations of the file manager and its dialogs, with the platform's error numbers.
// Nothing here replaces an existing file unless the caller says so: the calls refuse to
// overwrite by themselves, so a question answered No (or never asked) cannot lose a file.
#include <QString>
#include <QStringList>

namespace operations {
// A name that can stand alone in a folder: not "", ".", "..", without "/" or NUL.
bool nom_valide(const QString& nom);
// Something is there under that name (a dangling link counts: it would be replaced).
bool existe(const QString& chemin);
// Both paths name one and the same file (same canonical path, or same device and inode).
bool meme_fichier(const QString& a, const QString& b);
// A file without any write permission bit, or a folder without read and search bits, even
// for root (as the tag writer counts a read-only file).
bool lecture_seule(const QString& chemin);
bool dossier_lisible(const QString& chemin);

// Deletes a file (or a link). Errors: 53 missing, 70 read-only or refused, 75 other.
void supprimer_fichier(const QString& chemin);
// Renames a file or a folder; an existing destination is replaced only when remplacer is
// set (58 otherwise). Errors: 53 missing source, 58, 70 refused, 74 other volume, 75 other.
void renommer(const QString& source, const QString& destination, bool remplacer);
// Copies a file through a temporary file beside the destination, which then takes the
// destination's name: a failed copy leaves no half file and the old destination intact.
// The same file on both sides is refused (75). Errors: 53, 58, 61 disk full, 70, 75.
void copier(const QString& source, const QString& destination, bool remplacer);

// Files (hidden ones too) of a folder, for the deletion of a whole folder.
QStringList tous_les_fichiers(const QString& dossier);
}  // namespace operations
