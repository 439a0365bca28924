#pragma once
// Whole-file access with the platform's run-time error numbers, and the safe rewrite that
// every writer of lists and settings uses: the new content goes to a temporary file in the
// same folder, is flushed to the disk, and only then replaces the old file, so a crash or a
// full disk never leaves half a file.
#include <QByteArray>
#include <QString>
#include <functional>

class QFileDevice;
class QIODevice;

namespace fichiers {
// Larger than any list, help or settings file the program writes: such a file is refused
// before anything is read (a 2 GB file would exhaust memory).
constexpr qint64 TailleMaximale = qint64(256) << 20;

// The whole content of a file. Errors: 52 empty name, 53 missing file, 76 missing folder,
// 75 a folder or a special file (FIFO, device) in place of the file, 70 not readable,
// 7 larger than plafond (described as too large, not as memory). Reads what the file holds.
QByteArray lire_fichier(const QString& chemin, qint64 plafond = TailleMaximale);

// Throws the error lire_fichier gives for a path that exists but is not a regular file or
// is larger than plafond; a missing path passes (the caller's open reports it). Checked
// before opening: opening a FIFO would block the window until a writer comes.
void verifier_fichier_ordinaire(const QString& chemin, qint64 plafond = TailleMaximale);

// Replaces the file with what ecrire writes into the device. Every byte is written and
// synced to the disk before the rename; when ecrire throws or a write fails, the old file
// stays as it was, the temporary file is removed and the error goes on to the caller (an
// Erreur: 76 missing folder, 70 or 75 not writable, 61 disk full, 57 other write failures).
// Temporary files of this file's own name left by an earlier run that was killed are removed.
// Through a symbolic link the link's target is replaced and the link stays. A file the user
// made read-only (no write bit, or not writable for us) is refused with 70, as an open for
// writing would be, unless the user was just asked and agreed to replace it (Remplacer).
enum class Ecrasement { SiInscriptible, Remplacer };
void reecrire_fichier(const QString& chemin, const std::function<void(QIODevice&)>& ecrire,
                      Ecrasement ecrasement = Ecrasement::SiInscriptible);
void reecrire_fichier(const QString& chemin, const QByteArray& contenu,
                      Ecrasement ecrasement = Ecrasement::SiInscriptible);

// Removes, beside chemin (its target when it is a link), the stale temporary files of our own
// hidden name pattern for it ("." + name + ".sonavel~" + 6 letters and digits) that are regular
// files of this user and have not been written to for a minute; nothing else is touched.
void supprimer_provisoires(const QString& chemin);
// The same for the temporary files named dossier/prefixe + 6 random letters and digits.
void supprimer_provisoires(const QString& dossier, const QString& prefixe);

// The description of error 7 for a file over TailleMaximale.
QString description_trop_grand();

// Flushes an open file to the disk (fsync); false when the disk refused.
bool synchroniser(QFileDevice& fichier);

// The error number for a file that could not be opened (reading or writing).
int numero_erreur_ouverture(const QString& chemin, bool ecriture);
// The error number for a failed read or write on an open file.
int numero_erreur_ecriture(const QFileDevice& fichier);
// The error number for a failed system call on a file being written (errno).
int numero_erreur_systeme(int code);
}  // namespace fichiers
