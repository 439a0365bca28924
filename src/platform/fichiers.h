#pragma once
// Whole-file access with the platform's run-time error numbers, and the safe rewrite that
// every writer of lists and settings uses: the new content goes to a temporary file in the
// same folder, which then replaces the old file, so a crash never leaves half a file.
#include <QByteArray>
#include <QString>
#include <functional>

class QFileDevice;
class QIODevice;

namespace fichiers {
// The whole content of a file. Errors: 52 empty name, 53 missing file, 76 missing folder,
// 75 a folder in place of the file, 70 not readable.
QByteArray lire_fichier(const QString& chemin);

// Replaces the file with what ecrire writes into the device. When ecrire throws or a write
// fails, the old file stays as it was and the error goes on to the caller (an Erreur: 76
// missing folder, 70 or 75 not writable, 61 disk full, 57 other write failures).
void reecrire_fichier(const QString& chemin, const std::function<void(QIODevice&)>& ecrire);
void reecrire_fichier(const QString& chemin, const QByteArray& contenu);

// The error number for a file that could not be opened (reading or writing).
int numero_erreur_ouverture(const QString& chemin, bool ecriture);
// The error number for a failed read or write on an open file.
int numero_erreur_ecriture(const QFileDevice& fichier);
}  // namespace fichiers
