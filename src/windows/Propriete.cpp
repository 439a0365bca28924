#include "windows/Propriete.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <cmath>

#include "config/Radio.h"
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "playlist/volume_liste.h"
#include "windows/Liste_son.h"

using namespace Radio;

namespace {
constexpr int32_t CouleurAppui = -2147483630;  // the system's button text

// The preview's position as the marks show it.
QString position_texte(const IMediaPosition& p) { return rt::format_nombre(p.CurrentPosition()); }

// A whole number of the bar's units, halves to even.
int entier(double x) { return rt::CInt(rt::CStr(x)); }
}  // namespace

Propriete::Propriete() {
    setWindowTitle(QStringLiteral("Propriété"));
    Label13.setEnabled(false);
    Label14.setEnabled(false);
    Label12.setToolTip(QStringLiteral("Sélection Début / pause"));
    Label13.setToolTip(QStringLiteral("Sélection Fin / pause"));
    Label7.setToolTip(QStringLiteral("Reculer"));
    Label8.setToolTip(QStringLiteral("Reculer"));
    Label9.setToolTip(QStringLiteral("Avancer"));
    Label10.setToolTip(QStringLiteral("Avancer"));

    auto* g = new QGridLayout(this);
    g->addWidget(&Label1, 0, 0, 1, 4);
    const struct {
        const char* titre;
        TextBox* texte;
    } champs[] = {{"Début lecture piste", &Text1}, {"Fin de piste", &Text2}, {"Genre ", &Text3},
                  {"Volume", &Text4},              {"Durée piste", &Text5}};
    int rang = 1;
    for (const auto& c : champs) {
        g->addWidget(new Label(this, QString::fromUtf8(c.titre)), rang, 0);
        g->addWidget(c.texte, rang, 1);
        ++rang;
    }
    g->addWidget(&Label7, 1, 2);
    g->addWidget(&Label9, 1, 3);
    g->addWidget(&Label8, 2, 2);
    g->addWidget(&Label10, 2, 3);
    auto* lecture = new QHBoxLayout;
    for (Label* l : {&Label11, &Label12, &Label13, &Label14}) lecture->addWidget(l);
    g->addLayout(lecture, rang++, 0, 1, 4);
    g->addWidget(&picProgBack, rang++, 0, 1, 4);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(&AnyButton2);
    boutons->addWidget(&AnyButton1);
    g->addLayout(boutons, rang, 0, 1, 4);

    Label11.Click = [this] { Label11_Click(); };
    Label12.Click = [this] { Label12_Click(); };
    Label13.Click = [this] { Label13_Click(); };
    Label14.Click = [this] { Label14_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    Label9.Click = [this] { Label9_Click(); };
    Label10.Click = [this] { Label10_Click(); };
    for (Label* l : {&Label7, &Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &Label14}) {
        l->MouseMove = [l](int, int, float, float) { l->setForeColor(survol_lisible(coul_fenètre)); };
        l->MouseDown = [l](int, int, float, float) { l->setForeColor(CouleurAppui); };
    }
    AnyButton1.Click = [this] { AnyButton1_Click(); };
    AnyButton2.Click = [this] { AnyButton2_Click(); };
    picProgBack.MouseMove = [this](int, int, float X, float) { picProgBack_info_bulle(X); };
    picProgBack.MouseDown = [this](int, int, float X, float) { picProgBack_positionner(X); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
    Text1.Click = [this] { Text1_Click(); };
    Text2.Click = [this] { Text2_Click(); };
    setMouseTracking(true);
}

void Propriete::prendre_entree(const QString& liste, int32_t numero, const QString& chemin) {
    m_liste = liste;
    m_numero = numero;
    m_chemin = chemin;
}

// ---------------------------------------------------------------------------------------------
// Preview

void Propriete::Label11_Click() {
    FilgraphManager nouveau = FilgraphManager::creer();
    graphe = nouveau;
    position = nouveau;
    audio = nouveau;
    try {
        graphe.RenderFile(m_chemin);
        picProgBack.setMax(std::max(1, entier(position.Duration())));
        Label14.setEnabled(true);
        graphe.Run();
        Timer1.setEnabled(true);
        Timer2.setEnabled(true);
    } catch (const Erreur&) {
        graphe = nullptr;
        position = nullptr;
        audio = nullptr;
    }
}

void Propriete::Label12_Click() {
    if (graphe.estNul()) return;
    try {
        if (graphe.GetState(0) != etat_graphe::EnLecture) {
            graphe.Run();
            Timer2.setEnabled(true);
        } else {
            graphe.Pause();
            Timer2.setEnabled(false);
            Timer3.setEnabled(false);
            Label13.setEnabled(true);
            Text1.setText(position_texte(position));
        }
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void Propriete::Label13_Click() {
    if (graphe.estNul()) return;
    try {
        if (graphe.GetState(0) != etat_graphe::EnLecture) {
            graphe.Run();
            Timer3.setEnabled(true);
        } else {
            graphe.Pause();
            Timer3.setEnabled(false);
            Timer2.setEnabled(false);
        }
        Text2.setText(position_texte(position));
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void Propriete::Label14_Click() {
    try {
        if (!graphe.estNul()) graphe.Stop();
        picProgBack.setValue(0);
    } catch (const Erreur&) {
    }
}

void Propriete::pas_marque(TextBox& marque, double pas, bool seulement_au_dessus_de_zero) {
    try {
        if (seulement_au_dessus_de_zero && rt::CInt(marque.Text()) <= 0) return;
        position.setCurrentPosition(position.CurrentPosition() + pas);
        marque.setText(position_texte(position));
    } catch (const Erreur&) {
    }
}

void Propriete::Label7_Click() { pas_marque(Text1, -0.1, true); }
void Propriete::Label9_Click() { pas_marque(Text1, 0.1, false); }
void Propriete::Label8_Click() { pas_marque(Text2, -0.1, true); }
void Propriete::Label10_Click() { pas_marque(Text2, 0.1, false); }

// Without a preview graph the timers have nothing to follow.
void Propriete::Timer1_Timer() {
    if (!position.estNul()) picProgBack.setValue(entier(position.CurrentPosition()));
}
void Propriete::Timer2_Timer() {
    if (!position.estNul()) Text1.setText(position_texte(position));
}
void Propriete::Timer3_Timer() {
    if (!position.estNul()) Text2.setText(position_texte(position));
}

void Propriete::Text1_Click() { Timer2.setEnabled(false); }
void Propriete::Text2_Click() { Timer3.setEnabled(false); }

void Propriete::picProgBack_info_bulle(float X) {
    picProgBack.setToolTip(QStringLiteral("lecteur chargé (F8) avec : ") + m_chemin);
    if (picProgBack.Value() != 0)
        picProgBack.setCaption(QString::number(entier(X * 100.0 / PositionBar::LargeurUtile)) + QLatin1Char('%'));
}

void Propriete::picProgBack_positionner(float X) {
    try {
        const int p = entier(X * 100.0 / PositionBar::LargeurUtile);
        if (!position.estNul()) position.setCurrentPosition(p * position.Duration() / 100);
    } catch (const Erreur&) {
    }
}

// ---------------------------------------------------------------------------------------------
// Writing the entry back, closing

void Propriete::AnyButton2_Click() {
    if (m_liste.isEmpty()) {
        MsgBox(QStringLiteral("Pas de nom de fichier"), boites::Critique);
        return;
    }
    if (Liste_son::instance().sauvegarde_refusee()) return;
    if (!fichier_liste::au_format_dfm(m_liste)) return;
    // The record is written whole or not at all: every number is checked first.
    for (TextBox* t : {&Text1, &Text2, &Text4}) {
        if (!rt::IsNumeric(rt::Trim(t->Text()))) {
            MsgBox(QStringLiteral("Valeur non numérique : ") + t->Text(), boites::Exclamation);
            t->setFocus();
            return;
        }
    }
    TypeEnregListe e;
    e.chemin = m_chemin;
    e.debut_lecture = rt::CDbl(rt::Trim(Text1.Text()));
    e.fin_lecture = rt::Trim(Text2.Text());
    e.genre = Text3.Text();
    e.volume = volume_liste::pourcent_de_table(rt::CDbl(rt::Trim(Text4.Text())));
    e.duree_piste = Text5.Text();
    try {
        programme::aller_au_dossier();
        // Rows may have moved while the dialog was open: the entry is found again by its path,
        // and no other entry is ever written over.
        const int numero = fichier_liste::numero_de(m_liste, m_numero, m_chemin);
        if (numero == 0) {
            MsgBox(QStringLiteral("L'entrée ne figure plus dans la liste, aucune modification :") +
                       QStringLiteral("\r") + m_chemin,
                   boites::Exclamation);
            return;
        }
        m_numero = numero;
        fichier_liste::ecrire_enregistrement(m_liste, m_numero, e);
    } catch (const Erreur& err) {
        fichier_liste::signaler_ecriture(fichier_liste::chemin_complet(m_liste), err);
        return;
    }
    Text4.setText(QString::number(e.volume));
    // The playlist shows the list written when it is still the one in hand.
    if (fichier_liste::chemin_complet(m_liste) == fichier_liste::chemin_complet(chemin_liste))
        Liste_son::instance().charge_liste();
}

void Propriete::AnyButton1_Click() {
    hide();
    Label14_Click();
}

void Propriete::Form_Unload(int16_t& Cancel) {
    Cancel = 1;
    AnyButton1_Click();
}

void Propriete::closeEvent(QCloseEvent* e) {
    int16_t annuler = 0;
    evenement::utilisateur([&] { Form_Unload(annuler); });
    if (annuler) e->ignore();
}

void Propriete::Form_KeyPress(int16_t KeyAscii) {
    if (KeyAscii == 27) close();
}

void Propriete::keyPressEvent(QKeyEvent* e) {
    const int code = evenement::code_caractere(e);
    if (code) evenement::utilisateur([&] { Form_KeyPress(int16_t(code)); });
    Form::keyPressEvent(e);
}

void Propriete::Form_MouseMove() {
    // Back to the labels' colour at rest, readable on the window's ground.
    for (Label* l : findChildren<Label*>()) l->setForeColor(texte_lisible(coul_label, coul_fenètre));
}

void Propriete::mouseMoveEvent(QMouseEvent* e) {
    Form::mouseMoveEvent(e);
    evenement::utilisateur([this] { Form_MouseMove(); });
}
