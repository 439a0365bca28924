#include "windows/Liste_son.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include "automation/avis.h"
#include "config/Radio.h"
#include "config/etat.h"
#include "config/placement.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/couleurs.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "playlist/travail_liste.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/impression.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
// The list view starts this far below the window's top (the labels and buttons stand above).
constexpr int HautListeTwips = 2000;
// The docked layout's height.
constexpr int HauteurAncreeTwips = 4425;
// Hover and pressed text colours of the labels used as buttons.
constexpr int32_t CouleurSurvol = 8454016;        // light green
constexpr int32_t CouleurAppui = -2147483630;     // the system's button text

// The plate under a lit label: the light green reads on it at 13:1.
constexpr int32_t PlaqueSombre = 0x202020;

int pixels(int twips) { return twips / TwipsParPixel; }

// In-place editing reaches the row's text (the path) only, never its other cells.
class EditionChemin : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return index.column() == 0 ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
    }
    // A path too long for its record field would be cut on the next save: the row keeps its path.
    void setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const override {
        const auto* ligne = qobject_cast<QLineEdit*>(editeur);
        if (ligne && !champ::tient(ligne->text(), enreg_liste::LargeurChemin)) {
            // Said once the editor has closed: a box opened while it commits leaves the view editing.
            QTimer::singleShot(0, [texte = ligne->text()] { fichier_liste::chemin_accepte(texte, true); });
            return;
        }
        QStyledItemDelegate::setModelData(editeur, modele, index);
    }
};

// The one data type of a row dragged out of the list: the drop targets read the program's own
// drag state (enreg_dragdrop, index_glisse), not this data.
const char* const TypeGlisseLigne = "application/x-sonavel-ligne";
}  // namespace

Liste_son::Liste_son() {
    setWindowTitle(QStringLiteral("Fichier liste"));
    construire_menus();

    Label24.setCaption(QStringLiteral("Sonavel"));
    Label14.setCaption(QStringLiteral("Jingle auto / Off"));
    Label15.setCaption(QStringLiteral("New auto / Off"));
    Label1.setCaption(QStringLiteral("Ouverture en attente"));
    Label2.setCaption(QStringLiteral("En attente ... lecture liste"));
    Label3.setCaption(QStringLiteral("Liste"));
    Label4.setCaption(QStringLiteral("00:00:00"));
    Label4.setToolTip(QStringLiteral("Temps restant"));
    Label13.setToolTip(QStringLiteral("Heure du dernier enchaînement"));
    Label12.setCaption(QStringLiteral("Zapping autorisé"));
    struct Bouton {
        Label* label;
        const char* caption;
        const char* bulle;
    };
    const Bouton boutons[] = {{&Label1, nullptr, "Click afficher uniquement la liste"},
                              {&Label5, "&Liste", "Ouvrir / Effacer etc.."},
                              {&Label6, "S&uppr.", "supprimer le fichier"},
                              {&Label7, "&Ajouter", "Ajouter le fichier multimédia"},
                              {&Label8, "&Enreg..", "Enregistrer le fichier"},
                              {&Label9, "Fermer", "Fermer la fenètre"},
                              {&Label10, "S", "Sauvegarder la recherche"},
                              {&Label11, "A..", "Affichage"}};
    for (const Bouton& b : boutons) {
        if (b.caption) {
            b.label->setCaption(QString::fromUtf8(b.caption));
            // The caption keeps its access-key mark; the label draws the text without it.
            b.label->setText(QString::fromUtf8(b.caption).remove(QLatin1Char('&')));
        }
        b.label->setToolTip(QString::fromUtf8(b.bulle));
    }
    // The labels stand over the window's background.
    for (Label* l : findChildren<Label*>()) l->setBackStyle(0);
    Label24.setStyleSheet(QStringLiteral("font-weight: bold;"));
    Text2.hide();
    Option1.setCaption(QStringLiteral("Lecture continue"));
    Option2.setCaption(QStringLiteral("Lecture aléatoire"));
    Option3.setCaption(QStringLiteral("Fin définie"));
    Option4.setCaption(QStringLiteral("Durée piste"));
    const char* legendes[] = {"Play", "Zap", "Stop", "En cours", "Principal", "Look", "Aide", "Affichage"};
    Image* images[] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8};
    for (int i = 0; i < 8; ++i) {
        images[i]->setLegende(QString::fromUtf8(legendes[i]));
        images[i]->setLegendeSurImage(true);
        images[i]->setFixedSize(56, 24);
        images[i]->setStretch(true);
    }
    Image10.setFixedSize(110, 56);
    Image10.setStretch(true);

    ListView1.setParent(this);
    ListView1.setAcceptDrops(true);
    ListView1.viewport()->setAcceptDrops(true);
    ListView1.setItemDelegate(new EditionChemin(&ListView1));
    ListView1.setEditTriggers(QAbstractItemView::NoEditTriggers);
    disposer();
    brancher();
    // The six columns' widths, but never wider than the screen (the list scrolls sideways).
    int largeur = pixels(6700 + 2500 + 2500 + 1300 + 1000 + 1100) + 24;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        largeur = std::min(largeur, ecran->availableGeometry().width() - 16);
    resize(largeur, 480);
}

namespace {
QList<QMenu*> menu_et_sous_menus(QMenu* menu) {
    QList<QMenu*> menus;
    if (menu) menus.append(menu);
    for (int i = 0; i < menus.size(); ++i)
        for (QAction* a : menus[i]->actions())
            if (a->menu()) menus.append(a->menu());
    return menus;
}
}  // namespace

// The controls the window filters go before the window: their children's last events must not
// reach a filter that asks a half-destroyed control for its parts.
Liste_son::~Liste_son() {
    for (QObject* o : std::initializer_list<QObject*>{&ListView1, ListView1.viewport(), &Combo1, Combo1.lineEdit()})
        if (o) o->removeEventFilter(this);
    for (QMenu* m : menu_et_sous_menus(Load_Pl.menu())) m->removeEventFilter(this);
}

void Liste_son::construire_menus() {
    for (MenuItem* m : {&logofond, &A_coul_fenètre, &a_coul_label, &logo_, &logo_liste, &A_coul_fond_liste,
                        &A_coul_texte_liste, &logo_menu_fichier, &a_coul_bouton, &A_coul_text_bouton,
                        &a_coul_bouton_groupe_lecture})
        A_looK.ajouter(*m);
    A_looK.ajouter_separateur();
    A_looK.ajouter(A_revenir_couleur);
    A_looK.ajouter_separateur();
    for (MenuItem* m : {&T_Printemps, &T_Eté, &T_Autonne, &T_Hiver}) A_looK.ajouter(*m);

    // "Load_play", in its order; nullptr is a separator.
    A_Debut_piste.ajouter(a_debutpiste);
    A_Debut_piste.ajouter(a_debutpiste_fichier);
    ajout_tous.ajouter(ajout_jingl);
    ajout_tous.ajouter(ajout_fich);
    ajout_tous.ajouter(ajout_fich_reseau);
    ajout_tous.ajouter_separateur();
    ajout_tous.ajouter(ajout_fichs);
    ajout_tous.ajouter_separateur();
    ajout_tous.ajouter(A_recherche);
    par_inser.ajouter(inser_avant);
    par_inser.ajouter(inser_apres);
    par_inser.ajouter(inser_fin);
    for (MenuItem* m : std::initializer_list<MenuItem*>{
             &A_a_zapping, &A_precoute, nullptr, &lect_, nullptr, &prechar_fich, &prechar, &Modifier_lettre_lecteur,
             &A_Debut_piste, &Modifier_volume, &a_mettre_a_jour, &a_mettre_a_jour_liste, nullptr, &a_modif, nullptr,
             &A_sauve, &a_Ne_pas_Sauve, &modifier_chemin, &modifier_chemin_non, nullptr, &a_modifie_morceau,
             &ajout_tous, nullptr, &char1, &char2, &char3, &A_Charge, nullptr, &A_ecoute, &A_ecoute_option, nullptr,
             &supprime, &Couper_, &copier_, &coller_, nullptr, &par_inser, nullptr, &A_conserver, &A_enreg_sous}) {
        if (m)
            Load_Pl.ajouter(*m);
        else
            Load_Pl.ajouter_separateur();
    }
    efface_.ajouter(Supprimer_fichier);
    for (MenuItem* m : std::initializer_list<MenuItem*>{&A_liste, &Effacer_liste, &A_imprime, &A_liste_anciene,
                                                        nullptr, &Convertion, &A_Copen_rfm, &A_Convertir_dfm}) {
        if (m)
            A_Charge_liste.ajouter(*m);
        else
            A_Charge_liste.ajouter_separateur();
    }

    // Design-time state: the list-only items wait for a list; the save option is on.
    for (MenuItem* m : {&a_mettre_a_jour, &a_mettre_a_jour_liste, &prechar_fich, &prechar, &Modifier_lettre_lecteur,
                        &a_debutpiste, &A_Debut_piste, &a_modif, &Modifier_volume})
        m->setEnabled(false);
    A_conserver.setEnabled(false);
    coller_.setEnabled(false);  // until a copy or a cut
    inser_apres.setChecked(true);
    modifier_chemin_non.setChecked(true);
    A_sauve.setChecked(true);
}

void Liste_son::disposer() {
    // Everything but the list view stands in the band above it; the list view is placed by
    // Form_Resize.
    auto* haut = new QWidget(this);
    haut->setObjectName(QStringLiteral("bandeau_liste"));
    haut->setGeometry(0, 0, width(), pixels(HautListeTwips));
    auto* v = new QVBoxLayout(haut);
    v->setContentsMargins(4, 2, 4, 2);
    v->setSpacing(2);
    auto* barre = new QMenuBar(haut);
    barre->setNativeMenuBar(false);
    barre->hide();  // the menus are pop-ups; the bar only holds them
    ajouter_menu(barre, A_looK);
    ajouter_menu(barre, Load_Pl);
    ajouter_menu(barre, efface_);
    ajouter_menu(barre, A_Charge_liste);

    auto* menus = new QHBoxLayout;
    menus->setSpacing(14);
    for (Label* l : {&Label5, &Label6, &Label7, &Label8, &Label9, &Label11}) menus->addWidget(l);
    menus->addSpacing(24);
    menus->addWidget(&Label1, 1);
    v->addLayout(menus);

    auto* milieu = new QHBoxLayout;
    milieu->addWidget(&Image10);
    auto* titres = new QVBoxLayout;
    titres->setSpacing(0);
    auto* ligne1 = new QHBoxLayout;
    // The time of day and the time left are two clocks: a clear gap keeps them from reading
    // as one string.
    ligne1->setSpacing(16);
    ligne1->addWidget(&Label24, 1);
    ligne1->addWidget(&Label13);
    ligne1->addWidget(&Label4);
    titres->addLayout(ligne1);
    auto* ligne2 = new QHBoxLayout;
    ligne2->addWidget(&Label2, 1);
    ligne2->addWidget(&Label3);
    titres->addLayout(ligne2);
    auto* ligne3 = new QHBoxLayout;
    ligne3->setSpacing(16);
    ligne3->addWidget(&Label12);
    ligne3->addWidget(&Label14);
    ligne3->addWidget(&Label15);
    ligne3->addStretch();
    ligne3->addWidget(&Combo1);
    ligne3->addWidget(&Label10);
    titres->addLayout(ligne3);
    milieu->addLayout(titres, 1);
    v->addLayout(milieu);

    auto* bas = new QHBoxLayout;
    for (Image* i : {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8}) bas->addWidget(i);
    bas->addSpacing(8);
    for (OptionButton* o : {&Option1, &Option2, &Option3, &Option4}) bas->addWidget(o);
    bas->addStretch();
    v->addLayout(bas);
    Combo1.setMinimumWidth(260);
}

void Liste_son::brancher() {
    auto menu = [](MenuItem& m, auto f) { m.Click = f; };
    menu(A_coul_fenètre, [this] { A_coul_fenètre_Click(); });
    menu(a_coul_label, [this] { a_coul_label_Click(); });
    menu(A_coul_texte_liste, [this] { A_coul_texte_liste_Click(); });
    menu(A_coul_fond_liste, [this] { A_coul_fond_liste_Click(); });
    menu(A_coul_text_bouton, [this] { A_coul_text_bouton_Click(); });
    menu(a_coul_bouton, [this] { a_coul_bouton_Click(); });
    menu(a_coul_bouton_groupe_lecture, [this] { a_coul_bouton_groupe_lecture_Click(); });
    menu(T_Autonne, [this] { T_Autonne_Click(); });
    menu(T_Eté, [this] { T_Eté_Click(); });
    menu(T_Hiver, [this] { T_Hiver_Click(); });
    menu(T_Printemps, [this] { T_Printemps_Click(); });
    menu(A_revenir_couleur, [this] { A_revenir_couleur_Click(); });
    menu(logo_, [this] { logo_Click(); });
    menu(logo_liste, [this] { logo_liste_Click(); });
    menu(logo_menu_fichier, [this] { logo_menu_fichier_Click(); });
    menu(logofond, [this] { logofond_Click(); });

    menu(Load_Pl, [this] { Load_Pl_Click(); });
    menu(A_a_zapping, [this] { A_a_zapping_Click(); });
    menu(A_precoute, [this] { A_precoute_Click(); });
    menu(lect_, [this] { Image1_Click(); });
    menu(prechar_fich, [this] { prechar_fich_Click(); });
    menu(prechar, [this] { prechar_Click(); });
    menu(Modifier_lettre_lecteur, [this] { Modifier_lettre_lecteur_Click(); });
    menu(a_debutpiste, [this] { a_debutpiste_Click(); });
    menu(a_debutpiste_fichier, [this] { a_debutpiste_fichier_Click(); });
    menu(Modifier_volume, [this] { Modifier_volume_Click(); });
    menu(a_mettre_a_jour, [this] { a_mettre_a_jour_Click(); });
    menu(a_mettre_a_jour_liste, [this] { a_mettre_a_jour_liste_Click(); });
    menu(a_modif, [this] { a_modif_Click(); });
    menu(A_sauve, [this] { A_sauve_Click(); });
    menu(a_Ne_pas_Sauve, [this] { a_Ne_pas_Sauve_Click(); });
    menu(modifier_chemin, [this] { modifier_chemin_Click(); });
    menu(modifier_chemin_non, [this] { modifier_chemin_non_Click(); });
    menu(a_modifie_morceau, [this] { a_modifie_morceau_Click(); });
    menu(ajout_jingl, [this] { ajout_jingl_Click(); });
    menu(ajout_fich, [this] { ajout_fich_Click(); });
    menu(ajout_fich_reseau, [this] { ajout_fich_reseau_Click(); });
    menu(ajout_fichs, [this] { ajout_fichs_Click(); });
    menu(A_recherche, [this] { A_recherche_Click(); });
    menu(char1, [this] { char1_Click(); });
    menu(char2, [this] { char2_Click(); });
    menu(char3, [this] { char3_Click(); });
    menu(A_Charge, [this] { A_Charge_Click(); });
    menu(A_ecoute, [this] { A_ecoute_Click(); });
    menu(A_ecoute_option, [this] { A_ecoute_option_Click(); });
    menu(supprime, [this] { supprime_Click(); });
    menu(Couper_, [this] { Couper__Click(); });
    menu(copier_, [this] { copier__Click(); });
    menu(coller_, [this] { coller__Click(); });
    menu(inser_avant, [this] { inser_avant_Click(); });
    menu(inser_apres, [this] { inser_apres_Click(); });
    menu(inser_fin, [this] { inser_fin_Click(); });
    menu(A_conserver, [this] { A_conserver_Click(); });
    menu(A_enreg_sous, [this] { A_enreg_sous_Click(); });
    menu(Supprimer_fichier, [this] { Supprimer_fichier_Click(); });
    menu(A_liste, [this] { A_liste_Click(); });
    menu(Effacer_liste, [this] { Effacer_liste_Click(); });
    menu(A_imprime, [this] { A_imprime_Click(); });
    menu(A_liste_anciene, [this] { A_liste_anciene_Click(); });
    menu(Convertion, [this] { Convertion_Click(); });
    menu(A_Copen_rfm, [this] { A_Copen_rfm_Click(); });
    menu(A_Convertir_dfm, [this] { A_Convertir_dfm_Click(); });

    Option1.Click = [this] {
        Option1_Click();
        montrer_insertions();
    };
    // Play orders and automatic insertion switches (src/automation).
    // An order switches the insertions on or off: their labels follow.
    Option2.Click = [this] { Option2_Click(); montrer_insertions(); };
    Option3.Click = [this] { Option3_Click(); montrer_insertions(); };
    Option4.Click = [this] { Option4_Click(); montrer_insertions(); };
    Option1.MouseMove = [this](int, int, float, float) { Option1_MouseMove(); };
    Option2.MouseMove = [this](int, int, float, float) { Option2_MouseMove(); };
    Option3.MouseMove = [this](int, int, float, float) { Option3_MouseMove(); };
    Option4.MouseMove = [this](int, int, float, float) { Option4_MouseMove(); };
    Label14.Click = [this] { Label14_Click(); };
    Label15.Click = [this] { Label15_Click(); };
    // The insertion labels light up in the hover green too, on the lit labels' plate.
    auto assombrir_survol = [](Label& l) {
        if (l.ForeColor() == CouleurSurvol) eclairer(l, true, CouleurSurvol);
    };
    Label14.MouseMove = [this, assombrir_survol](int, int, float, float) {
        Label14_MouseMove();
        assombrir_survol(Label14);
    };
    Label15.MouseMove = [this, assombrir_survol](int, int, float, float) {
        Label15_MouseMove();
        assombrir_survol(Label15);
    };
    Label14.MouseDown = [this](int, int, float, float) { Label14_MouseDown(); };
    Label15.MouseDown = [this](int, int, float, float) { Label15_MouseDown(); };
    Image1.Click = [this] { Image1_Click(); };
    Image2.Click = [this] { Image2_Click(); };
    Image3.Click = [this] { Image3_Click(); };
    Image4.Click = [this] { Image4_Click(); };
    Image5.Click = [this] { Image5_Click(); };
    Image6.Click = [this] { Image6_Click(); };
    Image7.Click = [this] { Image7_Click(); };
    Image8.Click = [this] { Label11_Click(); };  // the main window's display menu, as "A.."
    brancher_boutons_lecture();

    Label1.Click = [this] { Label1_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    Label9.Click = [this] { Label9_Click(); };
    Label10.Click = [this] { Label10_Click(); };
    Label11.Click = [this] { Label11_Click(); };
    Label24.Click = [this] { Label24_Click(); };
    Label24.DblClick = [this] { Label24_DblClick(); };
    Label2.MouseMove = [this](int, int, float, float) { Label2_MouseMove(); };
    survol_labels();

    Combo1.Change = [this] { Combo1_Change(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.installEventFilter(this);
    if (Combo1.lineEdit()) Combo1.lineEdit()->installEventFilter(this);

    ListView1.ItemClick = [this](QTreeWidgetItem*) { ListView1_Click(); };
    ListView1.DblClick = [this] { ListView1_DblClick(); };
    ListView1.ColumnClick = [this](int c) { ListView1_ColumnClick(c); };
    ListView1.MouseUp = [this](int b, int, float, float) { ListView1_MouseUp(b); };
    // The pop-up's commands run on the row it opened on: it is selected again as a command is
    // chosen (the menu closes before the command runs). From the menu bar no row is kept.
    if (QMenu* m = Load_Pl.menu()) {
        connect(m, &QMenu::aboutToShow, this, [this] {
            if (!m_menu_contextuel) m_ligne_du_menu = QPersistentModelIndex();
            m_menu_sur_ligne = m_ligne_du_menu.isValid();
            m_menu_contextuel = false;
        });
        for (QMenu* s : menu_et_sous_menus(m)) s->installEventFilter(this);
    }
    ListView1.installEventFilter(this);
    ListView1.viewport()->installEventFilter(this);
    ListView1.viewport()->setMouseTracking(true);
    setMouseTracking(true);
}

// ---------------------------------------------------------------------------------------------
// Load, layout, hide

void Liste_son::Form_Load() {
    ReprendreSurErreur essayer;
    essayer([&] { maj_liste_en_cours = Faux; });
    essayer([&] {
        hauteur_initiale = Height();
        sens_tri = 1;
    });
    // The clipboard is scratch for the list commands; what another program put there stays.
    essayer([&] {
        QClipboard* c = QApplication::clipboard();
        if (c->ownsClipboard()) c->clear();
    });
    essayer([&] {
        charge_recherche();
        Combo1.setText(QStringLiteral("Recherche "));
    });
    essayer([&] { setCaption(Nom_radio_fm.isEmpty() ? programme::nom() : Nom_radio_fm); });
    essayer([&] {
        setTop(Position_haut_liste);
        setLeft(Position_gauche_liste);
    });
    essayer([&] {
        ListView1.clear();
        ListView1.setColumnCount(0);
        const struct {
            const char* titre;
            int largeur;
        } colonnes[] = {{"Chemin complet du fichier ", 6700}, {"Début lecture a : (Secondes)", 2500},
                        {"Fin lecture a : (Secondes)", 2500}, {"Genre", 1300},
                        {"Volume %", 1000},                   {"Durée piste", 1100}};
        for (const auto& c : colonnes) ListView1.ajouter_colonne(QString::fromUtf8(c.titre), pixels(c.largeur));
    });
    essayer([&] {
        Label1.setCaption(QStringLiteral("Ouverture en attente (") + QString::number(index_liste_en_cours) +
                          QStringLiteral(")"));
    });
}

void Liste_son::Form_Resize() {
    const int haut = pixels(HautListeTwips);
    if (height() - haut <= 0) return;
    ListView1.setGeometry(0, haut, width(), height() - haut);
    if (auto* bandeau = findChild<QWidget*>(QStringLiteral("bandeau_liste"))) bandeau->resize(width(), haut);
}

void Liste_son::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    Form_Resize();
}

void Liste_son::decharger() {
    travail_liste::apres([] { FormInstance<Liste_son>::decharger(); });
}

void Liste_son::Form_Unload(int16_t& Cancel) {
    Cancel = 1;
    Label9_Click();
}

// The program's end unloads every window: the list shown keeps its place as "Fermer" keeps it.
void Liste_son::Form_Unload() {
    if (fermeture_confirmee == Vrai && isVisible())
        placement::sauver(*this, cle::Position_haut_liste, cle::Position_gauche_liste);
}

void Liste_son::closeEvent(QCloseEvent* e) {
    int16_t annuler = 0;
    evenement::utilisateur([&] { Form_Unload(annuler); });
    if (annuler) e->ignore();
}

void Liste_son::Label9_Click() {
    setWindowState(Qt::WindowNoState);
    hide();
    placement::sauver(*this, cle::Position_haut_liste, cle::Position_gauche_liste);
    Radio_FM& f = Radio_FM::instance();
    f.Affiche_Fenetre_P.setChecked(true);
    f.Affiche_Fenetre_L.setChecked(false);
    f.Aligner_liste.setEnabled(false);
    f.affiche_tout.setChecked(false);
    f.Affiche_barre.setChecked(false);
    if (!mini_lecteur::existe() || !mini_lecteur::instance().isVisible()) {
        f.setWindowState(Qt::WindowNoState);
        f.show();
    }
    f.activateWindow();
}

void Liste_son::Aligne_liste_son() {
    try {
        Radio_FM& f = Radio_FM::instance();
        if (!f.isVisible()) return;
        setWindowState(Qt::WindowNoState);
        // No further down than the screen, from the new top.
        Move(f.Left(), f.Top() + f.Height(), Width(), Height());
    } catch (const Erreur&) {
    }
}

// Place and size in one request: the height is what the screen leaves below the main window,
// whatever place the window manager still reports for this one.
void Liste_son::ancrer() {
    const Radio_FM& f = Radio_FM::instance();
    Move(f.Left(), f.Top() + f.Height(), f.Width(), HauteurAncreeTwips);
}

void Liste_son::disposition_ancree() {
    show();
    setWindowState(Qt::WindowNoState);
    ancrer();
}

void Liste_son::disposition_pleine_hauteur() {
    show();
    setWindowState(Qt::WindowNoState);
    const QScreen* ecran = screen() ? screen() : QApplication::primaryScreen();
    if (ecran) Move(Left(), TwipsParPixel, Width(), ecran->geometry().height() * TwipsParPixel);
}

void Liste_son::a_mettre_Enabled() {
    for (MenuItem* m : {&a_mettre_a_jour, &a_mettre_a_jour_liste, &prechar_fich, &prechar, &Modifier_lettre_lecteur,
                        &a_debutpiste, &A_Debut_piste, &a_modif, &Modifier_volume})
        m->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Window background and keys

void Liste_son::Form_Click() {
    Radio_FM::instance().hide();
    KeyPreview = true;
}

void Liste_son::mousePressEvent(QMouseEvent* e) {
    Form::mousePressEvent(e);
    evenement::utilisateur([this] { Form_Click(); });
}

void Liste_son::Form_MouseMove() { couleur_labels_normale(); }

void Liste_son::mouseMoveEvent(QMouseEvent* e) {
    Form::mouseMoveEvent(e);
    evenement::utilisateur([this] { Form_MouseMove(); });
}

void Liste_son::couleur_labels_normale() {
    for (Label* l : findChildren<Label*>()) eclairer(*l, false, Radio::couleur_labels_liste());
}

void Liste_son::eclairer(Label& l, bool allume, int32_t couleur) {
    l.setBackColor(PlaqueSombre);
    l.setBackStyle(allume ? 1 : 0);
    l.setForeColor(allume ? CouleurSurvol : couleur);
}

void Liste_son::survol_labels() {
    for (Label* l : {&Label1, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11}) {
        const bool appui = l != &Label10 && l != &Label11;
        l->MouseMove = [l](int, int, float, float) { eclairer(*l, true, CouleurSurvol); };
        if (appui) l->MouseDown = [l](int, int, float, float) { eclairer(*l, false, CouleurAppui); };
    }
    Label2.MouseMove = [this](int, int, float, float) { Label2_MouseMove(); };
}

void Liste_son::Form_KeyPress(int16_t KeyAscii) {
    try {
        Radio_FM& f = Radio_FM::instance();
        const auto lancer = [](Label& l) {
            if (l.Click) l.Click();
        };
        switch (KeyAscii) {
        case 60: {  // "<"
            if (liste_agrandie != Vrai) {
                disposition_pleine_hauteur();
                liste_agrandie = Vrai;
            } else {
                disposition_ancree();
                liste_agrandie = Faux;
            }
            break;
        }
        case 27: Label9_Click(); break;
        case 'A': case 'a': Label7_Click(); break;
        case 'S': case 's': Image3_Click(); break;
        case 'E': case 'e': Label8_Click(); break;
        case 13: Image1_Click(); break;
        case 'Z': case 'z': Image2_Click(); break;
        case 'U': case 'u': Label6_Click(); break;
        case 'Q': case 'q': Label9_Click(); break;
        case 'M': case 'm': f.a_mini.choisir(); break;
        case 'C': case 'c': A_liste_Click(); break;
        case 'L': case 'l': Label5_Click(); break;
        case 'V': case 'v': Effacer_liste_Click(); break;
        case 'P': case 'p': Mettre_en_pause(); break;
        case 'F': case 'f': f.A_gere.choisir(); break;
        case 'O': case 'o': lancer(f.Label16); break;
        case 'B': case 'b':
        case 'H': case 'h': {
            // One volume step on the deck on air: quieter (B) or louder (H).
            using Pas = void (Radio_FM::*)();
            const Pas plus_bas[] = {&Radio_FM::AnyButton2_Click, &Radio_FM::AnyButton5_Click, &Radio_FM::AnyButton6_Click};
            const Pas plus_fort[] = {&Radio_FM::AnyButton1_Click, &Radio_FM::AnyButton3_Click, &Radio_FM::AnyButton4_Click};
            if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3)
                (f.*(KeyAscii == 'B' || KeyAscii == 'b' ? plus_bas : plus_fort)[lecteur_en_cours - 1])();
            break;
        }
        }
    } catch (const Erreur&) {
    }
}

void Liste_son::keyPressEvent(QKeyEvent* e) {
    const int code = evenement::code_caractere(e);
    if (code && KeyPreview) evenement::utilisateur([&] { Form_KeyPress(int16_t(code)); });
    Form::keyPressEvent(e);
}

void Liste_son::ListView1_KeyDown(int KeyCode) {
    try {
        switch (KeyCode) {
        case 46: supprime_Click(); break;
        case 40: {  // Down: back to the docked layout whatever liste_agrandie says
            setTop(TwipsParPixel);
            setHeight(int(hauteur_initiale));
            disposition_ancree();
            break;
        }
        case 38: disposition_pleine_hauteur(); break;
        }
    } catch (const Erreur&) {
    }
}

void Liste_son::ListView1_KeyPress(int16_t KeyAscii) {
    try {
        touche_liste(KeyAscii);
    } catch (const Erreur&) {
    }
}

void Liste_son::touche_liste(int16_t KeyAscii) {
    switch (KeyAscii) {
    case 'I': case 'i': a_mettre_a_jour_liste_Click(); break;
    case 32: supprime_Click(); break;
    case 'O': case 'm': Radio_FM::instance().a_mini.choisir(); break;
    case 13: Image1_Click(); break;
    case 3: copier__Click(); break;
    case 22: coller__Click(); break;
    case 24: Couper__Click(); break;
    case 'J': case 'j': A_ecoute_Click(); break;
    }
    Label1.setCaption(QStringLiteral("Nb de morceaux : ") + QString::number(ListView1.ListCount()) +
                      QStringLiteral(" (") + QString::number(ListView1.Index(ListView1.SelectedItem())) +
                      QStringLiteral(")"));
}

void Liste_son::ListView1_KeyUp() {
    glisser_liste_en_cours = Faux;
    glisser_fichier_en_cours = Faux;
    enreg_dragdrop.chemin.clear();
}

// Keys of the list and of the search box, the list's pointer and drags.
bool Liste_son::eventFilter(QObject* objet, QEvent* e) {
    const bool liste = objet == &ListView1 || objet == ListView1.viewport();
    const bool combo = objet == &Combo1 || objet == Combo1.lineEdit();
    if (combo && e->type() == QEvent::FocusIn) evenement::utilisateur([this] { Combo1_GotFocus(); });
    if (combo && e->type() == QEvent::FocusOut) evenement::utilisateur([this] { Combo1_LostFocus(); });
    if (qobject_cast<QMenu*>(objet)) {
        // The pop-up acts on a release or on Return: its row is selected again first.
        const auto* k = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
        auto* menu = static_cast<QMenu*>(objet);
        QAction* action = nullptr;
        if (e->type() == QEvent::MouseButtonRelease)
            action = menu->actionAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        else if (k && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Space))
            action = menu->activeAction();
        else
            return false;
        if (reprendre_ligne_du_menu() || !action || action->menu() || !action->isEnabled()) return false;
        // The row the menu was opened on left the list (list play removed it meanwhile): its
        // command would act on another row.
        for (QMenu* m : menu_et_sous_menus(Load_Pl.menu())) m->close();
        avis::signaler(QStringLiteral("La ligne de ce menu n'est plus dans la liste : commande annulée."));
        return true;
    }
    if (!liste) return Form::eventFilter(objet, e);
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        const int code = evenement::code_caractere(k);
        if (code && KeyPreview) evenement::utilisateur([&] { Form_KeyPress(int16_t(code)); });
        int touche = 0;
        switch (k->key()) {
        case Qt::Key_Delete: touche = 46; break;
        case Qt::Key_Down: touche = 40; break;
        case Qt::Key_Up: touche = 38; break;
        }
        if (touche) evenement::utilisateur([&] { ListView1_KeyDown(touche); });
        // A typed character goes to the list's key table and no further (the view's own
        // type-ahead would move the selection); other keys move the selection as usual.
        if (code && objet == &ListView1) {
            evenement::utilisateur([&] { ListView1_KeyPress(int16_t(code)); });
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (objet == &ListView1) evenement::utilisateur([this] { ListView1_KeyUp(); });
        break;

    case QEvent::MouseButtonPress:
        if (objet == ListView1.viewport()) m_appui = static_cast<QMouseEvent*>(e)->position().toPoint();
        break;
    case QEvent::MouseMove:
        if (objet == ListView1.viewport()) {
            auto* m = static_cast<QMouseEvent*>(e);
            // A click that slips a pixel stays a click: the button counts once the pointer has
            // moved the platform's drag distance.
            const bool loin = (m->position().toPoint() - m_appui).manhattanLength() >= QApplication::startDragDistance();
            const int bouton = loin ? evenement::bouton(m->buttons()) : 0;
            evenement::utilisateur([&] { ListView1_MouseMove(bouton); });
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (objet == ListView1.viewport()) {
            auto* d = static_cast<QDragMoveEvent*>(e);
            if (d->source() == ListView1.viewport() || d->source() == &ListView1) {
                const QPointF p = d->position();
                evenement::utilisateur([&] { ListView1_DragOver(float(p.x()), float(p.y())); });
                d->acceptProposedAction();
                return true;
            }
            // A drag from the file manager, or files from another program.
            if (d->source() || d->mimeData()->hasUrls()) {
                d->acceptProposedAction();
                return true;
            }
        }
        break;
    case QEvent::Drop:
        if (objet == ListView1.viewport()) {
            auto* d = static_cast<QDropEvent*>(e);
            const QPointF p = d->position();
            if (d->source()) {
                d->acceptProposedAction();
                evenement::utilisateur([&] { ListView1_DragDrop(float(p.x()), float(p.y())); });
                return true;
            }
            if (d->mimeData()->hasUrls()) {
                QStringList fichiers;
                for (const QUrl& u : d->mimeData()->urls())
                    if (u.isLocalFile()) fichiers.append(u.toLocalFile());
                d->acceptProposedAction();
                evenement::utilisateur([&] { ListView1_OLEDragDrop(fichiers); });
                return true;
            }
        }
        break;
    default:
        break;
    }
    return Form::eventFilter(objet, e);
}

// ---------------------------------------------------------------------------------------------
// The list's pointer, selection and drags

void Liste_son::ListView1_Click() {
    try {
        if (modif_chemin_autorisee == Vrai)
            ListView1.setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
        else if (modif_chemin_autorisee == Faux)
            ListView1.setEditTriggers(QAbstractItemView::NoEditTriggers);
        const int32_t n = ListView1.ListCount();
        if (n < 1) return;
        glisser_liste_en_cours = Faux;
        QTreeWidgetItem* choisie = ListView1.SelectedItem();
        if (choisie && modif_chemin_autorisee == Vrai) choisie->setFlags(choisie->flags() | Qt::ItemIsEditable);
        const int32_t i = ListView1.Index(choisie);
        ligne_insertion = i;
        // While the list plays its cursor belongs to list play: a click (to pick a row to
        // delete, say) must not make the list go on from that row.
        const Radio_FM& f = Radio_FM::instance();
        const bool liste_en_ondes = f.coche3.Value() && lecture_liste_auto == Vrai && f.Timer4.Enabled() &&
                                    lecteur_en_cours >= 1 && lecteur_en_cours <= 3;
        if (!liste_en_ondes) index_liste_en_cours = i;
        num_enreg_destinataire = i;
        Label1.setCaption(QStringLiteral("Nb de morceaux : ") + QString::number(i) + QStringLiteral(" / ") +
                          QString::number(n));
        ListView1.setSelectedItem(ListView1.ListItem(num_enreg_destinataire));
    } catch (const Erreur&) {
    }
}

void Liste_son::ListView1_MouseMove(int Button) {
    try {
        for (Label* l : {&Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11, &Label1})
            l->setForeColor(Radio::couleur_labels_liste());
        if (glisser_deplacer_actif == Faux || Button != 1 || glisser_liste_en_cours == Vrai) return;
        if (!ListView1.SelectedItem()) return;
        glisser_liste_en_cours = Vrai;
        // A drag inside the program: the targets read the program's drag state.
        auto* donnees = new QMimeData;
        donnees->setData(QString::fromLatin1(TypeGlisseLigne), QByteArray());
        ListView1.glisser(donnees, Qt::MoveAction | Qt::CopyAction);
        glisser_liste_en_cours = Faux;
        fin_glisse();
    } catch (const Erreur&) {
    }
}

void Liste_son::ListView1_DragOver(float X, float Y) {
    try {
        if (glisser_deplacer_actif == Faux || glisser_liste_en_cours != Vrai) return;
        if (QTreeWidgetItem* cible = ListView1.itemAt(QPoint(int(X), int(Y)))) {
            // The drop row is shown highlighted; the dragged row stays the current one.
            for (QTreeWidgetItem* s : ListView1.selectedItems())
                if (s != ListView1.SelectedItem()) s->setSelected(false);
            cible->setSelected(true);
        }
        if (!m_glisse_prise) {
            m_glisse_prise = true;
            m_ligne_glissee = ListView1.currentIndex();
        }
        // The dragged row left the list meanwhile: nothing to move.
        if (!m_ligne_glissee.isValid()) return;
        index_glisse = m_ligne_glissee.row() + 1;
        num_enreg_destinataire = index_glisse;
        num_enreg_survol = index_glisse;
        lire_enreg_dragdrop();
    } catch (const Erreur&) {
    }
}

void Liste_son::fin_glisse() {
    m_glisse_prise = false;
    m_ligne_glissee = QPersistentModelIndex();
}

void Liste_son::ListView1_MouseUp(int Button) {
    A_conserver.setEnabled(ListView1.ListCount() > 0);
    if (Button == 2) {
        m_ligne_du_menu = ListView1.currentIndex();
        m_menu_contextuel = true;
        Load_Pl.PopupMenu();
    }
    glisser_liste_en_cours = Faux;
    enreg_dragdrop.chemin.clear();
}

bool Liste_son::reprendre_ligne_du_menu() {
    if (!m_ligne_du_menu.isValid()) return !m_menu_sur_ligne;
    QTreeWidgetItem* ligne = ListView1.topLevelItem(m_ligne_du_menu.row());
    if (!ligne || ligne == ListView1.SelectedItem()) return true;
    ListView1.setSelectedItem(ligne);
    num_enreg_destinataire = ListView1.Index(ligne);
    return true;
}

void Liste_son::Load_Pl_Click() {
    const QClipboard* c = QApplication::clipboard();
    if (!c->text().isEmpty()) coller_.setEnabled(true);
    char1.setEnabled(lecteur_en_cours != 1);
    char2.setEnabled(lecteur_en_cours != 2);
    char3.setEnabled(lecteur_en_cours != 3);
}

// ---------------------------------------------------------------------------------------------
// Labels used as buttons

void Liste_son::Label1_Click() { Radio_FM::instance().Affiche_Fenetre_L.choisir(); }

void Liste_son::Label2_MouseMove() {
    switch (lecteur_en_cours) {
    case 0: Label2.setToolTip(QStringLiteral("Aucun lecteur en cours")); break;
    case 1: Label2.setToolTip(chemin_lecteur1); break;
    case 2: Label2.setToolTip(chemin_lecteur2); break;
    case 3: Label2.setToolTip(chemin_lecteur3); break;
    }
}

void Liste_son::Label5_Click() { A_Charge_liste.PopupMenu(); }

void Liste_son::Label6_Click() { efface_.PopupMenu(); }

void Liste_son::Label7_Click() {
    try {
        Radio_FM& f = Radio_FM::instance();
        f.setWindowFlag(Qt::WindowStaysOnTopHint, false);
        f.show();
        f.Affiche_Fenetre_P.setChecked(false);
        f.Affiche_Fenetre_L.setChecked(false);
        f.Affiche_barre.setChecked(false);
        f.affiche_toujour.setChecked(false);
        f.affiche_tout.setChecked(true);
        f.Aligner_liste.setEnabled(true);
        ajout_tous.PopupMenu();
    } catch (const Erreur&) {
    }
}

void Liste_son::Label10_Click() {
    const QString texte = Combo1.Text();
    if (texte == QLatin1String("Rechercher")) return;
    if (texte.isEmpty()) {
        MsgBox(QStringLiteral("Rien a sauvegarder !"), boites::Exclamation);
        return;
    }
    enregistre_recherche();
}

void Liste_son::Label11_Click() {
    Radio_FM& f = Radio_FM::instance();
    if (f.Label15.Click) f.Label15.Click();
}

// The radio-name label switches the grid lines of the list.
void Liste_son::Label24_Click() { ListView1.setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #c0c0c0; }")); }
void Liste_son::Label24_DblClick() { ListView1.setStyleSheet(QString()); }

void Liste_son::Image6_Click() { A_looK.PopupMenu(); }

// ---------------------------------------------------------------------------------------------
// Find in list

void Liste_son::Combo1_GotFocus() { KeyPreview = false; }
void Liste_son::Combo1_LostFocus() { KeyPreview = true; }

void Liste_son::Combo1_Change() { chercher_dans_liste(); }

void Liste_son::Combo1_Click() {
    enreg_destinataire.chemin.clear();
    chercher_dans_liste();
}

void Liste_son::chercher_dans_liste() {
    const QString terme = Combo1.Text().trimmed().toLower();
    const int32_t n = ListView1.ListCount();
    for (int32_t j = 1; j <= n; ++j) {
        QTreeWidgetItem* ligne = ListView1.ListItem(j);
        if (ligne->text(0).toLower().contains(terme)) {
            ListView1.setSelectedItem(ligne);
            ListView1.EnsureVisible(ligne);
            return;
        }
    }
    if (n == 0) return;
    QTreeWidgetItem* derniere = ListView1.ListItem(n);
    ListView1.setSelectedItem(derniere);
    ListView1.EnsureVisible(derniere);
    MsgBox(QStringLiteral("Fichier non trouvé"), boites::Information);
}

// ---------------------------------------------------------------------------------------------
// Entry points of printing and disk search

void Liste_son::A_imprime_Click() {
    // Not modal; a window whose load failed has already gone.
    impression& f = impression::instance();
    if (!f.fermeture_demandee()) f.Show();
}

void Liste_son::A_recherche_Click() {
    ajout_fichier& a = ajout_fichier::instance();
    a.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    const QString r = QStringLiteral("\r");
    const QString texte = QStringLiteral("Recherche sur disque") + QStringLiteral("\n\r\n\r") +
                          QStringLiteral("Si une liste ou un lecteur est en cours de lecture ") + r +
                          QStringLiteral("Vous allez la ou le stopper ! ") + r +
                          QStringLiteral("Si vous validez,sélectionnez le départ de la recherche") + r +
                          QStringLiteral("puis menu : Rechercher") + r + QStringLiteral("Continuer ?");
    if (MsgBox(texte, 308, programme::nom()) != boites::Oui) {
        a.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        a.hide();
        return;
    }
    Radio_FM& f = Radio_FM::instance();
    f.HLBSoftBttn9_Click();
    f.HLBSoftBttn10_Click();
    f.HLBSoftBttn11_Click();
    // The action label starts the search from the folder the user picks; no tool to validate.
    a.Label7.setCaption(QStringLiteral("Rechercher"));
    a.Label7.setEnabled(true);
    a.Label8.setEnabled(false);
    a.Show();
}
