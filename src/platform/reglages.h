#pragma once
// The per-user settings store shared by both programs: strings addressed by application,
// section and key, in one INI file under the user's config folder
// ($XDG_CONFIG_HOME/Sonavel/reglages.ini, usually ~/.config/Sonavel/reglages.ini).
//
// Names compare without regard to case; the spelling first written is kept. Values are kept
// exactly (spaces, accents, "=", ";", empty text). The file is parsed once and parsed again
// only when it changed on disk (the other program may have written it). Every write replaces
// the whole file safely (temporary file + rename) under a lock file, after taking in what the
// other program wrote since.
//
// File form: "[application/section]" headers and "key=value" lines; in values "\" is written
// "\\", a line feed "\n" and a carriage return "\r". Lines starting with ";" or "#" are
// comments. Everything runs on the GUI thread.
#include <QString>

namespace reglages {
// The stored value, or defaut when the entry is missing (or the file cannot be read).
QString lire(const QString& application, const QString& section, const QString& cle,
             const QString& defaut = QString());
// Stores the value. A failing write is reported by false and otherwise ignored, as the
// callers expect. Names that cannot be stored (empty, a "/" in the application, a "]" or a
// line end in the application or section, an "=" or a line end in the key, a key starting
// with "[", ";" or "#") are refused the same way.
bool ecrire(const QString& application, const QString& section, const QString& cle,
            const QString& valeur);

// The file of the store.
QString chemin_fichier();
// Why the last refused write was refused, as the system's error description.
QString derniere_erreur();
}  // namespace reglages
