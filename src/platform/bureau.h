#pragma once
// The desktop's own files for opening a file type with a program (freedesktop): a desktop
// entry for the program, a shared-mime-info package for a type the desktop does not know,
// the user's default-application list and the type's icon. Everything goes into the user's
// data and configuration folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME); nothing machine-wide.
#include <QString>
#include <QStringList>

namespace bureau {
struct Association {
    QString extension;  // with its leading point: ".mp3", ".dfm"
    QString classe;     // the type's description
    QString programme;  // full path of the program, started with the file as one argument
    QString nom;        // the program's name: names its desktop entry
    QString icone;      // picture file for the type ("" = none)
    QString icone_programme;  // the program's own picture for its desktop entry
    QString type_liste;       // MIME type of the program's own list files (for ".dfm")
};

// The MIME type of an extension: the program's list type for ".dfm", the desktop's type
// when it knows the extension, else a type of the program's own ("application/x-<nom>-ext").
QString type_mime(const Association& a);
// Whether the type is one of the program's own (it then needs its own package).
bool type_propre(const Association& a, const QString& type);

// The files the association will write.
QString chemin_entree(const Association& a);     // .../applications/<nom>.desktop
QString chemin_paquet(const Association& a);     // .../mime/packages/<nom>-<ext>.xml
QString chemin_icone(const Association& a);      // .../icons/hicolor/128x128/mimetypes/...png
QString chemin_applications_defaut();            // $XDG_CONFIG_HOME/mimeapps.list

// The existing files among those to be written that another program made (the caller asks
// before replacing them).
QStringList fichiers_etrangers(const Association& a);

// Writes the association: desktop entry (the types already associated are kept), package,
// icon and defaults, then has the desktop's tools refresh their caches when they exist.
// Failures raise an Erreur (53 icon missing, 321 icon not a picture, the write errors of
// fichiers::reecrire_fichier); what was written before stays.
void associer(const Association& a);

// One argument of a desktop entry's Exec key, quoted and escaped as that key wants.
QString argument_exec(const QString& argument);
// A key file's text (mimeapps.list) with key=valeur set in its [section], the rest unchanged.
QString poser_cle(const QString& texte, const QString& section, const QString& cle, const QString& valeur);
// The value of key in [section] of a key file's text ("" when missing).
QString lire_cle(const QString& texte, const QString& section, const QString& cle);
}  // namespace bureau
