#pragma once
// The playlist window: the list view that mirrors the current list file, its labels used as
// buttons, the search box with saved searches, the picture buttons of list play and four
// pop-up menus. The list file procedures live in src/playlist/, the play controls in
// src/automation/.
#include <QPersistentModelIndex>
#include <cstdint>

#include "config/etat.h"
#include "platform/controles.h"
#include "platform/dialogue_commun.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/liste_vue.h"
#include "platform/media.h"
#include "playlist/suivi_liste.h"

class Liste_son : public FormInstance<Liste_son> {
public:
    Liste_son();
    ~Liste_son() override;

    // ---- The list, the file on air and the list-play options.
    ListView ListView1{this};  // the playlist: one row per record of the current list file
    // Keeps list play's row numbers (the cursor, the entry on air, ...) on their entries
    // whatever edits the view.
    SuiviListe suivi{ListView1};
    Label Label1{this};        // status line; a click shows the list alone
    Label Label2{this};        // title line: the entry on air
    Label Label3{this};        // what plays: "Liste", "( - - )", position and mix point
    Label Label4{this};        // time left, hh:mm:ss
    Label Label11{this};       // "A.." display menu; the deck-mix status is written over it
    Label Label12{this};       // zapping state
    Label Label13{this};       // time of day of the last list hand-over
    Image Image1{this};        // list play
    Image Image2{this};        // zap
    Image Image3{this};        // stop the list
    Image Image4{this};        // select the entry on air
    Image Image5{this};        // show the main window in full
    Image Image6{this};        // the look menu
    Image Image7{this};        // help
    Image Image8{this};        // the main window's display menu
    // List play: 1 continuous by the decks, 2 random, 3 defined end, 4 track duration.
    OptionButton Option1{this, QStringLiteral("Lecture continue")};
    OptionButton Option2{this, QStringLiteral("Lecture aléatoire")};
    OptionButton Option3{this, QStringLiteral("Fin définie")};
    OptionButton Option4{this, QStringLiteral("Durée piste")};
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option1_MouseMove();
    void Option2_MouseMove();
    void Option3_MouseMove();
    void Option4_MouseMove();
    // List play: deck 1 starts the list (automation).
    void lect_liste();

    // ---- Labels used as buttons (menu bar of the window).
    Label Label5{this};   // "&Liste"
    Label Label6{this};   // "S&uppr."
    Label Label7{this};   // "&Ajouter"
    Label Label8{this};   // "&Enreg.."
    Label Label9{this};   // "Fermer"
    Label Label10{this};  // "S": keep the search
    TextBox Text2{this};  // hidden: the path in hand (list file, or entry before a deck load)

    // ==== Colours, settings and journal (configuration) ====
    ComboBox Combo1{this};
    Label Label14{this};  // "Jingle auto On" / "Jingle auto / Off"
    Label Label15{this};  // "New auto On" / "New auto / Off"
    Label Label24{this};  // title
    Image Image10{this};  // logo
    DialogueCommun CommonDialog1{this};
    QString ligne_journal;  // the pending journal record

    // The colour and picture menu "Look".
    MenuItem A_looK{this, "Look", MenuItem::SousMenu};
    MenuItem logofond{this, "Image de fond"};
    MenuItem A_coul_fenètre{this, "Couleur Fond"};
    MenuItem a_coul_label{this, "Couleur texte"};
    MenuItem logo_{this, "Image Menu liste"};
    MenuItem logo_liste{this, "Image fond liste"};
    MenuItem A_coul_fond_liste{this, "Couleur Fond liste"};
    MenuItem A_coul_texte_liste{this, "Couleur texte liste"};
    MenuItem logo_menu_fichier{this, "Image Menu fichier"};
    MenuItem a_coul_bouton{this, "Couleur Bouton"};
    MenuItem A_coul_text_bouton{this, "Couleur texte Bouton"};
    MenuItem a_coul_bouton_groupe_lecture{this, "Couleur bouton (groupe lecture)"};
    MenuItem A_revenir_couleur{this, "Revenir au couleur par défaut"};
    MenuItem T_Printemps{this, "Teinte préchargée : Printemps"};
    MenuItem T_Eté{this, "Teinte préchargée : Eté"};
    MenuItem T_Autonne{this, "Teinte préchargée : Automne"};
    MenuItem T_Hiver{this, "Teinte préchargée : Hiver"};

    void journal();
    void a_coul_bouton_Click() {}
    void a_coul_bouton_groupe_lecture_Click() {}
    void A_coul_fond_liste_Click() {}
    void A_coul_text_bouton_Click() {}
    void A_coul_fenètre_Click();
    void A_coul_texte_liste_Click();
    void a_coul_label_Click();
    void T_Autonne_Click();
    void T_Eté_Click();
    void T_Hiver_Click();
    void T_Printemps_Click();
    void A_revenir_couleur_Click();

    // Built by the playlist subsystems; the start-up calls them for a list on the command line.
    void A_liste_Click();
    void Image1_Click();
    // ==== end of the configuration block ====

    // ==== The list pop-up "Load_play" ====
    MenuItem Load_Pl{this, "Load_play", MenuItem::SousMenu};
    MenuItem A_a_zapping{this, "Mode enchainement auto liste"};
    MenuItem A_precoute{this, "Pré - écoute fichier"};
    MenuItem lect_{this, "Lecture liste"};
    MenuItem prechar_fich{this, "Tester l'existance du fichier"};
    MenuItem prechar{this, "Tester l'existance des fichiers de cette liste"};
    MenuItem Modifier_lettre_lecteur{this, "Modifier uniquement la lettre du lecteur sur toute la liste"};
    MenuItem A_Debut_piste{this, "Modifier le debut piste", MenuItem::SousMenu};
    MenuItem a_debutpiste{this, "Modifier le debut piste sur toute la liste"};
    MenuItem a_debutpiste_fichier{this, "Modifier le debut piste sur ce fichier"};
    MenuItem Modifier_volume{this, "Modifier le volume sur toute la liste"};
    MenuItem a_mettre_a_jour{this, "Mettre a jour les infos de ce fichier"};
    MenuItem a_mettre_a_jour_liste{this, "Mettre a jour les infos de la liste"};
    MenuItem a_modif{this, "Propriété du fichier sélectionné"};
    MenuItem A_sauve{this, "Sauver les modifications dans le fichier par défaut"};
    MenuItem a_Ne_pas_Sauve{this, "Ne pas sauver les modifications dans le fichier par défaut"};
    MenuItem modifier_chemin{this, "Modifier le chemin sur la liste"};
    MenuItem modifier_chemin_non{this, "Ne pas modifier directement , le chemin sur la liste"};
    MenuItem a_modifie_morceau{this, "Modifier ce fichier (wav ou autre si votre éditeur le permet)"};
    MenuItem ajout_tous{this, "Ajouter", MenuItem::SousMenu};
    MenuItem ajout_jingl{this, "Ajouter un jingle mp3 ; wav ; wma .."};
    MenuItem ajout_fich{this, "Ajouter un fichier mp3 ; wav ; wma.."};
    MenuItem ajout_fich_reseau{this, "Ajouter un fichier avec l'explorateur de Windows (Glisser / déplacer)"};
    MenuItem ajout_fichs{this, "Ajouter un dossier"};
    MenuItem A_recherche{this, "Recherche auto sur disque"};
    MenuItem char1{this, "Charger lecteur 1"};
    MenuItem char2{this, "Charger lecteur 2"};
    MenuItem char3{this, "Charger lecteur 3"};
    MenuItem A_Charge{this, "Charger une liste"};
    MenuItem A_ecoute{this, "* Lire ce morceau  * ( jingles sélectionné)"};
    MenuItem A_ecoute_option{this, "* Paramètre insertion auto (Jingles News etc..)"};
    MenuItem supprime{this, "Supprimer"};
    MenuItem Couper_{this, "Couper"};
    MenuItem copier_{this, "Copier"};
    MenuItem coller_{this, "Coller"};
    MenuItem par_inser{this, "Paramètre insertion", MenuItem::SousMenu};
    MenuItem inser_avant{this, "Insérer avant l'élément sélectionné"};
    MenuItem inser_apres{this, "Insérer après l'élément sélectionné"};
    MenuItem inser_fin{this, "Insérer en fin de liste"};
    MenuItem A_conserver{this, "Conserver dans la recherche"};
    MenuItem A_enreg_sous{this, "Enregistrer la liste sous"};
    // ---- "efface" and "A_Charge"
    MenuItem efface_{this, "efface", MenuItem::SousMenu};
    MenuItem Supprimer_fichier{this, "&Supprimer le fichier"};
    MenuItem A_Charge_liste{this, "A_Charge", MenuItem::SousMenu};
    MenuItem A_liste{this, "Charger liste (C)"};
    MenuItem Effacer_liste{this, "Effacer la liste (V)"};
    MenuItem A_imprime{this, "Imprime liste"};
    MenuItem A_liste_anciene{this, "Ouvrir le fichier par défaut (liste.dfm)"};
    MenuItem Convertion{this, "Convertir liste V < V 5.8.0"};
    MenuItem A_Copen_rfm{this, "Ouvrir liste .rfm < V 5.8.0"};
    MenuItem A_Convertir_dfm{this, "Sauvegarder en liste .dfm => V 5.8.0"};

    // ---- Window values shared by the list file procedures.
    QString nom_fichier_liste;       // the list file name in hand
    QString chemin_liste_ouverte;    // the name the save-as dialog offers
    Drapeau erreur_enregistrement = Faux;  // the last save-as failed
    int32_t num_enreg_survol = 0;    // record number of the dragged row
    Drapeau volume_nul_signale = Faux;     // the zero-volume notice was shown
    // ---- Window shell state.
    double hauteur_initiale = 0;     // height at load, twips
    Drapeau liste_agrandie = Faux;   // -1 after the full-height layout, 0 after the docked one
    int32_t index_glisse = 0;        // row being dragged (1-based)
    int16_t sens_tri = 0;            // direction of the next column sort
    bool KeyPreview = true;          // the window's key table sees typed keys first

    // ---- The list file (src/playlist).
    void sauve_tout();
    void charge_liste();
    // The entry of row num_enreg_destinataire as the view shows it (the view, not the file, is
    // the list) into enreg_destinataire; a row that is not in the view is error 63.
    void lire_enreg_destinataire();
    void lire_enreg_dragdrop();
    void convertir_valeur_son_ecriture();
    // Opening, saving and deleting lists.
    void A_Charge_Click();
    void A_liste_anciene_Click();
    void A_enreg_sous_Click();
    void Label8_Click();
    void Effacer_liste_Click();
    void Supprimer_fichier_Click();
    void A_sauve_Click();
    void a_Ne_pas_Sauve_Click();
    void A_conserver_Click();
    void detecte_extention();
    void recup_nom();
    void recup_nom_du_fichier();
    // While a_Ne_pas_Sauve is checked the commands that rewrite the list refuse: shows the
    // refusal and returns true.
    bool sauvegarde_refusee();
    // The last rewrite of the list failed: the rows on screen, not the file, hold the list.
    bool sauvegarde_en_echec = false;
    // False, with the reason shown, when a command that rebuilds rows from the list file would
    // bring back the stale file over the rows on screen.
    bool liste_sauvegardee();
    // Saved searches.
    void charge_recherche();
    void enregistre_recherche();

    // ---- Window shell.
    // Unloads the window; while a file check or an information update of the list runs, the
    // unload waits for its end (its windows and flags restored first).
    static void decharger();
    void Form_Load() override;
    void Form_Resize();
    void Form_Unload(int16_t& Cancel);
    void Form_Unload() override;
    void Form_Click();
    void Form_MouseMove();
    void Form_KeyPress(int16_t KeyAscii);
    void a_mettre_Enabled();
    void Aligne_liste_son();
    // Under the main window, as wide as it, at the docked height or what the screen leaves.
    void ancrer();
    void ListView1_Click();
    void ListView1_DragOver(float X, float Y);
    void ListView1_KeyDown(int KeyCode);
    void ListView1_KeyPress(int16_t KeyAscii);
    void ListView1_KeyUp();
    void ListView1_MouseMove(int Button);
    void ListView1_MouseUp(int Button);
    void Combo1_Change();
    void Combo1_Click();
    void Combo1_GotFocus();
    void Combo1_LostFocus();
    void Label1_Click();
    void Label2_MouseMove();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Label24_Click();
    void Label24_DblClick();
    void Load_Pl_Click();
    void A_imprime_Click();
    void A_recherche_Click();
    void Image6_Click();
    void logo_Click() {}
    void logo_liste_Click() {}
    void logo_menu_fichier_Click() {}
    void logofond_Click() {}

    // ---- Commands of the list editing, maintenance, import and properties features.
    void supprime_Click();
    void copier__Click();
    void Couper__Click();
    void coller__Click();
    void ListView1_DragDrop(float X, float Y);
    void ListView1_OLEDragDrop(const QStringList& fichiers);
    void ListView1_ColumnClick(int colonne);
    void ajout_fich_Click();
    void ajout_fichs_Click();
    void ajout_jingl_Click();
    void ajout_fich_reseau_Click();
    void inser_avant_Click();
    void inser_apres_Click();
    void inser_fin_Click();
    void modifier_chemin_Click();
    void modifier_chemin_non_Click();
    void prechar_fich_Click();
    void prechar_Click();
    void Modifier_lettre_lecteur_Click();
    void a_debutpiste_Click();
    void a_debutpiste_fichier_Click();
    void Modifier_volume_Click();
    void a_mettre_a_jour_Click();
    void a_mettre_a_jour_liste_Click();
    void a_modif_Click();
    void a_modifie_morceau_Click();
    void Convertion_Click();
    void A_Copen_rfm_Click();
    void A_Convertir_dfm_Click();
    // ---- List editing and maintenance (src/playlist).
    int32_t num_enreg_depot = 0;  // drop row of a row move
    int32_t ordre_tri = 0;        // next confirmed sort: 0 ascending, 1 descending
    // The row where dropped or added entries go (mode_insertion, ligne_insertion); 1 on an
    // empty list.
    int32_t ligne_de_depot();
    // Inserts the rows (text and five cells each) one after the other at the drop row, so
    // that several end up in reverse order; num_enreg_courant follows its entry and
    // ligne_insertion becomes the row. Returns that row. The caller saves.
    int32_t inserer_au_point(const QVector<QStringList>& lignes);
    // The list check of the maintenance commands: false (after the refusal) when the list in
    // hand is not held as a .dfm list.
    bool liste_au_format_dfm();

    // ---- Play controls of the list (src/automation).
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();
    void Image7_Click();
    void Mettre_en_pause();
    void A_a_zapping_Click();
    void A_precoute_Click();
    void A_ecoute_Click();
    void A_ecoute_option_Click();
    void char1_Click();
    void char2_Click();
    void char3_Click();
    void ListView1_DblClick();
    void Charg1_son();
    void charg2_son();
    void Charg3_son();
    void charger_sur_lecteur(int n);
    void stoppe_liste();
    // The pressed pictures of Image1..Image8 and the tooltip of Image4 (at construction).
    void brancher_boutons_lecture();
    // The automatic insertion switches (src/automation/insertion.cpp).
    void Label14_Click();
    void Label15_Click();
    void Label14_MouseMove();
    void Label15_MouseMove();
    void Label14_MouseDown();
    void Label15_MouseDown();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    bool prendre_liste(const QString& nom, const QByteArray& contenu, bool avait_des_lignes);
    // The list file named becomes the one in hand (current, print and save-as names); false
    // when the name holds no file name.
    bool prendre_nom_liste(const QString& nom);
    // The captions that name the list in hand and count its rows.
    void annoncer_liste();
    void construire_menus();
    void brancher();
    void disposer();
    // The hover and pressed colours of the labels used as buttons.
    void survol_labels();
    // Every label of the window back to coul_label (ends the hover effects).
    void couleur_labels_normale();
public:
    // A label lit (hovered, or the insertion switch's blink): light green on a dark plate, so
    // it reads over any part of the list's picture; unlit, `couleur` on the picture.
    static void eclairer(Label& l, bool allume, int32_t couleur);
    // The insertion switches say whether each insertion is on.
    void montrer_insertions();
protected:
    // Docked under the main window, or the screen's full height.
    void disposition_ancree();
    void disposition_pleine_hauteur();
    // Find-in-list over the search box's text.
    void chercher_dans_liste();
    // The list key table after the window's one.
    void touche_liste(int16_t KeyAscii);

    QPoint m_appui;  // where the button went down in the list
    // The row under the pointer when the list's pop-up opened: its commands act on it even
    // when the play moved the selection while the menu was open.
    QPersistentModelIndex m_ligne_du_menu;
    bool m_menu_contextuel = false;
    // The row being dragged, taken at the drag's first move over the list: list play may move
    // the selection or remove rows while the drag runs. Empty when it left the list.
    QPersistentModelIndex m_ligne_glissee;
    bool m_glisse_prise = false;
    void fin_glisse();
    bool m_menu_sur_ligne = false;  // the pop-up was opened on a row
    // False when the pop-up's row left the list while it was open (its command must not act
    // on another row).
    bool reprendre_ligne_du_menu();
};
