#pragma once
// The file manager: browsing, its action panel, the tag editor panel and quick listen. Other
// windows put it in a mode by writing its caption and Label7's caption before showing it.
// Procedures live in src/filemanager/.
#include <QFrame>
#include <QString>
#include <functional>
#include <memory>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/listes_fichiers.h"
#include "platform/media.h"

namespace travail {
class Travail;
}

class ajout_fichier : public FormInstance<ajout_fichier> {
public:
    ajout_fichier();
    ~ajout_fichier() override;
    void Form_Load() override;

    // ---- Browsing: the decks' path check points these at the folder of a deck's file.
    DriveListBox Drive1{this};
    DirListBox Dir1{this};
    FileListBox File1{this};
    ComboBox Combo1{this};      // file type filter, copied into File1's pattern
    ComboBox Combo2{this};      // genre of the tag editor, and of the entries added
    TextBox Text1{this};        // the current folder
    Label Label5{this};         // "Fichier : " and the selected name
    Label Label10{this};        // duration of the selection; click: the folder's listening time
    Label Label3{this};         // file count, progress
    Label Label2{this};         // search status
    Label Label6{this};         // "Fermer"
    Label Label7{this};         // the action, named by its caption
    Label Label8{this};         // validates the tool mode, or activates quick listen
    Label Label9{this};         // brings the playlist forward
    CommandButton Command1{this};  // always on top
    CommandButton Command2{this};  // quick listen
    OwnerDrawnButton HLBSoftBttn1{this};  // quick listen: play
    OwnerDrawnButton HLBSoftBttn2{this};  // stop
    OwnerDrawnButton HLBSoftBttn3{this};  // next ("Go !")
    QFrame Frame1{this};
    Image Image1{this};

    // Pop-up menus of the file list and the folder list.
    MenuItem A_menu{this, "A_menu_cache", MenuItem::SousMenu};
    MenuItem A_active{this, "Active l'ajout fichier dans la liste"};
    MenuItem A_jouter{this, "Ajouter ce fichier a la liste"};
    MenuItem A_Renome{this, "Renommer le fichier"};
    MenuItem A_renommer_bloc{this, "Renommer par bloc (dossier)"};
    MenuItem A_deplace{this, "Copier le fichier"};
    MenuItem A_deplace_tout{this, "Copier tous les fichiers"};
    MenuItem A_supprime{this, "Supprimer le fichier"};
    MenuItem A_supprime_tout{this, "Supprimer tous les fichiers"};
    MenuItem a_edite{this, "Visualiser / Editer tag fichier"};
    MenuItem a_modifie{this, "Modifier ce fichier (wav ou autre si votre éditeur le permet)"};
    MenuItem A_Rafraichir{this, "Rafraichir"};
    MenuItem a_dossier{this, "Dossier", MenuItem::SousMenu};
    MenuItem A_Creer_un_dossier{this, "Créer un dossier"};
    MenuItem A_renommer_dossier{this, "Renommer un dossier"};
    MenuItem A_Supprimer_un_dossier{this, "Supprimer ce dossier"};

    // ---- Window state.
    int16_t toujours_visible = 0;  // -1: held above every window
    int32_t retour_api = 0;
    QString chemin_selection;        // full path of the selected file
    FilgraphManager graphe_mesure;   // measures the selected file
    IMediaPosition position_mesure;
    IBasicAudio audio_mesure;
    int16_t fichier_illisible = 0;   // the media layer refused the selected file
    QString fichier_present;         // "oui" / "non" (Controle_existence)

    // ---- Browsing handlers (src/filemanager/parcours.cpp).
    void Combo1_Click();
    void Combo1_Change();
    void Command1_Click();
    void Drive1_Change();
    void Dir1_Click();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void File1_KeyUp();
    void File1_MouseMove(int Button);
    void File1_PathChange();
    void Label10_Click();
    void Label6_Click();
    void Label9_Click();
    void survol(Label& l);    // Label6..9_MouseMove
    void fin_survol();        // Form, Frame1, Image1 MouseMove
    // Releases the window from the top layer, or holds it there.
    void liberer_du_dessus();
    void garder_au_dessus();
    // The folder of Dir1 as paths are built from it: with its final "/".
    QString dossier_courant() const;

    // ---- Action panel (src/filemanager/actions.cpp).
    void Label7_Click();
    void Label8_Click();
    void Controle_existence();
    void A_active_Click();
    void A_jouter_Click();

    // ---- Disk search (src/filemanager/recherche.cpp).
    void lance_recherche();
    int16_t recherche_active = 0;  // -1 while a search runs; lance_recherche stops it
    // The walk from `depart` on a worker, the matches inserted into the playlist as they come;
    // `apres` runs on the window thread once the rows are in (false: stopped early). False,
    // and nothing started, while another long work of the window runs.
    bool recherche_fichiers(const QString& depart, std::function<void(bool complet)> apres);
    // The "Rechercher" action once the folder is open: walk, then save and update the list.
    void lancer_la_recherche();

    // ---- Long work (the listening time, "Ajouter un dossier", the search): the disk work on a
    // worker, one at a time; a start while one runs is refused.
    bool occupe() const;

    // ---- Tag editor panel (src/filemanager/editeur_tag.cpp).
    TextBox txtv1Titre{this};
    TextBox txtv1Artiste{this};
    TextBox txtv1Album{this};
    TextBox txtv1Annee{this};
    TextBox txtv1Piste{this};
    TextBox txtv1Commentaire{this};
    OwnerDrawnButton cmdv1v2{this, QStringLiteral("Modifier")};
    OwnerDrawnButton Command4{this, QStringLiteral("Reduire")};
    CommandButton Command13{this, QStringLiteral("*")};
    CommandButton Command7{this, QStringLiteral("*")};
    CommandButton Command10{this, QStringLiteral("*")};
    CommandButton Command8{this, QStringLiteral("-")};
    CommandButton Command9{this, QStringLiteral("*")};
    CommandButton Command11{this, QStringLiteral("*")};
    CommandButton Command12{this, QStringLiteral("-")};
    TextBox txtmasque{this};
    CommandButton Command6{this, QStringLiteral("Sauvegarder paramètres")};
    QString artiste_par_defaut;
    QString commentaire_par_defaut;

    void loadtags(const QString& chemin);
    static QString nom_genre(int16_t numero);
    static int16_t numero_genre(const QString& nom);
    void cmdv1v2_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void recup_N_fich();
    // A file of the list dropped on a tag box.
    void txtv1Titre_DragDrop();
    void txtv1Artiste_DragDrop();
    void txtv1Commentaire_DragDrop();
    void txtv1Album_DragDrop();
    void a_edite_Click();

    // ---- Quick listen (src/filemanager/ecoute.cpp).
    void Command2_Click();
    void HLBSoftBttn1_Click();
    void HLBSoftBttn2_Click();
    void HLBSoftBttn3_Click();

    // ---- File and folder commands (src/filemanager/commandes_fichiers.cpp).
    QString nom_dossier;  // the folder name taken from Text1 by nom_de_dossier
    void A_menu_Click();
    void A_Renome_Click();
    void A_renommer_bloc_Click();
    void A_deplace_Click();
    void A_deplace_tout_Click();
    void A_supprime_Click();
    void A_supprime_tout_Click();
    void a_modifie_Click();
    void A_Rafraichir_Click();
    void A_Creer_un_dossier_Click();
    void A_renommer_dossier_Click();
    void A_Supprimer_un_dossier_Click();
    void nom_de_dossier();
    // A new backup folder for a delete-all; error 75 when none can be made.
    static QString nouveau_dossier_sauvegarde();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void brancher();
    void disposer();
    // Selection of the file at list index i, as a click on it (quick listen's next file).
    void selectionner(int index);
    // A file's exact length and its tag's genre name, for the folder walks: safe on a worker.
    struct Mesure {
        bool ok = false;
        double duree = 0;
        QString genre;
        QString erreur;  // the media layer's description when !ok
    };
    static Mesure mesurer(const QString& chemin);
    // The long work running, if any.
    std::shared_ptr<travail::Travail> m_travail;
    // One row of the playlist for the selected file (add commands).
    void ajouter_ligne(int position, bool jingle);
    QPoint m_appui;  // where the button went down in the file list
    // "Ajouter un dossier" of the files listed now.
    void ajouter_dossier();
    void defaut_de_session(QString& defaut, const QString& invite, const QString& titre, const QString& propose,
                           TextBox& boite);
};

// The window's own names for the genre table's bounds.
namespace genres {
constexpr int Nombre = 148;
}
