// The main window's creation, load (the normal start and the first start), close sequence
// and settings purge.
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QTimer>

#include "config/Radio.h"
#include "config/etat.h"
#include "config/placement.h"
#include "config/journal.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "config/utilitaires.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/jalons.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/commandes_fenetres.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
void image_ou_erreur(Image& image, const QString& chemin) {
    if (!image.setPicture(chemin)) throw Erreur(err::FichierIntrouvable);
}

QString version_complete() { return QStringLiteral("Sonavel V ") + version_texte(); }
}  // namespace

void Radio_FM::Form_Initialize() {
    // The file manager and the playlist window are loaded (hidden) before the main window.
    ajout_fichier& a = ajout_fichier::instance();
    if (auto* image = a.findChild<Image*>(QStringLiteral("Image1"))) {
        image->setFixedWidth(int(1.65 * a.width()));
    }
    Liste_son::instance();
    a_assosiation.setCaption(QStringLiteral("Associer des fichiers audio , vidéo ou liste a : ") + programme::nom());
    fichier_depose = Faux;
    glisser_fichier_en_cours = Faux;
    preecoute_active = Faux;
    ecoute_en_cours = Faux;
    index_fin_jingle_auto = 0;
    index_fin_new_auto = 0;
    fermeture_confirmee = Faux;
    info_entree_a_afficher = Faux;
}

void Radio_FM::precharger_images_du_chargement() {
    // In the order they are used: the decks' buttons as the window is built, then the load's.
    precharger_images({QStringLiteral("Open_noir.gif"), QStringLiteral("tplay_noir.gif"),
                       QStringLiteral("bouton_fleche_noir.gif"), lire_reglage(cle::Config, cle::Logo_liste),
                       lire_reglage(cle::Config, cle::logo_fond), lire_reglage(cle::Config, cle::Logo_fichier),
                       lire_reglage(cle::Config, cle::logo), QStringLiteral("fond_noir1.jpg")});
}

void Radio_FM::Form_Load() {
    if (!demarrage_en_cours()) return;
    jalons::marquer("principale_construite");
    journal::debut_session();  // before this session writes its first record
    Form_Initialize();
    jalons::marquer("fenetres_cachees");
    Quitter_.Click = [this] { Quitter__Click(); };
    A_purger_registre.Click = [this] { A_purger_registre_Click(); };
    pre_char.Click = [this] { pre_char_Click(); };
    A_centre_lecteur.Click = [this] { A_centre_lecteur_Click(); };
    A_centre_lecteur_haut.Click = [this] { A_centre_lecteur_haut_Click(); };
    A_Ouvrir_CD.Click = [this] { A_Ouvrir_CD_Click(); };
    A_fermer_CD.Click = [this] { A_fermer_CD_Click(); };

    saut_ligne = QStringLiteral("\r");
    double_saut = QStringLiteral("\n\r\n\r");
    try {
        lire_config();
        jalons::marquer("config_lue");

        if (premier_lancement == Vrai) {
            hide();
            ligne_journal = QStringLiteral("Ecrirure dans la base de registre éffectuée! ") + double_saut +
                            QStringLiteral("Les paramètre de Sonavel ont étés mis a jour") + saut_ligne +
                            QStringLiteral("Veuillez vérifier toutes les valeurs dans le menu options puis "
                                           "Paramètre du programme") +
                            saut_ligne + QStringLiteral("Et les modifier si il y a lieu") + double_saut +
                            QStringLiteral("Vérifier également vos paramètres régionaux si erreur type incompatible") +
                            saut_ligne +
                            QStringLiteral("La séparation des décimales pour les nombres doit ètre un point") +
                            double_saut + QStringLiteral("Vous pouvez relancer ") + programme::nom() +
                            QStringLiteral(" pour valider ");
            MsgBox(ligne_journal, boites::Information);
            A_purger_registre_Click();
            End();
        }

        programme::aller_au_dossier();
        journal();
        mode_insertion = 2;
        lecture_gestionnaire = Faux;
        effet_visuel_demarre = Faux;
        glisser_deplacer_actif = Vrai;
        micro_actif = Vrai;
        indicateur_fsauve = Faux;
        modif_chemin_autorisee = Faux;
        journal_actif = Faux;
        erreur_chargement_liste = Faux;

        // The banner: the web one when connected, else the local file, looping. Without a web
        // address both are the local banner, so the network is not asked (loading its backend
        // costs the start several milliseconds, and can wait long on the system bus).
        if (*AdresseBanniereWeb && connexion_internet())
            A_Rafraichir_Click();
        else
            lancer_banniere(chemin_banniere);
        jalons::marquer("bandeau");

        // Deck-to-deck mixing to start with. Its caption gives way to the name or version
        // caption just below, and its supervision interval is the one just read.
        coche2.setValue(true);
        // The status line waits for a first play, whatever the mode switch wrote.
        Label7.setCaption(QStringLiteral("Lecture en attente"));

        Liste_son& liste = Liste_son::instance();
        if (Nom_radio_fm != QLatin1String(valeur::Nom_radio_defaut) && !Nom_radio_fm.isEmpty()) {
            setCaption(Nom_radio_fm);
            mini_lecteur::instance().setCaption(Nom_radio_fm);
            liste.Label24.setCaption(Nom_radio_fm);
        } else {
            setCaption(version_complete() + QStringLiteral(" - ") + QString::fromUtf8(Editeur));
            liste.Label24.setCaption(version_complete());
        }

        placement::placer(*this, Position_haut, Position_gauche);

        mode_combo = 3;
        Charge_combo();
        mode_combo = 4;
        Charge_combo();
        active_text_combo();

        Timer4.setInterval(Valeur_vitesse_timer);

        if (chemin_logo_liste != QLatin1String("Vrai") && chemin_logo_liste != QLatin1String("non"))
            charger_image_fond(*liste.ListView1.viewport(), chemin_logo_liste);
        charger_image_fond(*this, chemin_logo_fond);
        if (auto* image = ajout_fichier::instance().findChild<Image*>(QStringLiteral("Image1")))
            image_ou_erreur(*image, chemin_logo_fichier);
        image_ou_erreur(liste.Image10, chemin_logo);

        for (Image* i : {&Command1, &Command2, &Command7}) image_ou_erreur(*i, QStringLiteral("Open_noir.gif"));
        for (Image* i : {&HLBSoftBttn1, &HLBSoftBttn2, &HLBSoftBttn3})
            image_ou_erreur(*i, QStringLiteral("bouton_fleche_noir.gif"));
        for (Image* i : {&Command3, &Command4, &Command6}) image_ou_erreur(*i, QStringLiteral("tplay_noir.gif"));

        chemin_logo_fond = Chemin_programme + QStringLiteral("fond_noir1.jpg");
        charger_image_fond(*this, QStringLiteral("fond_noir1.jpg"));
        Image2.setPicture(QString());
        unsetCursor();
        jalons::marquer("images");

        ligne_journal = journal::horodatage() + QStringLiteral(" Exécution de ") + programme::nom();
        journal();
        ligne_journal.clear();

        Chemin_programme = programme::dossier();
        ecrire_reglage_discret(cle::Config, cle::Chemin_programme, Chemin_programme);
        update();
        jalons::marquer("chargee");

        fichier_ligne_commande = fichier_de_ligne_commande(Command());
        if (!fichier_ligne_commande.isEmpty()) {
            détecte_ext();
            if (extension_fichier == QLatin1String("dfm")) {
                Image13_Click();
                liste.Show();  // a list named at start opens the playlist window
                liste.A_liste_Click();
                if (!chemin_liste.isEmpty()) {
                    liste.Image1_Click();
                } else {
                    // Not opened: the list named may not be readable (the open command is
                    // silent about that); say why once, with nothing to play and nothing to save.
                    try {
                        fichier_liste::lire(fichier_ligne_commande);
                    } catch (const Erreur& e) {
                        fichier_liste::signaler(e);
                    }
                }
            } else {
                Command1.setEnabled(false);
                hide();
                charge_lire();
                showMinimized();
                // The splash shows and raises the main window after this load: once that is
                // over, make sure it is still in the task bar (some window managers restore a
                // raised window).
                QTimer::singleShot(0, this, [this] {
                    if (!isMinimized()) showMinimized();
                });
                mini_lecteur& mini = mini_lecteur::instance();
                fenetres::premier_plan(mini, true);
                mini.setCaption(nom_fichier_affiche);
                mini.Show();
            }
        }
    } catch (const Erreur& e) {
        // Missing settings or pictures: say so, and leave the window usable.
        try {
            charger_image_fond(*this, chemin_logo_fond);
        } catch (const Erreur&) {
        }
        ligne_journal = QStringLiteral("Attention  !") + double_saut + QStringLiteral("Erreur ") +
                        programme::nom() + QStringLiteral("  ") + e.description() + QStringLiteral(" Erreur N°  ") +
                        QString::number(e.numero()) + saut_ligne +
                        QStringLiteral("Des paramètres ou des fichiers sont manquants!!!") + saut_ligne +
                        QStringLiteral("Allez dans le menu OPTION puis PARAMETRES ") + double_saut +
                        QStringLiteral("Vérifier également vos paramètres régionaux") + saut_ligne +
                        QStringLiteral("La séparation des décimales pour les nombres doit ètre un POINT") +
                        saut_ligne + QStringLiteral("Cherchez le fichier demandé si c'est le cas") + saut_ligne +
                        QStringLiteral("Exécutez a nouveau Sonavel");
        MsgBox(ligne_journal, boites::Exclamation);
        unsetCursor();
    }
    oublier_images_prechargees();
}

void Radio_FM::closeEvent(QCloseEvent* e) {
    e->ignore();
    evenement::utilisateur([this] {
        int16_t annuler = 0;
        Form_Unload(annuler);
    });
}

void Radio_FM::Form_Unload(int16_t& Cancel) {
    placement::sauver(*this, cle::Position_haut, cle::Position_gauche);
    Cancel = Vrai;
    Quitter__Click();
}

void Radio_FM::Form_Unload() {
    // Reached only through the closing sequence's unload of every window.
    if (fermeture_confirmee != Vrai) return;
    placement::sauver(*this, cle::Position_haut, cle::Position_gauche);
}

void Radio_FM::Quitter__Click() {
    const QString nom = programme::nom();
    try {
        programme::aller_au_dossier();
        if (premier_lancement == Vrai) End();
        if (fermeture_confirmee != Vrai) {
            fenetres::premier_plan(*this, false);
            resultat_api = 1;
            if (MsgBox(QStringLiteral("Confirmer la fermeture de ") + nom, 292, nom) == boites::Non) return;
            fermeture_confirmee = Vrai;
            ShockwaveFlash1.StopPlay();
            programme::aller_au_dossier();
            ligne_journal += QStringLiteral("\r") + journal::horodatage() + QStringLiteral(" Fermeture ") +
                             QStringLiteral("de ") + nom;
            journal();
            ligne_journal.clear();
            // Only "Activer  conserver" keeps this session's records past the end of the
            // program; a journal kept earlier is never deleted by a later close.
            if (Active_journal1.Checked() || A_desacive_J.Checked()) journal::effacer_session();
        }
    } catch (const Erreur& e) {
        MsgBox(QString::number(e.numero()) + QStringLiteral(" ") + e.description() + QStringLiteral(" ") + nom,
               boites::Critique);
        return;
    }
    // The decks' playback views are released first: they live in this window, which goes
    // with every other window, the last loaded first.
    for (TypeLecteur* l : {&lecteur1, &lecteur2, &lecteur3}) {
        l->graphe = IMediaControl();
        l->position = IMediaPosition();
        l->audio = IBasicAudio();
    }
    element_courant = nullptr;
    Form::decharger_tout();  // this window included: nothing of it is touched afterwards
    End();
}

void Radio_FM::A_purger_registre_Click() {
    for (const reglages_table::Ecriture& e : reglages_table::purge()) {
        if (!ecrire_reglage_discret(e.section, e.cle, reglages_table::texte(e.valeur))) {
            MsgBox(Erreur(err::AccesCheminFichier).description(), boites::Exclamation);
            return;
        }
    }
    Chemin_editeur_audio = QStringLiteral("X");
    chemin_logo_fond = Chemin_programme + QStringLiteral("fond_noir1.jpg");
    chemin_logo_liste = Chemin_programme + QStringLiteral("Liste_sonavel1.jpg");
    chemin_logo_fichier = Chemin_programme + QStringLiteral("Menu_fichier_noir.gif");
    chemin_logo = Chemin_programme + QStringLiteral("Logo_liste1.gif");
    chemin_banniere = Chemin_programme + QStringLiteral("bandeau_Flash.swf");
    Chemin_dernier_fichier = Chemin_programme;
    reglages_table::couleurs_par_defaut_en_memoire();

    if (premier_lancement == Vrai) End();
    MsgBox(QStringLiteral("Purge éffectué avec succés") + QStringLiteral("\n\r\n\r") +
               QStringLiteral("Pour prendre effet..le redémarrage de ") + programme::nom() +
               QStringLiteral(" est nécessaire"),
           boites::Information);
    int16_t annuler = 0;
    Form_Unload(annuler);
    End();
}

void Radio_FM::pre_char_Click() { Form_options::instance().Show(); }
void Radio_FM::A_centre_lecteur_Click() { centre_fenetre(*this); }
void Radio_FM::A_centre_lecteur_haut_Click() { centre_haut(*this); }
void Radio_FM::A_Ouvrir_CD_Click() { ouvre_cd(); }
void Radio_FM::A_fermer_CD_Click() { ferme_cd(); }

// The extension of the command-line file, in lower case.
void Radio_FM::détecte_ext() { Radio::extension_fichier = rt::Right(Radio::fichier_ligne_commande, 3).toLower(); }
