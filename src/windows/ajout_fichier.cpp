#include "windows/ajout_fichier.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/travail.h"

// Sizes in pixels (twips / 15): the browsing side ends at 446, the tag panel starts at 498
// (7470 twips) and the whole window is 740 wide (11100 twips).
namespace {
constexpr int LargeurPleine = 740;
constexpr int Hauteur = 486;
}  // namespace

ajout_fichier::ajout_fichier() {
    setWindowTitle(QStringLiteral("Ajout / Suppression / recherche fichier (s)"));
    // The colour theme and the label colour command find these by name.
    Drive1.setObjectName(QStringLiteral("Drive1"));
    Dir1.setObjectName(QStringLiteral("Dir1"));
    File1.setObjectName(QStringLiteral("File1"));
    Text1.setObjectName(QStringLiteral("Text1"));
    Frame1.setObjectName(QStringLiteral("Frame1"));
    Image1.setObjectName(QStringLiteral("Image1"));

    for (const char* m : {"*.mp3", "*.wav", "*.wma", "*.mid", "*.avi", "*.*"}) Combo1.AddItem(QString::fromUtf8(m));
    Combo1.setText(QStringLiteral("*.mp3"));
    Combo2.setText(QStringLiteral("Autre"));
    Label5.setCaption(QStringLiteral("Sonavel"));
    Label10.setCaption(QStringLiteral("00:00:00"));
    Label10.setToolTip(QStringLiteral("Temps d'écoute de ce dossier"));
    Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) :"));
    Label2.setCaption(QStringLiteral("Traitement en cours patientez !"));
    Label6.setCaption(QStringLiteral("Fermer"));
    Label6.setToolTip(QStringLiteral("Fermer"));
    Label7.setCaption(QStringLiteral("Ajouter un dossier"));
    Label7.setToolTip(QStringLiteral("Ajouter a la liste"));
    Label8.setCaption(QStringLiteral("Activer"));
    Label8.setToolTip(QStringLiteral("Activer l'écoute rapide"));
    Label9.setCaption(QStringLiteral("Liste"));
    Label9.setToolTip(QStringLiteral("Liste"));
    Command1.setCaption(QStringLiteral("Toujours visible / Off"));
    Command1.setToolTip(QStringLiteral("Toujours visible"));
    Command2.setCaption(QStringLiteral("►"));
    Command2.setToolTip(QStringLiteral("Pré-écoute"));
    HLBSoftBttn1.setCaption(QStringLiteral("►"));
    HLBSoftBttn2.setCaption(QStringLiteral("■"));
    HLBSoftBttn3.setCaption(QStringLiteral("Go !"));
    HLBSoftBttn3.setToolTip(QStringLiteral("Lire le fichier suivant"));
    for (QWidget* b : std::initializer_list<QWidget*>{&HLBSoftBttn1, &HLBSoftBttn2, &HLBSoftBttn3}) b->setEnabled(false);

    txtv1Titre.setText(QStringLiteral("Nom du fichier"));
    txtv1Artiste.setText(QStringLiteral("--"));
    txtv1Album.setText(QStringLiteral("--"));
    txtv1Commentaire.setText(QStringLiteral("--"));
    txtv1Annee.setMaxLength(4);
    txtv1Piste.setMaxLength(3);
    txtmasque.setText(QStringLiteral("%titre% %artiste% %album% %annee% %piste% %commentaire% %genre%"));
    txtmasque.setCursorPosition(0);
    Command7.setToolTip(QStringLiteral("Titre"));
    Command10.setToolTip(QStringLiteral("Artiste par défaut"));
    Command8.setToolTip(QStringLiteral("Clear"));
    Command9.setToolTip(QStringLiteral("Album"));
    Command11.setToolTip(QStringLiteral("Commentaire par défaut"));
    Command12.setToolTip(QStringLiteral("Clear"));

    for (MenuItem* m : {&A_active, &A_jouter}) A_menu.ajouter(*m);
    A_menu.ajouter_separateur();
    for (MenuItem* m : {&A_Renome, &A_renommer_bloc, &A_deplace, &A_deplace_tout, &A_supprime, &A_supprime_tout})
        A_menu.ajouter(*m);
    A_menu.ajouter_separateur();
    A_menu.ajouter(a_edite);
    A_menu.ajouter_separateur();
    A_menu.ajouter(a_modifie);
    A_menu.ajouter_separateur();
    A_menu.ajouter(A_Rafraichir);
    A_jouter.setEnabled(false);
    for (MenuItem* m : {&A_Creer_un_dossier, &A_renommer_dossier, &A_Supprimer_un_dossier}) a_dossier.ajouter(*m);

    disposer();
    brancher();
}

void ajout_fichier::disposer() {
    // The background areas first, so every control sits above them.
    Image1.setGeometry(0, 0, LargeurPleine, Hauteur);
    Image1.setStretch(true);
    Frame1.setGeometry(0, 0, 446, Hauteur);
    Frame1.setFrameShape(QFrame::NoFrame);
    Image1.lower();
    Frame1.stackUnder(&Drive1);

    Drive1.setGeometry(8, 8, 210, 26);
    Dir1.setGeometry(8, 38, 210, 250);
    Combo1.setGeometry(8, 292, 210, 26);
    File1.setGeometry(226, 8, 212, 310);
    Text1.setGeometry(8, 324, 430, 24);
    Label5.setGeometry(8, 352, 318, 20);
    Label10.setGeometry(330, 352, 108, 20);
    Label3.setGeometry(8, 374, 430, 20);
    Label2.setGeometry(8, 394, 430, 20);
    Label7.setGeometry(8, 418, 130, 24);
    Label8.setGeometry(144, 418, 80, 24);
    Label9.setGeometry(230, 418, 70, 24);
    Label6.setGeometry(306, 418, 70, 24);
    Command1.setGeometry(8, 450, 170, 28);
    Command2.setGeometry(186, 450, 40, 28);
    HLBSoftBttn1.setGeometry(232, 450, 40, 28);
    HLBSoftBttn2.setGeometry(276, 450, 40, 28);
    HLBSoftBttn3.setGeometry(320, 450, 56, 28);

    // Tag panel, right of 7470 twips: hidden by the narrow width of "Reduire".
    const int x = 498, xt = 584, lt = 100;
    auto legende = [this, x](const QString& texte, int y) {
        auto* l = new Label(this, texte);
        l->setBackStyle(0);
        l->setGeometry(x, y, 84, 24);
    };
    legende(QStringLiteral("Titre"), 8);
    txtv1Titre.setGeometry(xt, 8, lt, 24);
    Command7.setGeometry(686, 8, 24, 24);
    legende(QStringLiteral("Artiste"), 38);
    txtv1Artiste.setGeometry(xt, 38, lt, 24);
    Command10.setGeometry(686, 38, 24, 24);
    Command8.setGeometry(712, 38, 24, 24);
    legende(QStringLiteral("Album"), 68);
    txtv1Album.setGeometry(xt, 68, lt, 24);
    Command9.setGeometry(686, 68, 24, 24);
    legende(QStringLiteral("Année"), 98);
    txtv1Annee.setGeometry(xt, 98, 56, 24);
    Command13.setGeometry(644, 98, 24, 24);
    legende(QStringLiteral("Piste"), 128);
    txtv1Piste.setGeometry(xt, 128, 56, 24);
    legende(QStringLiteral("Commentaire"), 158);
    txtv1Commentaire.setGeometry(xt, 158, lt, 24);
    Command11.setGeometry(686, 158, 24, 24);
    Command12.setGeometry(712, 158, 24, 24);
    legende(QStringLiteral("Genre"), 188);
    Combo2.setGeometry(xt, 188, 150, 26);
    cmdv1v2.setGeometry(xt, 222, 76, 28);
    Command4.setGeometry(664, 222, 70, 28);
    legende(QStringLiteral("Masque"), 262);
    txtmasque.setGeometry(x, 288, 236, 24);
    Command6.setGeometry(x, 318, 236, 28);

    // Texts sit on the window's background; the labels used as buttons get a frame.
    for (Label* l : {&Label5, &Label10, &Label3, &Label2, &Label6, &Label7, &Label8, &Label9}) l->setBackStyle(0);
    for (Label* l : {&Label6, &Label7, &Label8, &Label9}) {
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
    }
    setFixedHeight(Hauteur);
    resize(LargeurPleine, Hauteur);
}

void ajout_fichier::brancher() {
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.Change = [this] { Combo1_Change(); };
    Command1.Click = [this] { Command1_Click(); };
    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Click = [this] { Dir1_Click(); };
    Dir1.Change = [this] { Dir1_Change(); };
    File1.Click = [this] { File1_Click(); };
    File1.DblClick = [this] { File1_DblClick(); };
    File1.PathChange = [this] { File1_PathChange(); };
    Label10.Click = [this] { Label10_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    Label9.Click = [this] { Label9_Click(); };
    for (Label* l : {&Label6, &Label7, &Label8, &Label9})
        l->MouseMove = [this, l](int, int, float, float) { survol(*l); };
    Image1.MouseMove = [this](int, int, float, float) { fin_survol(); };
    setMouseTracking(true);
    Frame1.setMouseTracking(true);

    A_menu.Click = [this] { A_menu_Click(); };
    A_active.Click = [this] { A_active_Click(); };
    A_jouter.Click = [this] { A_jouter_Click(); };
    A_Renome.Click = [this] { A_Renome_Click(); };
    A_renommer_bloc.Click = [this] { A_renommer_bloc_Click(); };
    A_deplace.Click = [this] { A_deplace_Click(); };
    A_deplace_tout.Click = [this] { A_deplace_tout_Click(); };
    A_supprime.Click = [this] { A_supprime_Click(); };
    A_supprime_tout.Click = [this] { A_supprime_tout_Click(); };
    a_edite.Click = [this] { a_edite_Click(); };
    a_modifie.Click = [this] { a_modifie_Click(); };
    A_Rafraichir.Click = [this] { A_Rafraichir_Click(); };
    A_Creer_un_dossier.Click = [this] { A_Creer_un_dossier_Click(); };
    A_renommer_dossier.Click = [this] { A_renommer_dossier_Click(); };
    A_Supprimer_un_dossier.Click = [this] { A_Supprimer_un_dossier_Click(); };

    cmdv1v2.Click = [this] { cmdv1v2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command10.Click = [this] { Command10_Click(); };
    Command11.Click = [this] { Command11_Click(); };
    Command12.Click = [this] { Command12_Click(); };
    Command13.Click = [this] { Command13_Click(); };

    Command2.Click = [this] { Command2_Click(); };
    HLBSoftBttn1.Click = [this] { HLBSoftBttn1_Click(); };
    HLBSoftBttn2.Click = [this] { HLBSoftBttn2_Click(); };
    HLBSoftBttn3.Click = [this] { HLBSoftBttn3_Click(); };

    // The file list's mouse and keys, the folder list's right button, and the tag boxes'
    // double clicks and drops come through one filter.
    File1.viewport()->setMouseTracking(true);
    File1.viewport()->installEventFilter(this);
    File1.installEventFilter(this);
    Dir1.viewport()->installEventFilter(this);
    for (QWidget* t : std::initializer_list<QWidget*>{&txtv1Titre, &txtv1Artiste, &txtv1Album, &txtv1Commentaire,
                                                      &txtv1Annee, &txtv1Piste})
        t->installEventFilter(this);
    if (Combo2.lineEdit()) Combo2.lineEdit()->installEventFilter(this);
}

// The filtered controls go before the window: their children's last events must not reach a
// filter that asks a half-destroyed control for its parts.
ajout_fichier::~ajout_fichier() {
    // A long work of the window stops with it; its end still gives the pointer back.
    if (m_travail) m_travail->arreter();
    for (QObject* o : std::initializer_list<QObject*>{File1.viewport(), &File1, Dir1.viewport(), &txtv1Titre,
                                                      &txtv1Artiste, &txtv1Album, &txtv1Commentaire, &txtv1Annee,
                                                      &txtv1Piste, Combo2.lineEdit()})
        if (o) o->removeEventFilter(this);
}

void ajout_fichier::closeEvent(QCloseEvent* e) {
    // The close box does nothing: Label6 and Escape close the window.
    e->ignore();
}

void ajout_fichier::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        evenement::utilisateur([this] { Label6_Click(); });
        return;
    }
    Form::keyPressEvent(e);
}

void ajout_fichier::mouseMoveEvent(QMouseEvent* e) {
    fin_survol();
    Form::mouseMoveEvent(e);
}

bool ajout_fichier::eventFilter(QObject* objet, QEvent* ev) {
    const QEvent::Type t = ev->type();
    if (objet == File1.viewport()) {
        if (t == QEvent::MouseButtonPress) {
            m_appui = static_cast<QMouseEvent*>(ev)->position().toPoint();
        } else if (t == QEvent::MouseMove) {
            // A drag starts once the pointer has really moved, so a click stays a click.
            auto* e = static_cast<QMouseEvent*>(ev);
            const bool loin = (e->position().toPoint() - m_appui).manhattanLength() >= QApplication::startDragDistance();
            File1_MouseMove((e->buttons() & Qt::LeftButton) && !loin ? 0 : evenement::bouton(e->buttons()));
        } else if (t == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(ev)->button() == Qt::RightButton) {
            A_menu.PopupMenu();
        }
        return false;
    }
    if (objet == &File1) {
        if (t == QEvent::KeyPress && static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Delete)
            evenement::utilisateur([this] { A_supprime_Click(); });
        else if (t == QEvent::KeyRelease)
            File1_KeyUp();
        return false;
    }
    if (objet == Dir1.viewport()) {
        if (t == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(ev)->button() == Qt::RightButton)
            a_dossier.PopupMenu();
        return false;
    }
    // Tag boxes: a double click on the title, artist, comment or genre writes the tag; a file
    // dragged from the list drops its name (its folder on the album).
    const bool ecrit = objet == &txtv1Titre || objet == &txtv1Artiste || objet == &txtv1Commentaire ||
                       (Combo2.lineEdit() && objet == Combo2.lineEdit());
    if (t == QEvent::MouseButtonDblClick && ecrit) {
        evenement::utilisateur([this] { cmdv1v2_Click(); });
        return true;
    }
    const bool depot = objet == &txtv1Titre || objet == &txtv1Artiste || objet == &txtv1Commentaire ||
                       objet == &txtv1Album;
    if (depot && (t == QEvent::DragEnter || t == QEvent::DragMove)) {
        auto* e = static_cast<QDragMoveEvent*>(ev);
        if (e->source() == &File1 || e->source() == File1.viewport()) {
            e->acceptProposedAction();
            return true;
        }
    }
    if (depot && t == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(ev);
        if (e->source() == &File1 || e->source() == File1.viewport()) {
            e->acceptProposedAction();
            evenement::utilisateur([this, objet] {
                if (objet == &txtv1Titre) txtv1Titre_DragDrop();
                else if (objet == &txtv1Artiste) txtv1Artiste_DragDrop();
                else if (objet == &txtv1Commentaire) txtv1Commentaire_DragDrop();
                else txtv1Album_DragDrop();
            });
            return true;
        }
    }
    return Form::eventFilter(objet, ev);
}
