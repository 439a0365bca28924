// Import of an older list (".rfm", 410-byte records with no start point): its entries are
// appended to the view with the start "0.10", then offered for saving as a ".dfm" list under
// the same name.
#include <QTreeWidgetItem>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_rfm.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// The rows of the old entries, in file order.
QList<QTreeWidgetItem*> lignes_importees(const QByteArray& contenu) {
    QList<QTreeWidgetItem*> lignes;
    for (const TypeEnregRfm& ancien : enreg_rfm::decoder_tout(contenu)) {
        TypeEnregListe e;
        e.chemin = ancien.chemin;
        e.fin_lecture = ancien.fin_lecture;
        e.genre = ancien.genre;
        e.volume = ancien.volume;  // stored percent, taken as it is
        e.duree_piste = ancien.duree_piste;
        QStringList cellules = fichier_liste::cellules(e);
        cellules[1] = QStringLiteral("0.10");  // old lists have no start point
        lignes.append(new QTreeWidgetItem(cellules));
    }
    return lignes;
}

// The same name with ".dfm" in place of its last four characters.
QString nom_dfm(const QString& nom) { return nom.left(qMax(0, int(nom.size()) - 4)) + QStringLiteral(".dfm"); }
}  // namespace

void Liste_son::Convertion_Click() {}

void Liste_son::A_Copen_rfm_Click() {
    const bool ligne_de_commande = extension_fichier == QLatin1String("rfm");
    QString nom;
    if (ligne_de_commande) {
        nom = fichier_ligne_commande;
        Radio_FM::instance().hide();
    } else {
        try {
            CommonDialog1.DialogTitle = QStringLiteral("Ouvrir un fichier liste");
            CommonDialog1.InitDir = Chemin_programme.isEmpty() ? programme::dossier() : Chemin_programme;
            CommonDialog1.FileName = QStringLiteral("*.rfm");
            CommonDialog1.Filter = QStringLiteral("fichier (*.rfm)|*.rfm");
            CommonDialog1.CancelError = true;
            CommonDialog1.ShowOpen();
            nom = CommonDialog1.FileName;
        } catch (const Erreur&) {
            return;  // no file chosen: nothing changes
        }
    }

    // The whole file is read, by its full path and read-only, before anything takes its name:
    // a file that cannot be read adds no row and creates nothing.
    QByteArray contenu;
    try {
        contenu = fichiers::lire_fichier(nom);
    } catch (const Erreur& e) {
        erreur_enregistrement = Faux;
        unsetCursor();
        if (ligne_de_commande) {
            // The command line's file has been dealt with: the next import asks for a file.
            extension_fichier.clear();
            Radio_FM::instance().show();
            MsgBox(e.description() + QStringLiteral("\r") + nom, boites::Critique);
        }
        return;
    }

    if (!prendre_nom_liste(nom)) return;
    ListView1.addTopLevelItems(lignes_importees(contenu));
    annoncer_liste();
    chemin_liste_ouverte = nom_dfm(chemin_liste_ouverte);
    Label8_Click();
    if (erreur_enregistrement != Vrai) prechar_Click();
    a_mettre_Enabled();
    unsetCursor();
    extension_fichier.clear();
}

void Liste_son::A_Convertir_dfm_Click() {
    // Nothing imported or opened yet.
    if (chemin_liste_ouverte.size() < 4) return;
    chemin_liste_ouverte = nom_dfm(chemin_liste_ouverte);
    Label8_Click();
}
