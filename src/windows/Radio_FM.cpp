#include "windows/Radio_FM.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/programme.h"

namespace {
// The studio look at start; the colour theme read from the settings replaces it at load.
constexpr int32_t Fond = couleur::rgb(22, 24, 28);
constexpr int32_t FondPanneau = couleur::rgb(32, 35, 41);
constexpr int32_t FondCase = couleur::rgb(12, 13, 16);
constexpr int32_t Texte = couleur::rgb(214, 218, 224);
constexpr int32_t TexteDiscret = couleur::rgb(138, 145, 156);
constexpr int32_t Titre = couleur::rgb(255, 196, 64);
constexpr int32_t Compteur = couleur::rgb(120, 220, 255);
constexpr int32_t Remplissage = couleur::rgb(64, 200, 120);
constexpr int32_t Bouton = couleur::rgb(50, 54, 62);
constexpr int32_t BoutonSurvol = couleur::rgb(70, 76, 88);
constexpr int32_t BoutonBas = couleur::rgb(255, 196, 64);

QFont police(int pixels, bool gras = false, bool chasse_fixe = false) {
    QFont f(chasse_fixe ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

void etiquette(Label& l, const QString& caption, int32_t couleur_texte = Texte) {
    l.setCaption(caption);
    l.setBackStyle(0);
    l.setForeColor(couleur_texte);
}

void bouton(OwnerDrawnButton& b, const QString& caption, const QString& bulle = QString(), int largeur = 34) {
    b.setCaption(caption);
    b.setToolTip(bulle);
    b.setFixedSize(largeur, 24);
    b.setBackColor(Bouton);
    b.setBackColorOver(BoutonSurvol);
    b.setBackColorDown(BoutonBas);
    b.setForeColor(Texte);
    b.setForeColorOver(couleur::rgb(255, 255, 255));
    b.setForeColorDown(Fond);
    b.setFocusPolicy(Qt::NoFocus);
}

void image(Image& i, const QString& legende, QSize taille) {
    i.setLegende(legende);
    i.setLegendeSurImage(true);
    i.setStretch(true);
    i.setFixedSize(taille);
}

// The controls of one deck, for laying it out.
struct Deck {
    int numero;
    Label& titre;
    Label& duree;
    PositionBar& barre;
    ::Slider& volume;
    Label& pourcent;
    Label& volume_cache;
    Image& ouvrir;
    Image& lire;
    Image& zap;
    OwnerDrawnButton& mix_special;
    OwnerDrawnButton& stop;
    OwnerDrawnButton& pause;
    OwnerDrawnButton& garder_volume;
    OwnerDrawnButton& reculer;
    OwnerDrawnButton& avancer;
    OwnerDrawnButton& plus_fort;
    OwnerDrawnButton& moins_fort;
    Shape& antenne;
    Timer& defilement;
};

// A short fixed legend beside a figure, in the discreet text colour.
QLabel* legende(QWidget* parent, const QString& texte, const QString& bulle) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QStringLiteral("legende"));
    l->setFont(police(11));
    l->setToolTip(bulle);
    appliquer_couleur_texte(l, TexteDiscret);
    return l;
}

QFrame* panneau(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::StyledPanel);
    appliquer_couleur_fond(f, FondPanneau);
    return f;
}

QWidget* disposer_deck(QWidget* parent, const Deck& d) {
    QFrame* f = panneau(parent);
    auto* v = new QVBoxLayout(f);
    v->setContentsMargins(10, 8, 10, 10);
    v->setSpacing(6);

    auto* entete = new QHBoxLayout;
    d.antenne.setFixedSize(12, 12);
    d.antenne.setVisible(false);
    auto* nom = new QLabel(QStringLiteral("LECTEUR %1").arg(d.numero), f);
    nom->setFont(police(12, true));
    appliquer_couleur_texte(nom, TexteDiscret);
    entete->addWidget(nom);
    entete->addWidget(&d.antenne);
    entete->addStretch();
    // The large figure is the file's length: its legend says so, whatever the program writes in it.
    entete->addWidget(legende(f, QStringLiteral("durée"), QStringLiteral("Durée du titre chargé, en secondes")));
    d.duree.setFont(police(22, true, true));
    d.duree.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d.duree.setToolTip(QStringLiteral("Durée du titre chargé sur le lecteur %1, en secondes").arg(d.numero));
    entete->addWidget(&d.duree);
    entete->addWidget(legende(f, QStringLiteral("s"), d.duree.toolTip()));
    v->addLayout(entete);

    d.titre.setFont(police(15, true));
    d.titre.setMinimumWidth(225);
    d.titre.setFixedHeight(24);
    v->addWidget(&d.titre);
    v->addWidget(&d.barre, 0, Qt::AlignHCenter);

    auto* transport = new QHBoxLayout;
    transport->setSpacing(5);
    transport->addWidget(&d.ouvrir);
    transport->addWidget(&d.lire);
    transport->addWidget(&d.zap);
    transport->addStretch();
    transport->addWidget(&d.mix_special);
    v->addLayout(transport);

    auto* commandes = new QHBoxLayout;
    commandes->setSpacing(4);
    for (OwnerDrawnButton* b : {&d.reculer, &d.pause, &d.stop, &d.avancer}) commandes->addWidget(b);
    commandes->addStretch();
    commandes->addWidget(&d.garder_volume);
    v->addLayout(commandes);

    auto* volume = new QHBoxLayout;
    volume->setSpacing(4);
    volume->addWidget(&d.plus_fort);
    volume->addWidget(&d.volume, 1);
    volume->addWidget(&d.volume_cache, 1);
    volume->addWidget(&d.moins_fort);
    d.pourcent.setToolTip(QStringLiteral("Volume du lecteur %1").arg(d.numero));
    d.pourcent.setFont(police(14, true, true));
    d.pourcent.setMinimumWidth(52);
    d.pourcent.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    volume->addWidget(&d.pourcent);
    v->addLayout(volume);
    return f;
}
}  // namespace

Radio_FM::Radio_FM() {
    setWindowTitle(QStringLiteral("Sonavel_V5"));
    setMouseTracking(true);
    construire_menus();
    disposer();
    habiller();
    brancher_titres_et_volumes();
    brancher_lecture();
    brancher_modes();
    relier_ouverture_transport();
    brancher_commandes();
    brancher_options();
}

void Radio_FM::construire_menus() {
    m_barre = new QMenuBar(this);
    m_barre->setNativeMenuBar(false);

    for (MenuItem* m : {&A_gere, &ecoute, &ouvre_L, &ouvrir_liste}) Fichier_.ajouter(*m);
    Fichier_.ajouter_separateur();
    Fichier_.ajouter(Quitter_);

    for (MenuItem* m : {&lire_1, &lire_2, &lire_3}) lire_play.ajouter(*m);
    lire_play.ajouter_separateur();
    for (MenuItem* m : {&Mix1, &Mix2, &Mix3}) lire_play.ajouter(*m);
    lire_play.ajouter_separateur();
    lire_1.setShortcut(Qt::Key_F5);
    lire_2.setShortcut(Qt::Key_F6);
    lire_3.setShortcut(Qt::Key_F7);
    Mix1.setShortcut(Qt::Key_F8);
    Mix2.setShortcut(Qt::Key_F9);
    Mix3.setShortcut(Qt::Key_F11);

    liste_.ajouter(A_ordre_continue);
    liste_.ajouter(A_ordre_aléatoire);
    liste_.ajouter_separateur();
    liste_.ajouter(Afficher_C_aleatoire);

    for (MenuItem* m : {&A_Ouvrir_CD, &A_fermer_CD, &A_lecteur_CD_Win}) live_.ajouter(*m);
    A_lecteur_CD_Win.setShortcut(Qt::CTRL | Qt::Key_W);

    for (MenuItem* m : {&a_mini, &Affiche_Fenetre_P, &Affiche_Fenetre_L, &affiche_toujour, &affiche_tout, &Affiche_barre})
        affiche.ajouter(*m);
    affiche.ajouter_separateur();
    for (MenuItem* m : {&A_centre_lecteur, &A_centre_lecteur_haut, &a_droite_haut, &a_gauche_haut, &Aligner_liste})
        affiche.ajouter(*m);
    affiche.ajouter_separateur();
    affiche.ajouter(A_visuel);
    A_visuel.ajouter(A_visuel_active);
    A_visuel.ajouter(A_affichage1);
    A_visuel.ajouter(A_affichage2);
    A_visuel.ajouter_separateur();
    A_visuel.ajouter(A_visuel_desactive);
    affiche.ajouter_separateur();
    affiche.ajouter(a_Curseur_volume);
    a_Curseur_volume.ajouter(aa_montrer_curseur);
    a_Curseur_volume.ajouter(aa_cacher_curseur);
    affiche.ajouter_separateur();
    affiche.ajouter(A_Rafraichir);
    affiche.ajouter(A_décharge);
    for (MenuItem* m : {&A_décharge_1, &A_décharge_2, &A_décharge_3}) A_décharge.ajouter(*m);
    a_mini.setShortcut(Qt::CTRL | Qt::Key_M);
    Affiche_Fenetre_P.setShortcut(Qt::CTRL | Qt::Key_F);
    Affiche_Fenetre_L.setShortcut(Qt::CTRL | Qt::Key_L);
    affiche_toujour.setShortcut(Qt::CTRL | Qt::Key_P);
    affiche_tout.setShortcut(Qt::CTRL | Qt::Key_T);
    Affiche_barre.setShortcut(Qt::CTRL | Qt::Key_R);
    A_centre_lecteur.setShortcut(Qt::CTRL | Qt::Key_C);
    A_centre_lecteur_haut.setShortcut(Qt::CTRL | Qt::Key_B);
    Aligner_liste.setShortcut(Qt::CTRL | Qt::Key_A);
    Affiche_Fenetre_P.setChecked(true);
    Aligner_liste.setEnabled(false);
    A_affichage1.setChecked(true);
    aa_cacher_curseur.setChecked(true);

    Option_.ajouter(nom_radio);
    Option_.ajouter(pre_char);
    Option_.ajouter_separateur();
    for (MenuItem* m : {&a_mode_auto, &a_mode_predefini, &a_mode_manuel}) Option_.ajouter(*m);
    Option_.ajouter(A_fondu);
    for (MenuItem* m : {&Active_audio, &Active_audio_zapping, &Active_audio_jingles, &Désactive_audio}) A_fondu.ajouter(*m);
    Option_.ajouter_separateur();
    Option_.ajouter(a_assosiation);
    Option_.ajouter(A_glisser_déplacer);
    Option_.ajouter(A_journal);
    for (MenuItem* m : {&Active_journal1, &Active_journal, &A_desacive_J, &A_purger_journal, &A_ouvre_journal})
        A_journal.ajouter(*m);
    Option_.ajouter_separateur();
    for (MenuItem* m : {&A_def_jingles, &A_def_musique, &a_editeur_audio}) Option_.ajouter(*m);
    Option_.ajouter_separateur();
    for (MenuItem* m : {&nb_fich, &Supprimer_recherche, &Modifie_banniere, &a_vol, &A_purger_registre}) Option_.ajouter(*m);
    A_glisser_déplacer.setChecked(true);
    A_desacive_J.setChecked(true);
    a_assosiation.setCaption(QStringLiteral("Associer des fichiers audio , vidéo ou liste a : ") + programme::nom());

    aide_.ajouter(aideprog);
    aideprog.setShortcut(Qt::Key_F1);
    A_Propos.ajouter(a_pp);

    for (MenuItem* m : {&lect1, &lect2, &lect3}) cha.ajouter(*m);
    for (MenuItem* m : {&lect1_F, &lect2_F, &lect3_F}) char_F.ajouter(*m);

    for (MenuItem* m : {&Fichier_, &lire_play, &liste_, &live_, &affiche, &Option_, &aide_, &A_Propos})
        ajouter_menu(m_barre, *m);
}

void Radio_FM::disposer() {
    auto* racine = new QVBoxLayout(this);
    racine->setMenuBar(m_barre);
    racine->setContentsMargins(12, 6, 12, 10);
    racine->setSpacing(8);

    // Label menu bar, program name and the round buttons of the skin.
    auto* haut = new QHBoxLayout;
    haut->setSpacing(10);
    for (Label* l : {&Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19}) {
        l->setFont(police(13, true));
        l->setCursor(Qt::PointingHandCursor);
        haut->addWidget(l);
    }
    haut->addStretch();
    Label25.setFont(police(20, true));
    haut->addWidget(&Label25);
    haut->addSpacing(12);
    for (Image* i : {&Image16, &Image9, &Image10, &Image11}) haut->addWidget(i);
    haut->addWidget(&Image1);
    racine->addLayout(haut);

    // The three decks side by side.
    auto* decks = new QHBoxLayout;
    decks->setSpacing(10);
    const Deck d[] = {
        {1, Label2, Label6, picProgBack, Slider, Label21, Label27, Command1, Command3, HLBSoftBttn1, HLBSoftBttn8,
         HLBSoftBttn9, HLBSoftBttn12, HLBSoftBttn15, HLBSoftBttn18, ReyCommand1, AnyButton1, AnyButton2, Shape1, Timer5},
        {2, Label3, Label1, picProgBack1, Slider1, Label22, Label28, Command2, Command4, HLBSoftBttn2, HLBSoftBttn6,
         HLBSoftBttn10, HLBSoftBttn13, HLBSoftBttn16, HLBSoftBttn19, ReyCommand2, AnyButton3, AnyButton5, Shape2, Timer6},
        {3, Label4, Label9, picProgBack2, Slider2, Label23, Label29, Command7, Command6, HLBSoftBttn3, HLBSoftBttn7,
         HLBSoftBttn11, HLBSoftBttn14, HLBSoftBttn17, HLBSoftBttn20, ReyCommand3, AnyButton4, AnyButton6, Shape3, Timer7},
    };
    for (const Deck& deck : d) decks->addWidget(disposer_deck(this, deck), 1);
    racine->addLayout(decks);

    // Mode switches and overlap on one row, the two quick-load lists under them.
    QFrame* bas = panneau(this);
    auto* g = new QVBoxLayout(bas);
    g->setContentsMargins(10, 8, 10, 8);
    g->setSpacing(6);
    auto* modes = new QHBoxLayout;
    modes->setSpacing(8);
    modes->addWidget(&Image12);
    modes->addWidget(&Image13);
    modes->addSpacing(4);
    modes->addWidget(&coche2);
    modes->addWidget(&coche3);
    modes->addWidget(&coche4);
    modes->addStretch();
    auto* texte_mix = new QLabel(QStringLiteral("Superposition (s)"), bas);
    appliquer_couleur_texte(texte_mix, TexteDiscret);
    modes->addWidget(texte_mix);
    modes->addWidget(&Image14);
    Text1.setFixedWidth(44);
    Text1.setAlignment(Qt::AlignCenter);
    modes->addWidget(&Text1);
    modes->addWidget(&Image15);
    g->addLayout(modes);

    Label10.setFont(police(12, true));
    Combo1.setMinimumWidth(200);
    Combo2.setMinimumWidth(200);
    auto* favoris = new QHBoxLayout;
    favoris->addWidget(&Label10);
    favoris->addWidget(&Combo1, 1);
    favoris->addWidget(&HLBSoftBttn4);
    favoris->addSpacing(10);
    favoris->addWidget(&Combo2, 1);
    favoris->addWidget(&HLBSoftBttn5);
    g->addLayout(favoris);
    racine->addWidget(bas);

    // Lower menu buttons of the skin.
    auto* boutons_bas = new QHBoxLayout;
    boutons_bas->setSpacing(6);
    for (Image* i : {&Image2, &Image5, &Image6, &Image7, &Image4, &Image3}) boutons_bas->addWidget(i);
    boutons_bas->addWidget(&Image8);
    boutons_bas->addWidget(&ShockwaveFlash1, 1);
    boutons_bas->addStretch();
    boutons_bas->addWidget(&Label20);
    racine->addLayout(boutons_bas);

    // Status strip.
    QFrame* etat = panneau(this);
    appliquer_couleur_fond(etat, FondCase);
    auto* e = new QHBoxLayout(etat);
    e->setContentsMargins(10, 4, 10, 4);
    Label7.setFont(police(13, true));
    e->addWidget(&Label7, 1);
    e->addWidget(legende(etat, QStringLiteral("écoulé"), QStringLiteral("Secondes écoulées du titre à l'antenne")));
    Label5.setFont(police(13, true, true));
    Label5.setMinimumWidth(40);
    Label5.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->addWidget(&Label5);
    e->addWidget(legende(etat, QStringLiteral("s"), QStringLiteral("Secondes écoulées du titre à l'antenne")));
    e->addSpacing(16);
    e->addWidget(legende(etat, QStringLiteral("niveau L1"),
                         QStringLiteral("Niveau du lecteur 1 en centièmes de décibel (0 = plein volume)")));
    Label11.setFont(police(13, true, true));
    Label11.setMinimumWidth(52);
    Label11.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->addWidget(&Label11);
    racine->addWidget(etat);

    for (TextBox* t : {&Text2, &Text3, &Text4}) t->setVisible(false);
}

void Radio_FM::habiller() {
    appliquer_couleur_fond(this, Fond);
    appliquer_couleur_texte(this, Texte);
    QFont f = police(12);
    setFont(f);

    // Decks.
    const QString dossier = programme::dossier();
    const QString bulles_stop[] = {QStringLiteral("Stopper lecteur 1"), QStringLiteral("Stopper lecteur 2"), QString()};
    Label* titres[] = {&Label2, &Label3, &Label4};
    Label* durees[] = {&Label6, &Label1, &Label9};
    PositionBar* barres[] = {&picProgBack, &picProgBack1, &picProgBack2};
    Label* pourcents[] = {&Label21, &Label22, &Label23};
    Label* caches[] = {&Label27, &Label28, &Label29};
    Image* ouvrir[] = {&Command1, &Command2, &Command7};
    Image* lire[] = {&Command3, &Command4, &Command6};
    Image* zap[] = {&HLBSoftBttn1, &HLBSoftBttn2, &HLBSoftBttn3};
    OwnerDrawnButton* mix[] = {&HLBSoftBttn8, &HLBSoftBttn6, &HLBSoftBttn7};
    OwnerDrawnButton* stop[] = {&HLBSoftBttn9, &HLBSoftBttn10, &HLBSoftBttn11};
    OwnerDrawnButton* pause[] = {&HLBSoftBttn12, &HLBSoftBttn13, &HLBSoftBttn14};
    OwnerDrawnButton* garder[] = {&HLBSoftBttn15, &HLBSoftBttn16, &HLBSoftBttn17};
    OwnerDrawnButton* reculer[] = {&HLBSoftBttn18, &HLBSoftBttn19, &HLBSoftBttn20};
    OwnerDrawnButton* avancer[] = {&ReyCommand1, &ReyCommand2, &ReyCommand3};
    OwnerDrawnButton* plus[] = {&AnyButton1, &AnyButton3, &AnyButton4};
    OwnerDrawnButton* moins[] = {&AnyButton2, &AnyButton5, &AnyButton6};
    ::Slider* volumes[] = {&Slider, &Slider1, &Slider2};
    Shape* antennes[] = {&Shape1, &Shape2, &Shape3};
    for (int i = 0; i < 3; ++i) {
        etiquette(*titres[i], QStringLiteral(" - En attente"), Titre);
        etiquette(*durees[i], QStringLiteral("0"), Compteur);
        etiquette(*pourcents[i], QStringLiteral("100%"), Texte);
        etiquette(*caches[i], QStringLiteral("Volume"), TexteDiscret);
        caches[i]->setToolTip(QStringLiteral("H + / B -"));
        caches[i]->setAlignment(Qt::AlignCenter);
        caches[i]->setVisible(false);
        barres[i]->setBackColor(FondCase);
        barres[i]->setFillColor(Remplissage);
        barres[i]->setForeColor(Texte);
        image(*ouvrir[i], QStringLiteral("Ouvrir"), QSize(64, 30));
        image(*lire[i], QStringLiteral("Lecture"), QSize(64, 30));
        image(*zap[i], QStringLiteral("Zap"), QSize(64, 30));
        ouvrir[i]->setPicture(dossier + QStringLiteral("Open_noir.gif"));
        lire[i]->setPicture(dossier + QStringLiteral("tplay_noir.gif"));
        zap[i]->setPicture(dossier + QStringLiteral("bouton_fleche_noir.gif"));
        // Their pictures carry glyphs; the captions stand in only when a picture is missing.
        for (Image* b : {ouvrir[i], lire[i], zap[i]}) b->setLegendeSurImage(false);
        bouton(*mix[i], QStringLiteral("Mix %1").arg(i + 1), QString(), 56);
        bouton(*stop[i], QStringLiteral("Stp"), bulles_stop[i]);
        bouton(*pause[i], QStringLiteral("II"), QStringLiteral("Pause / Lecture"));
        bouton(*garder[i], QStringLiteral("Vol"), QStringLiteral("Sauvegarder le volume"), 40);
        bouton(*reculer[i], QStringLiteral("<-"), QStringLiteral("Reculer"));
        bouton(*avancer[i], QStringLiteral("->"), QStringLiteral("Avancer"));
        bouton(*plus[i], QStringLiteral("+"), QStringLiteral("H +"), 24);
        bouton(*moins[i], QStringLiteral("-"), QStringLiteral("B -"), 24);
        volumes[i]->setToolTip(QStringLiteral("Volume %100"));
        QPalette pv = volumes[i]->palette();
        pv.setColor(QPalette::Button, couleur_qt(couleur::rgb(190, 196, 206)));
        pv.setColor(QPalette::Highlight, couleur_qt(Remplissage));
        pv.setColor(QPalette::Window, couleur_qt(FondPanneau));
        volumes[i]->setPalette(pv);
        antennes[i]->setBorderColor(Remplissage);
        antennes[i]->setFillColor(couleur::rgb(0, 255, 0));
    }

    // Modes and overlap.
    coche2.setCaption(QStringLiteral("Mixer les titres"));
    coche3.setCaption(QStringLiteral("Mix liste"));
    coche4.setCaption(QStringLiteral("Préchargement"));
    for (Couleurs* c : std::initializer_list<Couleurs*>{&coche2, &coche3, &coche4}) {
        c->setBackColor(FondPanneau);
        c->setForeColor(Texte);
    }
    image(Image12, QStringLiteral("Mix lecteur"), QSize(92, 28));
    image(Image13, QStringLiteral("Mix liste"), QSize(92, 28));
    image(Image14, QStringLiteral("-"), QSize(26, 24));
    image(Image15, QStringLiteral("+"), QSize(26, 24));
    for (TextBox* t : {&Text1, &Text2, &Text3, &Text4}) {
        t->setBackColor(FondCase);
        t->setForeColor(Texte);
    }

    // Quick-load lists.
    etiquette(Label10, QStringLiteral("Chargement rapide"), TexteDiscret);
    for (ComboBox* c : {&Combo1, &Combo2}) {
        c->setBackColor(FondCase);
        c->setForeColor(Texte);
    }
    bouton(HLBSoftBttn4, QStringLiteral("C"), QString(), 26);
    bouton(HLBSoftBttn5, QStringLiteral("C"), QString(), 26);

    // Label menu bar and skin buttons.
    const QString menus[] = {QStringLiteral("Fichier"), QStringLiteral("Play"), QStringLiteral("Liste"),
                             QStringLiteral("Affichage"), QStringLiteral("Option"), QStringLiteral("Aide"),
                             QStringLiteral("Look"), QStringLiteral("Version")};
    Label* barre[] = {&Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19};
    for (int i = 0; i < 8; ++i) etiquette(*barre[i], menus[i]);
    etiquette(Label25, QStringLiteral("Sonavel"), Titre);
    etiquette(Label20, QString(), TexteDiscret);
    image(Image1, QStringLiteral("Quitter"), QSize(64, 28));
    // Its faces carry the power sign: the caption stands in only while no face is shown.
    Image1.setLegendeSurImage(false);
    Image1.setToolTip(QStringLiteral("Quitter"));
    image(Image9, QStringLiteral("Aide"), QSize(54, 28));
    image(Image10, QStringLiteral("A propos"), QSize(64, 28));
    image(Image11, QStringLiteral("Infos"), QSize(54, 28));
    image(Image16, QStringLiteral("Micro"), QSize(54, 28));
    const QString bas[] = {QStringLiteral("Fichier"), QStringLiteral("Play"), QStringLiteral("Liste"),
                           QStringLiteral("Affichage"), QStringLiteral("Option"), QStringLiteral("Look")};
    Image* images_bas[] = {&Image2, &Image5, &Image6, &Image7, &Image4, &Image3};
    for (int i = 0; i < 6; ++i) image(*images_bas[i], bas[i], QSize(80, 24));
    image(Image8, QString(), QSize(24, 24));

    // Status strip.
    etiquette(Label7, QStringLiteral("Lecture en attente"), Titre);
    etiquette(Label5, QStringLiteral("0"), TexteDiscret);
    etiquette(Label11, QStringLiteral("0"), TexteDiscret);
    Label5.setToolTip(QStringLiteral("temps piste en secondes 0"));
    Label11.setToolTip(QStringLiteral("Niveau lecteur 1"));

    // Fits a 1024 x 768 screen, frame included.
    resize(qMax(minimumSizeHint().width(), 980), sizeHint().height());
}

