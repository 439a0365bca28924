// The path check before a deck loads a file from the entry in hand: the full path of the file
// as it is on disk, or "" when it is missing. The file manager is pointed at its folder.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/listes_fichiers.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"

namespace {
// Points the hidden file manager at the folder. Its lists are filled again only when the
// folder, or what it holds, changed since the last time: listing a large music folder before
// every load would slow each load down with the folder's size.
void pointer_gestionnaire(const QString& dossier) {
    static QString dernier;
    static QDateTime modifie;
    ajout_fichier& gestionnaire = ajout_fichier::instance();
    const QDateTime m = QFileInfo(dossier).lastModified();
    const QString chemin = QDir::cleanPath(QFileInfo(dossier).absoluteFilePath());
    if (dossier == dernier && m == modifie && gestionnaire.Dir1.Path() == chemin && gestionnaire.File1.Path() == chemin)
        return;
    const QString avant = gestionnaire.Dir1.Path();
    gestionnaire.Dir1.setPath(dossier);
    // A new folder already reached the file list through the folder list's change; the same
    // folder, changed on disk, is read again here.
    if (gestionnaire.Dir1.Path() == avant || gestionnaire.File1.Path() != gestionnaire.Dir1.Path())
        gestionnaire.File1.setPath(gestionnaire.Dir1.Path());
    dernier = dossier;
    modifie = m;
}
}  // namespace

void Radio_FM::recup_path(int n) {
    using namespace Radio;
    QString& chemin = deck(n).chemin;
    try {
        // A network file is taken as Text2 holds it, unchecked.
        if (enreg_destinataire.genre == QStringLiteral("réseau")) {
            chemin = Text2.Text();
            return;
        }
        // Checked as the load took it, without the spaces around it.
        Text2.setText(rt::Trim(enreg_destinataire.chemin));
        const QString t = Text2.Text();
        // There are no drives to make current here.
        const int p = rt::InStrRev(t, QStringLiteral("/"));
        chemin = rt::Mid(t, p + 1);
        if (p == 0) return;  // a bare name: no check

        QString dossier = rt::Left(t, p - 1);
        if (dossier.isEmpty()) dossier = QStringLiteral("/");
        Text2.setText(dossier);
        Text2.setSelStart(0);
        dossier = chemins::avec_separateur(dossier);
        if (!QDir::setCurrent(dossier)) throw Erreur(err::CheminIntrouvable);
        pointer_gestionnaire(dossier);

        // The entry's spelling may differ in case from the name on disk, which is the one that
        // opens; the folder is listed only when the exact name is not there.
        const QString nom = QFileInfo(dossier + chemin).isFile() ? chemin
                                                                  : listes_fichiers::fichier_sans_casse(dossier, chemin);
        if (!nom.isEmpty()) {
            chemin = dossier + nom;
            return;
        }
        MsgBox(chemin + QStringLiteral(" n'existe pas ou plus"), boites::Critique);
        chemin.clear();
    } catch (const Erreur&) {
        err_form& f = err_form::instance();
        f.Label1.setCaption(QStringLiteral("Erreur !\n\r\n\r") + chemin + QStringLiteral("\rNON TROUVE !"));
        f.Show();
        chemin.clear();
    }
}

void Radio_FM::recup_path1() { recup_path(1); }
void Radio_FM::recup_path2() { recup_path(2); }
void Radio_FM::recup_path3() { recup_path(3); }
