// The main window's classic menu bar against its label bar, the pointer on the window's own
// background, and the small commands of the menus (radio name, files played, saved searches,
// banner file, quick listening, the playlist window).
#include <QFile>
#include <array>
#include <QMenuBar>
#include <QMouseEvent>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/chemins.h"
#include "platform/images.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
constexpr const char* RechercheListe = "recherche.dit";
}

// The menus of the classic bar; a click on the window leaves the label bar as the only menu.
static std::array<MenuItem*, 8> menus_du_haut(Radio_FM& f) {
    return {&f.Fichier_, &f.lire_play, &f.liste_, &f.live_, &f.affiche, &f.Option_, &f.aide_, &f.A_Propos};
}

void Radio_FM::Form_Click() {
    active_text_combo();
    if (err_form::existe()) err_form::instance().hide();
    for (MenuItem* m : menus_du_haut(*this)) m->setVisible(false);
    if (m_barre) m_barre->setVisible(false);
}

void Radio_FM::Form_DblClick() {
    for (MenuItem* m : menus_du_haut(*this)) m->setVisible(true);
    if (m_barre) m_barre->setVisible(true);
    for (Label* l : {&Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19}) l->setVisible(false);
}

void Radio_FM::Form_MouseMove(int, int, float, float) {
    for (Label* l : findChildren<Label*>()) l->setForeColor(coul_label);
    image_skin(Image1, "bouton_noir_gros.jpg");
}

void Radio_FM::Form_MouseUp(int Button, int, float, float) {
    if (Button == 2) affiche.PopupMenu();
}

void Radio_FM::Text1_MouseMove() {
    Text1.setToolTip(QStringLiteral("Superposition de : ") + QString::number(superposition) +
                     QStringLiteral(" seconde(s)"));
}

void Radio_FM::mousePressEvent(QMouseEvent* e) {
    m_clic_presse = e->button() == Qt::LeftButton;
}

void Radio_FM::mouseReleaseEvent(QMouseEvent* e) {
    evenement::souris([this](int b, int s, float x, float y) { Form_MouseUp(b, s, x, y); }, e);
    // The release that ends a double click is no click of its own.
    if (m_clic_presse && !m_double_clic) evenement::utilisateur([this] { Form_Click(); });
    m_clic_presse = false;
    m_double_clic = false;
}

void Radio_FM::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    m_double_clic = true;
    evenement::utilisateur([this] { Form_DblClick(); });
}

void Radio_FM::mouseMoveEvent(QMouseEvent* e) {
    // A move over a label or a picture comes up here too: those keep their own hover look.
    QWidget* dessous = childAt(e->position().toPoint());
    if (qobject_cast<Label*>(dessous) || qobject_cast<Image*>(dessous)) return;
    evenement::souris([this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); }, e);
}

void Radio_FM::ecoute_Click() {
    // Quick listen only: nothing is added from here, play and next are ready.
    ajout_fichier& a = ajout_fichier::instance();
    a.setCaption(QStringLiteral("Ecoute rapide de fichier"));
    a.Label7.setEnabled(false);
    a.HLBSoftBttn1.setEnabled(true);
    a.HLBSoftBttn3.setEnabled(true);
    a.Show();
}

void Radio_FM::ouvre_L_Click() {
    affiche_tout_Click();
    coche3.setValue(true);
    Image13_Click();
    Image12.setPicture(QString());
    image_skin(Image13, "bouton_noir_petitdoux.jpg");
    Liste_son::instance().A_liste_Click();
}

void Radio_FM::ouvrir_liste_Click() { affiche_tout_Click(); }

void Radio_FM::nom_radio_Click() {
    const QString defaut = Nom_radio_fm.isEmpty() ? QStringLiteral("Radio_FM") : Nom_radio_fm;
    const QString nom = InputBox(QStringLiteral("Saisie d'un nouveau nom"), QStringLiteral(" Nom de votre Radio "), defaut);
    // Cancelled (or nothing typed): the name stays as it was.
    if (nom.isEmpty()) return;
    Nom_radio_fm = nom;
    ecrire_reglage(cle::Config, cle::Nom_radio_fm, nom);
    Quitter_.setCaption(QStringLiteral("Quitter ") + nom + QStringLiteral(" (Q)"));
    setCaption(nom);
    mini_lecteur::instance().setCaption(nom);
    nom_radio.setCaption(QStringLiteral("Nom de la radio :") + nom);
    Combo1.setText(QStringLiteral("Liste ") + nom);
    Combo2.setText(QStringLiteral("Jingles ") + nom);
    Liste_son::instance().Label24.setCaption(nom);
    ShockwaveFlash1.setTexte(nom);
}

void Radio_FM::Option__Click() {
    nom_radio.setCaption(QStringLiteral("Nom de la radio : ") + Nom_radio_fm);
    A_def_jingles.setCaption(QStringLiteral("Définir le chemin des jingles : ") + Chemin_dossier_jingles);
    A_def_musique.setCaption(QStringLiteral("Définir le chemin du dossier Musique :") + Chemin_dernier_fichier);
    a_editeur_audio.setCaption(QStringLiteral("Définir le chemin de l'editeur audio :") + Chemin_editeur_audio);
}

void Radio_FM::nb_fich_Click() {
    ligne_journal = QStringLiteral("Info ") + saut_ligne + QStringLiteral("Nombre de fichiers ayant étés lus") +
                    double_saut + QStringLiteral(" Pour cette séssion") + double_saut + QStringLiteral("Nb : ") +
                    QString::number(nb_fichiers_joues);
    err_form& f = err_form::instance();
    f.setCaption(programme::nom());
    f.Label1.setCaption(ligne_journal);
    f.Show();
    ligne_journal.clear();
}

void Radio_FM::Supprimer_recherche_Click() {
    programme::aller_au_dossier();
    const QString nom = chemins::trouver_fichier_sans_casse(programme::dossier(), QString::fromUtf8(RechercheListe));
    // Nothing to delete (or a delete refused): the command ends there, silently.
    if (nom.isEmpty() || !QFile::remove(chemins::joindre(programme::dossier(), nom))) return;
    MsgBox(QStringLiteral("Ok liste recherche vide"), boites::Information);
    Liste_son::instance().Combo1.Clear();
}

void Radio_FM::Modifie_banniere_Click() {
    Dialogue1.InitDir = Chemin_programme;
    Dialogue1.DialogTitle = QStringLiteral("Ouvrir une nouvelle banniere");
    // The banners shipped here are animated pictures: they are offered beside the movie names.
    Dialogue1.Filter = QStringLiteral(" fichier (*.swf;*.gif)|*.swf;*.gif");
    Dialogue1.FileName.clear();
    Dialogue1.CancelError = false;
    Dialogue1.ShowOpen();
    const QString fichier = Dialogue1.FileName;
    if (fichier.isEmpty()) return;
    lancer_banniere(fichier);
    ecrire_reglage(cle::Config, cle::banniere, fichier);
    chemin_banniere = fichier;
}

void Radio_FM::brancher_menus() {
    a_mini.Click = [this] { a_mini_Click(); };
    Affiche_Fenetre_P.Click = [this] { Affiche_Fenetre_P_Click(); };
    Affiche_Fenetre_L.Click = [this] { Affiche_Fenetre_L_Click(); };
    affiche_toujour.Click = [this] { affiche_toujour_Click(); };
    affiche_tout.Click = [this] { affiche_tout_Click(); };
    Affiche_barre.Click = [this] { Affiche_barre_Click(); };
    Aligner_liste.Click = [this] { Aligner_liste_Click(); };
    a_droite_haut.Click = [this] { a_droite_haut_Click(); };
    a_gauche_haut.Click = [this] { a_gauche_haut_Click(); };
    A_visuel_active.Click = [this] { A_visuel_active_Click(); };
    A_visuel_desactive.Click = [this] { A_visuel_desactive_Click(); };
    A_affichage1.Click = [this] { A_affichage1_Click(); };
    A_affichage2.Click = [this] { A_affichage2_Click(); };
    aa_montrer_curseur.Click = [this] { aa_montrer_curseur_Click(); };
    aa_cacher_curseur.Click = [this] { aa_cacher_curseur_Click(); };
    A_Rafraichir.Click = [this] { A_Rafraichir_Click(); };
    ecoute.Click = [this] { ecoute_Click(); };
    ouvre_L.Click = [this] { ouvre_L_Click(); };
    ouvrir_liste.Click = [this] { ouvrir_liste_Click(); };
    nom_radio.Click = [this] { nom_radio_Click(); };
    Option_.Click = [this] { Option__Click(); };
    nb_fich.Click = [this] { nb_fich_Click(); };
    Supprimer_recherche.Click = [this] { Supprimer_recherche_Click(); };
    Modifie_banniere.Click = [this] { Modifie_banniere_Click(); };
    A_gere.Click = [this] { A_gere_Click(); };
    aideprog.Click = [this] { aideprog_Click(); };
    Text1.MouseMove = [this](int, int, float, float) { Text1_MouseMove(); };
}
