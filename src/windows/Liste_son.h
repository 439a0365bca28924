#pragma once
// The playlist window: the list and its commands. Its controls come with its own features.
#include "platform/controles.h"
#include "platform/dialogue_commun.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/liste_vue.h"

class Liste_son : public FormInstance<Liste_son> {
public:
    Liste_son();

    // ---- The list, the file on air and the list-play options.
    ListView ListView1{this};  // the playlist
    Label Label1{this};        // "En cours index N° : (row)"
    Label Label2{this};        // short name of the file on air
    Label Label4{this};        // time left, hh:mm:ss
    Label Label11{this};       // deck-mix status
    Label Label12{this};       // zapping state
    Image Image1{this};        // list play
    Image Image2{this};        // zap
    // List play: 1 continuous by the decks, 2 random, 3 defined end, 4 track duration.
    OptionButton Option1{this, QStringLiteral("Lecture continue")};
    OptionButton Option2{this, QStringLiteral("Lecture aléatoire")};
    OptionButton Option3{this, QStringLiteral("Fin définie")};
    OptionButton Option4{this, QStringLiteral("Durée piste")};
    void Option1_Click();
    // List play (automation).
    Label Label3{this};   // what plays: "Liste", "( - - )", position and mix point
    Label Label13{this};  // time of day
    Image Image3{this};   // stop
    MenuItem A_precoute{this, "Pré-écoute"};
    MenuItem A_a_zapping{this, "Mode zapping"};
    void lect_liste();
    void sauve_tout();
    void lire_enreg_destinataire();

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
};
