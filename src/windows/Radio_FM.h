#pragma once
// The main window: the three decks, the timers that drive playback, the mode switches, the
// quick-load lists and the menus. Controls are public members named as the controls; the
// procedures of each subsystem are declared here and defined in that subsystem's folder.
#include "platform/barre_position.h"
#include "platform/controles.h"
#include "platform/dialogue_commun.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/timer.h"
#include "decks/lecteur.h"

class QMenuBar;

class Radio_FM : public FormInstance<Radio_FM> {
public:
    Radio_FM();

    // ---- Timers (the main loop of playback), all disabled at start.
    Timer Timer1{this, 1000};  // list sequencer
    Timer Timer2{this};        // deck supervision ("Valeur_vitesse_timer")
    Timer Timer3{this};        // fade of the outgoing deck ("Mix_audio_vitesse")
    Timer Timer4{this};        // list chaining ("Valeur_vitesse_timer")
    Timer Timer5{this, 500};   // title marquees of decks 1, 2, 3
    Timer Timer6{this, 500};
    Timer Timer7{this, 500};
    Timer Timer8{this, 1000};  // "Jingle auto"
    Timer Timer9{this, 1000};  // "New auto"

    // ---- Decks: deck 1 / deck 2 / deck 3.
    Label Label2{this}, Label3{this}, Label4{this};  // scrolling titles
    Label Label6{this}, Label1{this}, Label9{this};  // durations in whole seconds
    PositionBar picProgBack{this}, picProgBack1{this}, picProgBack2{this};
    ::Slider Slider{this}, Slider1{this}, Slider2{this};  // volume, 0 loudest .. 20 silent
    Label Label21{this}, Label22{this}, Label23{this};    // volume percent
    Label Label27{this}, Label28{this}, Label29{this};    // "Volume", shown when sliders are hidden
    Image Command1{this}, Command2{this}, Command7{this};  // open
    Image Command3{this}, Command4{this}, Command6{this};  // play
    Image HLBSoftBttn1{this}, HLBSoftBttn2{this}, HLBSoftBttn3{this};  // zap
    OwnerDrawnButton HLBSoftBttn8{this}, HLBSoftBttn6{this}, HLBSoftBttn7{this};     // special mix
    OwnerDrawnButton HLBSoftBttn9{this}, HLBSoftBttn10{this}, HLBSoftBttn11{this};   // stop
    OwnerDrawnButton HLBSoftBttn12{this}, HLBSoftBttn13{this}, HLBSoftBttn14{this};  // pause
    OwnerDrawnButton HLBSoftBttn15{this}, HLBSoftBttn16{this}, HLBSoftBttn17{this};  // keep volume
    OwnerDrawnButton HLBSoftBttn18{this}, HLBSoftBttn19{this}, HLBSoftBttn20{this};  // rewind
    OwnerDrawnButton ReyCommand1{this}, ReyCommand2{this}, ReyCommand3{this};        // skip
    // Volume steps: deck 1 louder / quieter, deck 2 louder, deck 3 louder, deck 2 quieter,
    // deck 3 quieter.
    OwnerDrawnButton AnyButton1{this}, AnyButton2{this}, AnyButton3{this};
    OwnerDrawnButton AnyButton4{this}, AnyButton5{this}, AnyButton6{this};
    Shape Shape1{this}, Shape2{this}, Shape3{this};  // on-air markers

    // ---- Modes, overlap and status.
    OptionButton coche2{this};  // deck-to-deck mix
    OptionButton coche3{this};  // list mix
    CheckBox coche4{this};      // preload
    TextBox Text1{this};        // overlap in seconds
    TextBox Text2{this};        // hidden: the path handed to a deck's load
    TextBox Text3{this};        // hidden working copies of an entry's path and folder
    TextBox Text4{this};
    Label Label5{this};   // seconds played on the deck on air
    Label Label7{this};   // status line
    Label Label10{this};  // mix status / "Chargement rapide"
    Label Label11{this};  // deck 1 level as read back

    // ---- Quick-load lists (favourites, jingles) and their list loading buttons.
    ComboBox Combo1{this}, Combo2{this};
    OwnerDrawnButton HLBSoftBttn4{this}, HLBSoftBttn5{this};

    // ---- Skin pictures and the label menu bar.
    Image Image1{this};   // quit
    Image Image2{this}, Image3{this}, Image4{this}, Image5{this}, Image6{this}, Image7{this}, Image8{this};
    Image Image9{this}, Image10{this}, Image11{this};  // help, about, web information
    Image Image12{this}, Image13{this};                // deck-mix and list-mix mode buttons
    Image Image14{this}, Image15{this};                // overlap minus / plus
    Image Image16{this};                               // microphone
    Label Label12{this}, Label13{this}, Label14{this}, Label15{this};
    Label Label16{this}, Label17{this}, Label18{this}, Label19{this};
    Label Label20{this};  // web address
    Label Label25{this};  // program name

    DialogueCommun Dialogue1{this};  // file-open and colour dialogs

    // ---- Menus, in menu-bar order.
    MenuItem Fichier_{this, "Fichier", MenuItem::SousMenu};
    MenuItem A_gere{this, "Gérer ou ouvrir les fichiers multimédia"};
    MenuItem ecoute{this, "Ecoute rapide"};
    MenuItem ouvre_L{this, "Ouvrir liste"};
    MenuItem ouvrir_liste{this, "Ouvrir fenètre liste"};
    MenuItem Quitter_{this, "Quitter"};

    MenuItem lire_play{this, "Play", MenuItem::SousMenu};
    MenuItem lire_1{this, "Play 1"}, lire_2{this, "Play 2"}, lire_3{this, "Play 3"};
    MenuItem Mix1{this, "Mix 1"}, Mix2{this, "Mix 2"}, Mix3{this, "Mix 3"};

    MenuItem liste_{this, "Liste", MenuItem::SousMenu};
    MenuItem A_ordre_continue{this, "Lecture continue"};
    MenuItem A_ordre_aléatoire{this, "Lecture aléatoire"};
    MenuItem Afficher_C_aleatoire{this, "Controle en mode lecture liste"};

    MenuItem live_{this, "LIVE CD", MenuItem::SousMenu};
    MenuItem A_Ouvrir_CD{this, "Ouvrir tiroir CD"};
    MenuItem A_fermer_CD{this, "Fermer tiroir CD"};
    MenuItem A_lecteur_CD_Win{this, "Lecteur CD Windows"};

    MenuItem affiche{this, "Affichage", MenuItem::SousMenu};
    MenuItem a_mini{this, "Mini lecteur"};
    MenuItem Affiche_Fenetre_P{this, "Uniquement fenètre principale"};
    MenuItem Affiche_Fenetre_L{this, "Uniquement fenètre liste"};
    MenuItem affiche_toujour{this, "Afficher toujours la fenètre principale"};
    MenuItem affiche_tout{this, "Afficher tout"};
    MenuItem Affiche_barre{this, "Réduire dans Barre de tache "};
    MenuItem A_centre_lecteur{this, "Centrer lecteur"};
    MenuItem A_centre_lecteur_haut{this, "Centrer lecteur Haut écran"};
    MenuItem a_droite_haut{this, "Lecteur a droite Haut écran"};
    MenuItem a_gauche_haut{this, "Lecteur a gauche Haut écran"};
    MenuItem Aligner_liste{this, "Aligner fenètre liste"};
    MenuItem A_visuel{this, "Effet visuel", MenuItem::SousMenu};
    MenuItem A_visuel_active{this, "Activer les effets"};
    MenuItem A_affichage1{this, "Oscilloscope"};
    MenuItem A_affichage2{this, "Spectrum"};
    MenuItem A_visuel_desactive{this, "Désactiver les effets"};
    MenuItem a_Curseur_volume{this, "Curseur volume", MenuItem::SousMenu};
    MenuItem aa_montrer_curseur{this, "Montrer les curseurs"};
    MenuItem aa_cacher_curseur{this, "Cacher les curseurs"};
    MenuItem A_Rafraichir{this, "Rafraichir l'affichage de la bannière"};
    MenuItem A_décharge{this, "Décharger le fichier", MenuItem::SousMenu};
    MenuItem A_décharge_1{this, "Lecteur 1"}, A_décharge_2{this, "Lecteur 2"}, A_décharge_3{this, "Lecteur 3"};

    MenuItem Option_{this, "Option", MenuItem::SousMenu};
    MenuItem nom_radio{this, "Nom de votre radio :"};
    MenuItem pre_char{this, "Paramètres"};
    MenuItem a_mode_auto{this, "Mode enchainement auto"};
    MenuItem a_mode_predefini{this, "Mode enchainement auto liste prédéfini"};
    MenuItem a_mode_manuel{this, "Mode enchainement manuel"};
    MenuItem A_fondu{this, "Fondu audio", MenuItem::SousMenu};
    MenuItem Active_audio{this, "Fondu en fin de piste"};
    MenuItem Active_audio_zapping{this, "Fondu au zapping"};
    MenuItem Active_audio_jingles{this, "Mixage spécial jingles"};
    MenuItem Désactive_audio{this, "Désactiver le fondu audio"};
    MenuItem a_assosiation{this, "Associer des fichiers audio , vidéo ou liste"};
    MenuItem A_glisser_déplacer{this, "Autoriser sur la liste et les boutons \"Open\" le glisser / déplacer"};
    MenuItem A_journal{this, "Journal", MenuItem::SousMenu};
    MenuItem Active_journal1{this, "Activer et ne pas conserver"};
    MenuItem Active_journal{this, "Activer  conserver"};
    MenuItem A_desacive_J{this, "Désactiver"};
    MenuItem A_purger_journal{this, "Purger"};
    MenuItem A_ouvre_journal{this, "Ouvrir"};
    MenuItem A_def_jingles{this, "Définir le chemin des jingles : "};
    MenuItem A_def_musique{this, "Définir le chemin du dossier Musique : "};
    MenuItem a_editeur_audio{this, "Définir le chemin de l'editeur audio  : "};
    MenuItem nb_fich{this, "Nb de fichier(s) écouté(s)"};
    MenuItem Supprimer_recherche{this, "Supprimer les entrées recherche liste"};
    MenuItem Modifie_banniere{this, "Modifier la banniere (475*40)"};
    MenuItem a_vol{this, "Volume carte son"};
    MenuItem A_purger_registre{this, "Purger la base de registre de la version précédente"};

    MenuItem aide_{this, "Aide", MenuItem::SousMenu};
    MenuItem aideprog{this, "Aide programme"};
    MenuItem A_Propos{this, "A Propos", MenuItem::SousMenu};
    MenuItem a_pp{this, "A propos"};

    // Pop-up menus of the quick-load lists: load the chosen entry onto a deck.
    MenuItem cha{this, "Charger liste", MenuItem::SousMenu};
    MenuItem lect1{this, "Sur lecteur 1"}, lect2{this, "Sur lecteur 2"}, lect3{this, "Sur lecteur 3"};
    MenuItem char_F{this, "Charger favoris", MenuItem::SousMenu};
    MenuItem lect1_F{this, "Sur lecteur 1"}, lect2_F{this, "Sur lecteur 2"}, lect3_F{this, "Sur lecteur 3"};

    QMenuBar* barre_menus() const { return m_barre; }

    // ==== Start-up, close, settings and journal (configuration) ====
    QString retour_ligne;     // a carriage return alone: line break of messages
    QString saut_paragraphe;  // LF CR LF CR: paragraph break of messages
    QString ligne_journal;    // the pending journal record
    int32_t resultat_api = 0;
    int16_t micro_actif = 0;
    int16_t mode_combo = 0;   // what Charge_combo fills: 1, 2 ask for a list, 3, 4 reload

    // Creation and load of the running program (a main window made for a test of another
    // part skips them: see Radio::demarrage_en_cours).
    void Form_Initialize();
    void Form_Load() override;
    // The close box: saves the position, cancels the unload (Cancel = -1) and quits.
    void Form_Unload(int16_t& Cancel);
    // The final unload by the closing sequence: saves the position once more.
    void Form_Unload() override;
    void Quitter__Click();
    void A_purger_registre_Click();
    void pre_char_Click();
    void A_centre_lecteur_Click();
    void A_centre_lecteur_haut_Click();
    void A_Ouvrir_CD_Click();
    void A_fermer_CD_Click();
    // Appends ligne_journal to "journal.doc" (callers test journal_actif for event records).
    void journal();

    // Called by the load, built by the deck, list and skin subsystems.
    void Charge_combo();
    void active_text_combo();
    void détecte_ext();
    void charge_lire();
    void Image13_Click();
    void A_Rafraichir_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

public:
    // ==== end of the configuration block ====

    // ---- The decks' graphs and their controls by deck number (1 to 3).
    TypeLecteur lecteur1, lecteur2, lecteur3;
    ControlesLecteur deck(int n);

    // Line separators of journal and message texts.
    QString saut_ligne;   // a carriage return alone
    QString double_saut;  // LF CR LF CR

private:
    void construire_menus();
    void disposer();
    void habiller();

    QMenuBar* m_barre = nullptr;
};
