#pragma once
// Profile (ini) files: one key written at a time, the rest of the file kept.
#include <QString>

namespace Module2 {
// Writes key = valeur in [section] of the file (created when missing); sections and keys
// compare without regard to case. Returns the report "Ok - Ecriture de la ..." or, after the
// critical message "erreur lors de l'écriture", an empty text.
QString ecrire_ini(const QString& fichier, const QString& section, const QString& cle, const QString& valeur);
}  // namespace Module2
