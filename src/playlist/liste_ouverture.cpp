// Opening, saving under a name, forgetting and deleting lists, and the option that refuses
// edits while a list is kept as it is.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "playlist/sablier.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
const QString CR = QStringLiteral("\r");
const QString Paragraphe = QStringLiteral("\n\r\n\r");

// The folder the list dialogs start in.
QString dossier_listes() { return Chemin_programme.isEmpty() ? programme::dossier() : Chemin_programme; }
}  // namespace

bool Liste_son::prendre_nom_liste(const QString& nom) {
    nom_fichier_liste = nom;
    fichier_impression = nom;
    chemin_liste = nom;
    chemin_liste_ouverte = nom;
    Text2.setText(nom);
    recup_nom();
    if (nom_fichier_liste.isEmpty()) {
        nom_fichier_liste = chemin_liste;
        return false;
    }
    return true;
}

void Liste_son::annoncer_liste() {
    Supprimer_fichier.setCaption(QStringLiteral("Supprimer le fichier ") + chemin_liste);
    Label1.setCaption(QStringLiteral("Lecture en attente .. Nb : ") + QString::number(ListView1.ListCount()));
    setCaption(QStringLiteral("Fichier liste : ") + chemin_liste);
}

// The list read from `nom` becomes the one in hand and its rows follow the view's; a view
// that had rows is then rewritten as the default list. False when the name has no file name.
bool Liste_son::prendre_liste(const QString& nom, const QByteArray& contenu, bool avait_des_lignes) {
    if (!prendre_nom_liste(nom)) return false;
    fichier_liste::ajouter_lignes(ListView1, contenu);
    // Alone in the view, the rows are the file's: no unsaved rows are left to protect. Added
    // to rows already there, the save below decides.
    if (!avait_des_lignes) sauvegarde_en_echec = false;
    annoncer_liste();
    if (avait_des_lignes) sauve_tout();
    a_mettre_Enabled();
    extension_fichier.clear();
    return true;
}

void Liste_son::A_liste_Click() {
    const bool avait_des_lignes = ListView1.ListCount() > 0;
    try {
        CommonDialog1.DialogTitle = QStringLiteral("Ouvrir un fichier liste");
        CommonDialog1.InitDir = dossier_listes();
        CommonDialog1.FileName = QStringLiteral("*.dfm");
        CommonDialog1.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
        CommonDialog1.CancelError = true;
        CommonDialog1.ShowOpen();  // a cancel raises 32755: nothing has changed yet
        const QString choisi = CommonDialog1.FileName;
        // The file is read before anything takes its name: a file that cannot be read changes
        // nothing either.
        const QByteArray contenu = fichier_liste::lire(choisi);
        prendre_liste(choisi, contenu, avait_des_lignes);
    } catch (const Erreur&) {
    }
    unsetCursor();
}

void Liste_son::A_Charge_Click() { A_liste_Click(); }

void Liste_son::A_liste_anciene_Click() {
    Sablier sablier(*this);
    const bool avait_des_lignes = ListView1.ListCount() > 0;
    try {
        programme::aller_au_dossier();
        const QString nom = fichier_liste::chemin_complet(QString::fromLatin1(fichier_liste::NomDefaut));
        if (prendre_liste(nom, fichier_liste::lire(nom), avait_des_lignes) && ListView1.ListCount() > 0)
            ligne_insertion = ListView1.Index(ListView1.SelectedItem()) + 1;
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void Liste_son::A_enreg_sous_Click() { Label8_Click(); }

void Liste_son::Label8_Click() {
    if (ListView1.ListCount() == 0) {
        MsgBox(QStringLiteral("Rien a sauvegarder !"), boites::Exclamation);
        return;
    }
    try {
        programme::aller_au_dossier();
        CommonDialog1.InitDir = dossier_listes();
        CommonDialog1.DialogTitle = QStringLiteral("Enregistrer sous");
        CommonDialog1.FileName = chemin_liste_ouverte;
        CommonDialog1.Filter = QStringLiteral("fichier liste (*.dfm)|*.dfm");
        CommonDialog1.CancelError = true;
        CommonDialog1.ShowSave();  // a cancel saves nothing
        detecte_extention();
        if (extension_fichier != QLatin1String("dfm")) return;
        // Names keep their case: on this system two spellings are two files.
        QString chemin = CommonDialog1.FileName;
        const QString nom = chemins::nom_fichier(chemin);
        const QString existant = chemins::trouver_fichier_sans_casse(chemins::dossier(chemin), nom);
        if (!existant.isEmpty()) {
            const QString question = QStringLiteral("Attention le fichier : ") + nom + QStringLiteral(" existe ") +
                                     CR + QStringLiteral("il va ètre écrasé !") + Paragraphe +
                                     QStringLiteral("Continuer ?");
            if (MsgBox(question, 276, programme::nom()) != boites::Oui) return;
            chemin = chemins::joindre(chemins::dossier(chemin), existant);  // the file replaced
        }
        // An empty duration is saved as "X"; no other cell takes a default here.
        for (int32_t i = 0; i < ListView1.ListCount(); ++i) {
            QTreeWidgetItem* ligne = ListView1.topLevelItem(i);
            if (ligne->text(5).isEmpty()) ligne->setText(5, QStringLiteral("X"));
        }
        try {
            // The user was just asked about the file there: a read-only one is replaced too.
            fichiers::reecrire_fichier(chemin, fichier_liste::octets_de_la_vue(ListView1),
                                       existant.isEmpty() ? fichiers::Ecrasement::SiInscriptible
                                                          : fichiers::Ecrasement::Remplacer);
            sauvegarde_en_echec = false;
        } catch (const Erreur& e) {
            erreur_enregistrement = Vrai;
            fichier_liste::signaler_ecriture(chemin, e);
            return;
        }
        nom_fichier_liste = chemins::nom_fichier(chemin);
        chemin_liste = chemin;
        Text2.setText(chemin);
        chemin_liste_ouverte = nom_fichier_liste;
        extension_fichier.clear();
        a_Ne_pas_Sauve.setChecked(false);
        A_sauve.setChecked(true);
        A_ecoute.setEnabled(true);
        setCaption(QStringLiteral("Fichier liste : ") + nom_fichier_liste);
    } catch (const Erreur&) {
        erreur_enregistrement = Vrai;
    }
}

void Liste_son::detecte_extention() {
    try {
        if (!CommonDialog1.FileName.isEmpty())
            extension_fichier = rt::Right(CommonDialog1.FileName, 3).toLower();
        else
            nom_fichier_liste = QString::fromLatin1(fichier_liste::NomDefaut);
    } catch (const Erreur&) {
    }
}

void Liste_son::recup_nom() { nom_fichier_liste = chemins::nom_fichier(rt::Trim(Text2.Text())); }

void Liste_son::recup_nom_du_fichier() {
    const QString texte = rt::Trim(Text2.Text());
    // Network paths are not tested.
    if (texte.startsWith(QLatin1Char('\\'))) {
        recup_nom();
        return;
    }
    const QString nom = chemins::nom_fichier(texte);
    if (texte.contains(QLatin1Char('/')) || texte.contains(QLatin1Char('\\'))) Text2.setText(chemins::dossier(texte));
    if (ajout_sans_controle == Vrai) return;
    const QString dossier = Text2.Text();
    QDir::setCurrent(dossier);
    if (!nom.isEmpty() && !chemins::trouver_fichier_sans_casse(dossier, nom).isEmpty()) return;
    err_form& notice = err_form::instance();
    notice.Label1.setCaption(QStringLiteral("Recupération du nom de fichier") + Paragraphe + chemin_entree_liste + CR +
                             QStringLiteral("Ce fichier est NON TROUVE !") + CR +
                             QStringLiteral("Il est peut etre situé sur le réseau ?"));
    notice.show();
    chemin_entree_liste.clear();
    Radio_FM::instance().Label2.setCaption(QStringLiteral("Fichier non trouve"));
    Label2.setCaption(QStringLiteral("Fichier non trouve"));
    chemin_lecteur1.clear();
    Image1.setEnabled(true);
}

void Liste_son::Effacer_liste_Click() {
    QClipboard* c = QApplication::clipboard();
    if (c->ownsClipboard()) c->clear();
    coller_.setEnabled(false);
    Supprimer_fichier.setCaption(QStringLiteral("Supprimer le fichier"));
    nom_fichier_liste.clear();
    chemin_liste.clear();
    fichier_impression.clear();
    setCaption(Nom_radio_fm);
    Label2.setCaption(Nom_radio_fm);
    Radio_FM::instance().setCaption(Nom_radio_fm);
    Label1.setCaption(QStringLiteral("Ouverture en attente"));
    ListView1.Clear();
    sauvegarde_en_echec = false;  // no row left that a file would lack
    Combo1.setText(QString());
    extension_fichier.clear();
    Label4.setCaption(QStringLiteral("00:00:00"));
    Label3.setCaption(QStringLiteral("Liste"));
    a_mettre_Enabled();
}

void Liste_son::Supprimer_fichier_Click() {
    const QString titre_impossible = QStringLiteral(" Suppréssion Fichier impossible ");
    if (chemin_liste.isEmpty()) {
        MsgBox(QStringLiteral(" Aucun fichier en mémoire"), boites::Critique, titre_impossible);
        return;
    }
    const QString question = QStringLiteral(" Vous allez supprimer le fichier :  ") + chemin_liste + Paragraphe +
                             QStringLiteral("ATTENTION si le NOM de FICHIER est : *.dfm") + CR +
                             QStringLiteral("Vous SUPPRIMEZ TOUS LES FICHIERS LISTES") + Paragraphe +
                             QStringLiteral("Voulez vous continuer ? ");
    if (MsgBox(question, 276, QStringLiteral(" Suppréssion Fichier ?")) != boites::Oui) return;
    // One literal file: a name with wildcards is never taken as a pattern.
    const QString chemin = fichier_liste::chemin_complet(chemin_liste);
    const QFileInfo info(chemin);
    const bool motif = chemins::nom_fichier(chemin_liste).contains(QRegularExpression(QStringLiteral("[*?]")));
    if (motif || !info.isFile() || !QFile::remove(chemin)) {
        MsgBox(question + CR + QStringLiteral("Autorisation de suppréssion refusée") + Paragraphe +
                   QStringLiteral("vérifier si le fichier n'est pas caché ou protégé"),
               boites::Critique, titre_impossible);
        return;
    }
    Radio_FM::instance().setCaption(Nom_radio_fm);
    Supprimer_fichier.setCaption(QStringLiteral("Supprimer le fichier"));
    chemin_liste.clear();
    Effacer_liste_Click();
}

void Liste_son::A_sauve_Click() {
    a_Ne_pas_Sauve.setChecked(false);
    A_sauve.setChecked(true);
    A_ecoute.setEnabled(true);
}

void Liste_son::a_Ne_pas_Sauve_Click() {
    a_Ne_pas_Sauve.setChecked(true);
    A_sauve.setChecked(false);
    A_ecoute.setEnabled(false);
}

bool Liste_son::sauvegarde_refusee() {
    if (!a_Ne_pas_Sauve.Checked()) return false;
    MsgBox(QStringLiteral("Traitement impossible avec l'option") + CR +
               QStringLiteral("Ne pas sauver les modifications dans le fichier par défaut") + Paragraphe +
               QStringLiteral("Sauvegarder cette liste"),
           boites::Information);
    return true;
}

void Liste_son::A_conserver_Click() {
    try {
        lire_enreg_destinataire();
    } catch (const Erreur&) {
        return;  // no row to keep
    }
    enregistre_recherche();
}
