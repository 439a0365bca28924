#pragma once
// Starting outside programs and opening documents or web addresses. Never through a shell:
// the program and its arguments are passed as they are. Each returns whether it worked, so
// the caller can show its own failure message. Tests replace the launcher with a recorder.
#include <QString>
#include <QStringList>
#include <functional>

namespace lancement {
struct Demande {
    enum Genre { Programme, Document };
    Genre genre = Programme;
    QString cible;          // the program, or the document's path or the web address
    QStringList arguments;  // programs only
    QString dossier;        // working folder of a program ("" = the current folder)
};

// Starts the program detached from this one.
bool demarrer(const QString& programme, const QStringList& arguments = {}, const QString& dossier = {});
// Opens a file in its default application, or a web address ("http://...", "www...",
// "mailto:...") in the browser.
bool ouvrir(const QString& document_ou_adresse);
// Opens a file in its default application and tells whether the desktop's opener found one: an
// opener that ends at once with an error is a failure; one still running after a moment (it
// became the application) is taken as a success.
bool ouvrir_et_verifier(const QString& document);
// The full path of a program found on PATH, or "" when none.
QString trouver_programme(const QString& nom);
// Starts the first of these programs found on PATH that starts; false when none did. The
// names of those found that failed to start are added to `essayes` when given.
bool demarrer_premier(const QStringList& programmes, const QStringList& arguments = {}, const QString& dossier = {},
                      QStringList* essayes = nullptr);

using Interception = std::function<bool(const Demande&)>;
// While set, every launch goes to this function instead (its result is returned to the
// caller); an empty function restores real launches. Returns the one it replaces.
Interception definir_interception(Interception interception);
}  // namespace lancement
