#include "windows/Form_options.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {
QFont police(int pixels, bool gras = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}
}  // namespace

Form_options::Form_options() {
    setWindowTitle(QStringLiteral("Paramètres / Options"));
    setMouseTracking(true);
    disposer();

    // Events of the controls.
    Text1.LostFocus = [this] { Text1_LostFocus(); };
    Text13.LostFocus = [this] { Text13_LostFocus(); };
    Text3.LostFocus = [this] { Text3_LostFocus(); };
    Text4.LostFocus = [this] { Text4_LostFocus(); };
    Text5.LostFocus = [this] { Text5_LostFocus(); };
    Text6.LostFocus = [this] { Text6_LostFocus(); };
    Text14.LostFocus = [this] { Text14_LostFocus(); };
    Text7.LostFocus = [this] { Text7_LostFocus(); };
    Text8.LostFocus = [this] { Text8_LostFocus(); };
    Text11.LostFocus = [this] { Text11_LostFocus(); };
    Text10.LostFocus = [this] { Text10_LostFocus(); };
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Label12.DblClick = [this] { Label12_DblClick(); };
    Command1.Click = [this] { Command1_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Image1.Click = [this] { Image1_Click(); };
    Image1.MouseDown = [this](int, int, float, float) { Image1_MouseDown(); };
    Image1.MouseUp = [this](int, int, float, float) { Image1_MouseUp(); };
    Image1.MouseMove = [this](int, int, float, float) { Image1_MouseMove(); };
    // Help texts follow the pointer; check boxes lose the focus through the window's filter.
    for (QWidget* w : std::initializer_list<QWidget*>{
             &Check1, &Check2, &Text1, &Text13, &Command1, &Command4, &Label3, &Label4, &Label5, &Label6, &Text6,
             &Text14, &Label7, &Label8, &Label10, &Label12, &Text2, &Text12}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void Form_options::disposer() {
    Label1.setFont(police(22, true));
    Label1.setCaption(QStringLiteral("Sonavel"));
    Label2.setCaption(QStringLiteral("Paramètres Sonavel V5"));
    Label2.setFont(police(13, true));
    Image1.setFixedSize(64, 40);
    Image1.setStretch(true);
    Image1.setLegende(QStringLiteral("Fermer"));

    Check1.setCaption(QStringLiteral("Insérer un jingle tous les :"));
    Check2.setCaption(QStringLiteral("Insérer un fichier autres tous les :"));
    Label3.setCaption(QStringLiteral("Valeur préchargement des fichiers"));
    Label4.setCaption(QStringLiteral("Valeur superposition piste"));
    Label5.setCaption(QStringLiteral("Valeur_maxi d'un jingles (en s )"));
    Label6.setCaption(QStringLiteral("Valeur fondu audio rapidité et temps"));
    Label7.setCaption(QStringLiteral("Valeur atténuation audio pour mixage spécial jingles"));
    Label8.setCaption(QStringLiteral("Valeur vitesse calcul pour les enchainements"));
    Label12.setCaption(QStringLiteral("Valeur superposition jingles"));
    Label10.setCaption(QStringLiteral("Valeur retour arriere rapide"));
    Label9.setCaption(QStringLiteral("-"));
    Label13.setCaption(QStringLiteral("-"));
    for (CommandButton* b : {&Command1, &Command4}) {
        b->setCaption(QStringLiteral("Fichier"));
        b->setToolTip(QStringLiteral("Rechercher un fichier (extention .dfm)"));
    }
    Command3.setCaption(QStringLiteral("Sauvegarder"));
    Command3.setToolTip(QStringLiteral("Sauvegarder tout"));
    Command2.setCaption(QStringLiteral("Annuler"));
    Command2.setToolTip(QStringLiteral("Quitter sans sauvegarder"));
    Label11.setCaption(QStringLiteral("Information Sonavel V5"));
    Label11.setWordWrap(true);
    Label11.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label11.setMinimumWidth(260);
    Label11.setMouseTracking(true);
    // Labels let the window's picture show through.
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10,
                     &Label11, &Label12, &Label13})
        l->setBackStyle(0);
    Text2.setMinimumWidth(180);
    Text12.setMinimumWidth(180);

    // Design texts.
    Text1.setText(QStringLiteral("1"));
    Text13.setText(QStringLiteral("1"));
    Text1.setEnabled(false);
    Text13.setEnabled(false);
    Text2.setText(QStringLiteral("-"));
    Text12.setText(QStringLiteral("-"));
    Text3.setText(QStringLiteral("7"));
    Text4.setText(QStringLiteral("6"));
    Text5.setText(QStringLiteral("30"));
    Text6.setText(QStringLiteral("40"));
    Text14.setText(QStringLiteral("13"));
    Text7.setText(QStringLiteral("3"));
    Text8.setText(QStringLiteral("1000"));
    Text11.setText(QStringLiteral("1"));
    Text11.setReadOnly(true);
    Text10.setText(QStringLiteral("0.3"));
    Text10.setReadOnly(true);
    for (TextBox* t : {&Text1, &Text13, &Text3, &Text4, &Text5, &Text6, &Text14, &Text7, &Text8, &Text11, &Text10})
        t->setFixedWidth(64);
    for (QWidget* w : std::initializer_list<QWidget*>{&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label10,
                                                      &Label12, &Check1, &Check2, &Image1})
        w->setCursor(Qt::PointingHandCursor);

    auto* haut = new QHBoxLayout;
    haut->addWidget(&Image1);
    auto* titres = new QVBoxLayout;
    titres->addWidget(&Label1);
    titres->addWidget(&Label2);
    haut->addLayout(titres, 1);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    int r = 0;
    auto rang = [&](QWidget* libelle, std::initializer_list<QWidget*> champs) {
        g->addWidget(libelle, r, 0);
        int c = 1;
        for (QWidget* w : champs) g->addWidget(w, r, c++);
        ++r;
    };
    rang(&Check1, {&Text1, &Command1, &Text2});
    rang(&Label3, {&Text3});
    rang(&Label4, {&Text4});
    rang(&Label5, {&Text5});
    rang(&Label6, {&Text6, &Text14});
    rang(&Label7, {&Text7});
    rang(&Label8, {&Text8});
    rang(&Check2, {&Text13, &Command4, &Text12});
    rang(&Label12, {&Text11});
    rang(&Label10, {&Text10});
    g->addWidget(&Label9, r, 0);
    g->addWidget(&Cb1, r, 1, 1, 3);
    ++r;
    g->addWidget(&Label13, r, 0);
    g->addWidget(&Cb2, r, 1, 1, 3);
    ++r;
    // A sound card's long name must not widen the dialog past the screen.
    for (ComboBox* c : {&Cb1, &Cb2}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(24);
    }
    Cb1.setToolTip(QStringLiteral("Sélection carte son (Lecture)"));
    Cb2.setToolTip(QStringLiteral("Sélection carte son (Pré-écoute)"));
    g->setColumnStretch(3, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(&Command3);
    boutons->addWidget(&Command2);

    auto* gauche = new QVBoxLayout;
    gauche->addLayout(haut);
    gauche->addLayout(g);
    gauche->addStretch();
    gauche->addLayout(boutons);

    auto* racine = new QHBoxLayout(this);
    racine->setContentsMargins(12, 10, 12, 10);
    racine->setSpacing(14);
    racine->addLayout(gauche, 3);
    racine->addWidget(&Label11, 2);
    resize(980, 520);
}

void Form_options::paintEvent(QPaintEvent* e) {
    Form::paintEvent(e);
    if (m_fond.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), m_fond);
}

void Form_options::mouseMoveEvent(QMouseEvent* e) {
    // Moves over a control that passes them on are not moves over the background.
    if (!childAt(e->position().toPoint())) evenement::utilisateur([this] { Form_MouseMove(); });
    Form::mouseMoveEvent(e);
}

void Form_options::closeEvent(QCloseEvent* e) {
    // The dialog lives until the program ends: closing it hides it.
    e->ignore();
    hide();
}

bool Form_options::eventFilter(QObject* objet, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(objet);
    if (w && e->type() == QEvent::MouseMove) evenement::utilisateur([this, w] { aide_survol(w); });
    if (e->type() == QEvent::FocusOut) {
        if (objet == &Check1) evenement::utilisateur([this] { Check1_LostFocus(); });
        if (objet == &Check2) evenement::utilisateur([this] { Check2_LostFocus(); });
    }
    return Form::eventFilter(objet, e);
}
