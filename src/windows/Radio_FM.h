#pragma once
// The main window: the three decks, the timers that drive playback, the mode switches, the
// quick-load lists and the menus. Controls are public members named as the controls; the
// procedures of each subsystem are declared here and defined in that subsystem's folder.
#include "platform/bandeau.h"
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
    Bandeau ShockwaveFlash1{this};  // the banner

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
    QString ligne_journal;    // the pending journal record
    int32_t resultat_api = 0;
    int16_t micro_actif = 0;

    // Creation and load of the running program (a main window made for a test of another
    // part skips them: see Radio::demarrage_en_cours).
    void Form_Initialize();
    void Form_Load() override;
    // Starts decoding the pictures the start-up load shows (named by the stored settings), on
    // worker threads, before the windows are built.
    static void precharger_images_du_chargement();
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
    void détecte_ext();
    void Image13_Click();
    void A_Rafraichir_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Pointer events of the window's own background.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool m_clic_presse = false;
    bool m_double_clic = false;

public:
    // ==== end of the configuration block ====

    // ---- The decks' graphs and their controls by deck number (1 to 3).
    TypeLecteur lecteur1, lecteur2, lecteur3;
    ControlesLecteur deck(int n);

    // Line separators of journal and message texts.
    QString saut_ligne = QStringLiteral("\r");             // a carriage return alone
    QString double_saut = QStringLiteral("\n\r\n\r");  // LF CR LF CR

    // ---- Deck loading, path check, file names, time displays and volume (src/decks/).
    // Load the entry in hand (enreg_destinataire) after checking its file; the _F twins are
    // the same load. Silent on failure; "Non trouvé" as title when the file is missing.
    void charge_1();
    void charge_2();
    void charge_3();
    void charge_1_F();
    void charge_2_F();
    void charge_3_F();
    // Load the list entry chemin_entree_liste (or chemin_ecoute while charge_ecoute) without a
    // check; a failure sets erreur_chargement_liste.
    void charge_1_list();
    void charge_2_list();
    void charge_3_list();
    void charger_fichier(int n);
    void charger_liste(int n);
    // Turn the entry's path into the path of an existing file on deck n, or "".
    void recup_path1();
    void recup_path2();
    void recup_path3();
    void recup_path(int n);
    // The command-line file, played on deck 1 at once; the file manager's file on deck 1 with
    // the entry's stored volume.
    void charge_lire();
    void charge_();

    // chemin_fichier_charge -> nom_fichier_affiche and extension_fichier.
    void nom_du_fich();
    // Shortens nom_fichier_affiche for the deck titles.
    void formate_nom();
    // Remembers the folder of the file last opened on a deck (Chemin_dernier_fichier).
    void ecrire_path_fichier();
    QString chemin_fichier_depose;  // the file last dropped on a deck

    // duree_fichier -> duree_texte (hh:mm:ss); one second less on Liste_son.Label4.
    void format_heure();
    void compteur();
    // Title marquees of decks 1, 2, 3.
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void defiler_titre(int n);

    // Volume: the slider of a deck is the one source of its level (-200 x value).
    void AdjustVolume();
    void AdjustVolume1();
    void AdjustVolume2();
    void ajuster_volume(int n);
    void SetSliderText();
    void SetSliderText1();
    void SetSliderText2();
    void texte_volume(int n);
    void curseur_deplace(int n);
    void Slider_Change();
    void Slider_Scroll();
    void Slider_Click();
    void Slider_MouseDown(int Button, int Shift, float X, float Y);
    void Slider1_Change();
    void Slider1_Scroll();
    void Slider1_Click();
    void Slider1_MouseDown(int Button, int Shift, float X, float Y);
    void Slider2_Change();
    void Slider2_Scroll();
    void Slider2_Click();
    void Slider2_MouseDown(int Button, int Shift, float X, float Y);
    void AnyButton1_Click();
    void AnyButton2_Click();
    void AnyButton3_Click();
    void AnyButton4_Click();
    void AnyButton5_Click();
    void AnyButton6_Click();
    // The entry's stored level onto deck 1, 2, 3 (not in deck-to-deck mix).
    void A_lire_volume();
    void A_lire_volume1();
    void A_lire_volume2();
    void lire_volume(int n);
    // Lower the deck on air for a special mix, and put it back.
    void vol_pour_mix_spc();
    void vol_pour_stop();
    int16_t slider_sauve1 = 0, slider_sauve2 = 0, slider_sauve3 = 0;
    // enreg_destinataire.volume from a level back to the percent a list stores.
    void convertir_valeur_son_ecriture();

    // Connects the marquee and volume handlers above to their controls (by the constructor).
    void brancher_titres_et_volumes();


    // ---- Deck playback: play, stop and pause, supervision and hand-over, fade-out,
    // special and manual mix, play buttons.
    void play1();
    void play2();
    void play3();
    void stop_play1();
    void stop_play2();
    void stop_play3();
    void stop_play();
    void A_pause();
    void A_pause_1();
    void A_pause_2();
    void Mettre_en_pause();
    void Pas_demix_audio();
    void Timer2_Timer();
    // The error window of a playback tick that stopped the list ("T2", "T4").
    void signaler_erreur_tick(const QString& minuterie, const QString& description);
    void Timer3_Timer();
    void HLBSoftBttn8_Click();
    void HLBSoftBttn6_Click();
    void HLBSoftBttn7_Click();
    void HLBSoftBttn8_info_bulle();
    void HLBSoftBttn6_info_bulle();
    void HLBSoftBttn7_info_bulle();
    void manuel_mix();
    void select_bouton();
    void choix_mix_volume();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command3_MouseDown();
    void Command4_MouseDown();
    void Command6_MouseDown();
    void Command3_MouseMove();
    void Command4_MouseMove();
    void Command6_MouseMove();
    void Command3_MouseUp();
    void Command4_MouseUp();
    void Command6_MouseUp();
    // The same, by deck number (1 to 3).
    void jouer(int n);
    void reinitialiser_affichage(int n);
    void pause_lecteur(int n);
    void lancer_mix_special(int n);
    void info_bulle_mix_special(int n);
    void commande_play(int n);
    void info_bulle_play(int n);
    int16_t& drapeau_mix_special(int n);  // mix_special1..3
    int16_t& valeur_slider_sauve(int n);  // slider_sauve1..3
    // 1 while the deck was started by its special-mix button; its play clears it.
    int16_t mix_special1 = 0, mix_special2 = 0, mix_special3 = 0;
    // The new deck's whole second when a fade started.
    int16_t seconde_debut_fondu = 0;
    int16_t& seconde_debut_mix = seconde_debut_fondu;
    // Ends the fade now: the outgoing deck stopped and released as at its end second.
    void terminer_fondu();
    // The deck whose hand-over at its mix second was done (0 for none): once per track.
    int16_t passage_fait = 0;
    // Whether deck n's special mix has ended (stopped, unloaded or at its last second).
    bool mix_special_termine(int n);
    // Whether a special mix is sounding now over the deck on air (running, not at its end).
    bool mix_special_sonore();
    bool mix_special_sonore(int n);

    // ---- Automatic playback: overlap choice, list start and stop, deck-mix mode, zapping.
    void Choix_mix();
    void Start_liste();
    void stoppe_list();
    void stoppe_liste();
    void coche2_Click();
    void Active_audio_zapping_Click();
    void zap1();
    void zap2();
    void zap3();
    void zapper(int depuis, bool noter_debut_fondu = true);
    // The fade of the outgoing deck runs from now on (Timer3 on, at the fade interval).
    void lancer_fondu();
    // The whole seconds played become the end of the entry on air in the list file.
    void noter_fin_zap(int16_t secondes);
    // Automatic insertion of jingles and new tracks (src/automation/insertion.cpp).
    void Timer8_Timer();
    void Timer9_Timer();
    void ouvre_fichier();
    void ouvre_fichier1();
    int16_t dernier_jingle_tire = 0, dernier_new_tire = 0;  // record drawn by the last insertion
    int16_t clignote_jingle = 0, clignote_new = 0;  // -1 / 0: blink phase of the switch labels
    // Modes, play orders and fade options (connected by brancher_modes, at construction).
    void brancher_modes();
    void a_mode_auto_Click();
    void a_mode_manuel_Click();
    void a_mode_predefini_Click();
    void coche2_GotFocus();
    void coche3_Click();
    void coche4_Click();
    void coche4_MouseMove();
    void A_ordre_aléatoire_Click();
    void A_ordre_continue_Click();
    void Active_audio_Click();
    void Active_audio_jingles_Click();
    void Désactive_audio_Click();
    void Afficher_C_aleatoire_Click();
    // The list sequencer (prepares the next entry on the next deck) and the list chaining
    // (starts it at the mix point or the end of the track).
    void Timer1_Timer();
    void Timer4_Timer();
    // chemin_entree_liste -> the entry's file on disk, or "" (a missing file's row is removed).
    void detecte_fichier_liste();
    // From the row in hand (index_liste_en_cours, chemin_entree_liste): checks its file and
    // moves on with `suivante` until a row can be played; a full pass for nothing is an error.
    void chercher_entree_jouable(const std::function<void()>& suivante);
    // Loads on deck n the row `chercher` settles on; a file the deck cannot render leaves the
    // list (retirer_entree_liste) and `suivante` moves on to the next candidate, in the same
    // tick, until a load succeeds. The deck on air is not touched meanwhile.
    void charger_entree_jouable(int n, const std::function<void()>& chercher, const std::function<void()>& suivante);
    // The row index_liste_en_cours leaves the view and the list file; the index names the row
    // before it, so that the next row is the one that moved up.
    void retirer_ligne_en_cours();
    // The same for an entry that cannot be played, with the journal line and the notice.
    void retirer_entree_liste();
    // In random order the zaps take the row the sequencer drew (once), else a draw without repeat.
    void reprendre_au_hasard();
    // The mix point last computed by the chaining tick; empty until then.
    QString seconde_mix_liste;
    // The random draw without repeat, traced in the history window with the caller's tags.
    void tirer_sans_repetition(const QString& tag_nul, const QString& tag_ok);
    // The list-order zap from deck `depuis` to the next deck of the ring.
    void zapper_liste(int depuis);

    // ---- Used by deck playback, owned by the transport buttons and the menu bar.
    void HLBSoftBttn12_Click();
    void HLBSoftBttn13_Click();
    void HLBSoftBttn14_Click();
    void Form_DblClick();

    // ---- Opening files onto decks, transport, seeking, quick-load lists and deck menus.
    // Open buttons: the file dialog, a file dragged from the file manager, data dropped from
    // another program, and the pressed picture.
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();
    void Command1_DragDrop();
    void Command2_DragDrop();
    void Command7_DragDrop();
    void Command1_OLEDragDrop(const QStringList& fichiers);
    void Command2_OLEDragDrop(const QStringList& fichiers);
    void Command7_OLEDragDrop(const QStringList& fichiers);
    // Transport: zap, stop, pause, keep the volume in the list entry, fill a quick-load list.
    void HLBSoftBttn1_Click();
    void HLBSoftBttn2_Click();
    void HLBSoftBttn3_Click();
    void HLBSoftBttn9_Click();
    void HLBSoftBttn10_Click();
    void HLBSoftBttn11_Click();
    void HLBSoftBttn15_Click();
    void HLBSoftBttn16_Click();
    void HLBSoftBttn17_Click();
    void HLBSoftBttn15_info_bulle();
    void HLBSoftBttn16_info_bulle();
    void HLBSoftBttn17_info_bulle();
    void HLBSoftBttn4_Click();
    void HLBSoftBttn5_Click();
    // Seeking: rewind, skip, click on the position bar, pointer over it.
    void HLBSoftBttn18_Click();
    void HLBSoftBttn19_Click();
    void HLBSoftBttn20_Click();
    void ReyCommand1_Click();
    void ReyCommand2_Click();
    void ReyCommand3_Click();
    void picProgBack_positionner(int Button, int Shift, float X, float Y);
    void picProgBack1_positionner(int Button, int Shift, float X, float Y);
    void picProgBack2_positionner(int Button, int Shift, float X, float Y);
    void picProgBack_info_bulle(int Button, int Shift, float X, float Y);
    void picProgBack1_info_bulle(int Button, int Shift, float X, float Y);
    void picProgBack2_info_bulle(int Button, int Shift, float X, float Y);
    // Quick-load lists, their deck pop-ups and the unload menu.
    void Combo1_Click();
    void Combo2_Click();
    void Combo1_KeyPress(int16_t& KeyAscii);
    void Combo2_KeyPress(int16_t& KeyAscii);
    void Combo1_KeyUp();
    void cha_Click();
    void char_F_Click();
    void A_décharge_1_Click();
    void A_décharge_2_Click();
    void A_décharge_3_Click();
    // Deck menus.
    void lect1_Click();
    void lect2_Click();
    void lect3_Click();
    void lect1_F_Click();
    void lect2_F_Click();
    void lect3_F_Click();
    void lire_1_Click();
    void lire_2_Click();
    void lire_3_Click();
    void Mix1_Click();
    void Mix2_Click();
    void Mix3_Click();
    void lire_play_Click();
    void liste__Click();
    void live__Click();
    // The main window's own access to list files: read the entry chosen in a quick-load
    // list, fill a quick-load list, show the lists' captions.
    void lire();
    void Charge_combo();
    void active_text_combo();

    // The deck routines behind the per-deck handlers (n = 1 to 3).
    void ouvrir_fichier(int n);
    void deposer_depuis_gestionnaire(int n);
    void deposer_donnees(int n, const QStringList& fichiers);
    void arreter_lecteur(int n);
    void garder_volume(int n);
    void reculer(int n);
    void avancer(int n);
    void positionner(int n, float X);
    void info_bulle_barre(int n, float X);
    void charger_rapide(int n, bool jingles);
    void decharger_lecteur(int n);
    // The zap that the deck's zap button runs now: the list-order zap when the playlist
    // plays in random order or to a defined end or duration, the plain zap otherwise; none in
    // manual mode.
    using Procedure = void (Radio_FM::*)();
    Procedure zap_choisi(int n) const;

    // Which quick-load list Charge_combo fills: 1 / 2 Combo1 / Combo2 through the file
    // dialog, 3 / 4 Combo1 / Combo2 from the stored Load_combo1 / Load_combo2.
    int16_t choix_combo = 0;
    int16_t& mode_combo = choix_combo;
    // The list file whose record lire reads.
    QString chemin_liste_lire;
    QString& chemin_combo = chemin_liste_lire;

    // Procedures of the neighbouring features that the handlers above call.
    void zap11();
    void zap12();
    void zap13();
    void A_sauve();
    void Image12_Click();
    // ---- end of opening, transport, seeking, quick-load lists and deck menus

    // ---- Skin buttons and the label menu bar.
    void Image1_Click();
    void Image6_MouseDown();
    void Image6_MouseUp();
    void Image12_MouseDown();
    void Image12_MouseUp();
    void Image13_MouseDown();
    void Image13_MouseUp();
    void Image14_MouseUp();
    void Image15_MouseUp();
    void Image16_Click();
    // Overlap one second down (-1) or up (+1), with the preload rule.
    void pas_superposition(int sens);
    void Label12_Click();
    void Label13_Click();
    void Label14_Click();
    void Label15_Click();
    void Label16_Click();
    void Label17_Click();
    void Label18_Click();
    void Label19_Click();
    void Label20_Click();
    void Label25_MouseUp();
    // Pointer over a label of the menu bar: coul_label + 18000 when that is a colour.
    void survol_label(Label& l);
    // Loads a skin picture of the program folder; error 53 when it cannot be read.
    void image_skin(Image& image, const char* nom);
    // The list button or key in manual mode: says so and goes back to the deck-to-deck mix.
    void refus_mode_manuel();

    // ---- The display menu: modes, placing, visual effect, volume sliders, banner.
    void a_mini_Click();
    void Affiche_Fenetre_P_Click();
    void Affiche_Fenetre_L_Click();
    void affiche_toujour_Click();
    void affiche_tout_Click();
    void Affiche_barre_Click();
    void Aligner_liste_Click();
    void a_droite_haut_Click();
    void a_gauche_haut_Click();
    void A_visuel_active_Click();
    void A_visuel_desactive_Click();
    void A_affichage1_Click();
    void A_affichage2_Click();
    void aa_montrer_curseur_Click();
    void aa_cacher_curseur_Click();
    // The web banner's address; empty: the local banner chemin_banniere plays instead.
    static const char* const AdresseBanniereWeb;
    // The banner plays source (the local banner when source is empty), looping.
    void lancer_banniere(const QString& source);

    // ---- Window background, overlap box and small menu commands.
    void Form_Click();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);
    void Text1_MouseMove();
    void ecoute_Click();
    void ouvre_L_Click();
    void ouvrir_liste_Click();
    void nom_radio_Click();
    void Option__Click();
    void nb_fich_Click();
    void Supprimer_recherche_Click();
    void Modifie_banniere_Click();

    // ---- Keyboard: one command per typed character (the window sees every key first).
    void Form_KeyPress(int16_t KeyAscii);
    void Form_KeyDown(int /*KeyCode*/, int /*Shift*/) {}
    void Form_KeyUp(int /*KeyCode*/, int /*Shift*/) {}
    bool coin_haut_droit = false;  // the last "²" went to the top right corner
    bool liste_refusee_a_l_appui = false;  // the list button's press has said "manual mode"
    // The command of a typed character (null outside the table).
    Procedure commande_touche(int16_t KeyAscii) const;
    // H / B: one volume step up / down on the deck on air; L: list mode; ²: the other corner.
    void volume_plus();
    void volume_moins();
    void touche_liste();
    void touche_coin();
    // Runs the handler of the deck on air (lecteur_en_cours 1, 2, 3); false when none is.
    bool sur_lecteur_en_cours(Procedure deck1, Procedure deck2, Procedure deck3);

    // Commands of neighbouring features that the skin, menus and keys call.
    void zapping();

    // Connects the skin, menu, pointer and keyboard handlers above (by the constructor).
    void brancher_commandes();
    void brancher_menus();
    void brancher_clavier();

    // ---- Option menu, journal and outside programs (src/windows/Radio_FM_options.cpp).
    void A_gere_Click();
    void A_lecteur_CD_Win_Click();
    void a_assosiation_Click();
    void A_glisser_déplacer_Click();
    void Active_journal_Click();
    void Active_journal1_Click();
    void A_desacive_J_Click();
    void A_purger_journal_Click();
    void A_ouvre_journal_Click();
    void A_def_jingles_Click();
    void A_def_musique_Click();
    void a_editeur_audio_Click();
    void a_vol_Click();
    void aideprog_Click();
    void a_pp_Click();
    // The desktop programs that stand for the system's own tools, tried in this order.
    static const QStringList LecteursCD, LecteursMultimedia, MixeursVolume, EditeursTexte;
    // The file manager's path-choice modes (jingles, music folder, audio editor).
    enum class CheminChoisi { Jingles, Musique, Editeur };
    void choisir_chemin(CheminChoisi choix);
    // Connects the handlers above to their menu items (by the constructor; the file manager
    // and help items are connected with the other menus).
    void brancher_options();

private:
    void brancher_lecture();
    void relier_ouverture_transport();
    void construire_menus();
    void disposer();
    void habiller();

    QMenuBar* m_barre = nullptr;
};
