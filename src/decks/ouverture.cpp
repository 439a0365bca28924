// Opening a file onto a deck: the open buttons, with the file dialog, a file dragged from the
// file manager or data dropped from another program.
#include <QDir>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "decks/commun.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
const QString FiltreMultimedia = QStringLiteral(
    "fichier multimédia |*.mp3;*.wav;*.wma;*.mid;*.avi;*.mpg|fichier (*.mp3)|*.mp3|fichier (*.wav)|*.wav|"
    "fichier (*.mid)|*.mid|fichier vidéo (*.avi)|*.avi|fichier audio (*.wma)|*.wma|Tous fichiers (*.*)|*.*");

// A file shorter than a second is refused like a file that cannot be played, with no
// description of its own.
constexpr int FichierTropCourt = -1;

bool erreur_de_chemin(int numero) {
    return numero == err::PermissionRefusee || numero == err::DisqueNonPret || numero == err::RenommerAutreUnite ||
           numero == err::AccesCheminFichier || numero == err::CheminIntrouvable;
}

// Whatever becomes of an open, the drop flags end with it: a flag left set would make every
// later open skip the dialog and open the failed file again.
struct FinDepot {
    ~FinDepot() {
        fichier_depose = Faux;
        glisser_fichier_en_cours = Faux;
    }
};
}  // namespace

void Radio_FM::ouvrir_fichier(int n) {
    const ControlesLecteur d = deck(n);
    decks::nouveau_graphe(d.lecteur);
    FinDepot fin;
    try {
        if (glisser_fichier_en_cours != Faux || fichier_depose != Faux) {
            // The drop handler has set the deck's path and chemin_fichier_charge.
            nom_du_fich();
        } else {
            if (!Chemin_dernier_fichier.isEmpty() && !QDir::setCurrent(Chemin_dernier_fichier))
                throw Erreur(err::CheminIntrouvable);
            Dialogue1.InitDir = Chemin_dernier_fichier;
            Dialogue1.DialogTitle = QStringLiteral("Ouvrir un fichier multimédia");
            Dialogue1.FileName = QString();
            Dialogue1.Filter = FiltreMultimedia;
            Dialogue1.FilterIndex = 1;
            Dialogue1.CancelError = true;
            Dialogue1.ShowOpen();
            d.chemin = Dialogue1.FileName;
            if (d.chemin.isEmpty()) {
                update();
                return;
            }
            chemin_fichier_charge = Dialogue1.FileName;
            nom_du_fich();
        }
        formate_nom();
        manuel_mix();
        d.lecteur.graphe.RenderFile(d.chemin);
        duree_fichier = d.lecteur.position.Duration();
        format_heure();
        d.titre.setCaption(nom_fichier_affiche + QStringLiteral(" ( ") + duree_texte + QStringLiteral(" )"));
        update();
        duree_texte.clear();
        const Procedure volume[] = {&Radio_FM::AdjustVolume, &Radio_FM::AdjustVolume1, &Radio_FM::AdjustVolume2};
        (this->*volume[n - 1])();
        const int16_t secondes = decks::secondes_entieres(duree_fichier);
        d.duree.setCaption(QString::number(secondes));
        if (duree_fichier < 1) throw Erreur(FichierTropCourt, QString());
        d.barre.setMax(secondes);
        ecrire_path_fichier();
        if (!a_mode_manuel.Checked()) select_bouton();
        d.zap.setEnabled(true);
        d.lire.setEnabled(true);
        update();
    } catch (const Erreur& e) {
        if (e.numero() == err::AppelInvalide || e.numero() == err::Annulation) return;
        if (erreur_de_chemin(e.numero())) {
            Chemin_dernier_fichier = dossier_programme();
            MsgBox(e.description(), boites::Critique);
            return;
        }
        MsgBox(QStringLiteral("Erreur lecture fichier ") + e.description(), boites::Critique);
        d.titre.setCaption(QStringLiteral(" - En attente"));
    }
}

void Radio_FM::deposer_depuis_gestionnaire(int n) {
    if (glisser_fichier_en_cours != Vrai) return;
    Liste_son::instance().Option1.setValue(true);
    chemin_fichier_charge = enreg_dragdrop.chemin;
    deck(n).chemin = enreg_dragdrop.chemin;
    chemin_fichier_depose = enreg_dragdrop.chemin;
    ouvrir_fichier(n);
}

void Radio_FM::deposer_donnees(int n, const QStringList& fichiers) {
    if (glisser_deplacer_actif == Faux) return;
    try {
        // Only the first file is opened.
        if (!fichiers.isEmpty()) {
            fichier_depose = Vrai;
            chemin_fichier_charge = fichiers.constFirst();
            deck(n).chemin = fichiers.constFirst();
            chemin_fichier_depose = fichiers.constFirst();
        }
        ouvrir_fichier(n);
        Image12_Click();
    } catch (const Erreur& e) {
        MsgBox(QStringLiteral("Déplacement non éffectué. ") + e.description(), boites::Exclamation);
    }
}

void Radio_FM::Command1_Click() { ouvrir_fichier(1); }
void Radio_FM::Command2_Click() { ouvrir_fichier(2); }
void Radio_FM::Command7_Click() { ouvrir_fichier(3); }
void Radio_FM::Command1_DragDrop() { deposer_depuis_gestionnaire(1); }
void Radio_FM::Command2_DragDrop() { deposer_depuis_gestionnaire(2); }
void Radio_FM::Command7_DragDrop() { deposer_depuis_gestionnaire(3); }
void Radio_FM::Command1_OLEDragDrop(const QStringList& fichiers) { deposer_donnees(1, fichiers); }
void Radio_FM::Command2_OLEDragDrop(const QStringList& fichiers) { deposer_donnees(2, fichiers); }
void Radio_FM::Command7_OLEDragDrop(const QStringList& fichiers) { deposer_donnees(3, fichiers); }
