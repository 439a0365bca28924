// The list-play monitor and its five buttons: show the history, add the entry in hand to it,
// clear the display, empty the history.
#include "windows/liste.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/etat.h"
#include "windows/Liste_son.h"

using namespace Radio;

liste::liste() {
    setWindowTitle(QStringLiteral("Controle en mode lecture liste"));
    Command2.setToolTip(QStringLiteral("Recharger le tableau des fichiers déja écouté en mode aléatoire"));
    Command3.setToolTip(QStringLiteral("Effacer la liste"));
    Command4.setToolTip(QStringLiteral("Effacer toutes les donnees du tableau"));
    Command5.setToolTip(QStringLiteral("Chargement  manuel dans le tableau du fichier en cours"));
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };

    for (TextBox* t : {&Text1, &Text2, &Text3}) t->setMinimumWidth(140);
    Label4.setCaption(QStringLiteral("0"));
    Label5.setCaption(QStringLiteral("0"));
    auto* cadre = new QVBoxLayout(&Frame1);
    cadre->addWidget(&Label10);
    Frame1.setVisible(false);

    auto* chiffres = new QGridLayout;
    chiffres->addWidget(&Label1, 0, 0);
    chiffres->addWidget(&Text1, 0, 1);
    chiffres->addWidget(&Label3, 1, 0);
    chiffres->addWidget(&Text3, 1, 1);
    chiffres->addWidget(&Label9, 2, 0);
    chiffres->addWidget(&Text2, 2, 1);
    chiffres->addWidget(&Label6, 3, 0);
    chiffres->addWidget(&Label5, 3, 1);
    chiffres->addWidget(&Label7, 4, 0);
    chiffres->addWidget(&Label4, 4, 1);
    auto* infos = new QVBoxLayout;
    for (Label* l : {&Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17}) infos->addWidget(l);
    infos->addStretch();
    auto* colonne = new QVBoxLayout;
    colonne->addLayout(chiffres);
    colonne->addWidget(&Label8);
    colonne->addWidget(&Frame1);
    colonne->addLayout(infos, 1);

    auto* milieu = new QHBoxLayout;
    milieu->addWidget(&List1, 1);
    milieu->addWidget(&List2, 2);
    milieu->addLayout(colonne, 2);
    auto* boutons = new QHBoxLayout;
    for (CommandButton* b : {&Command2, &Command5, &Command3, &Command4}) boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(&Command1);
    auto* v = new QVBoxLayout(this);
    v->addWidget(&Label2);
    v->addLayout(milieu, 1);
    v->addLayout(boutons);
    resize(620, 400);
}

void liste::afficher_entree(int16_t pourcent) {
    const TypeEnregListe& e = enreg_destinataire;
    Label11.setCaption(QStringLiteral("*  Info fichier chargé  *"));
    Label12.setCaption(QStringLiteral("Nom : ") + nom_fichier_affiche);
    Label13.setCaption(QStringLiteral("Début a : ") + QString::number(e.debut_lecture));
    Label14.setCaption(QStringLiteral("Fin a : ") + e.fin_lecture);
    Label17.setCaption(QStringLiteral("genre : ") + e.genre);
    Label15.setCaption(QStringLiteral("Volume : ") + QString::number(pourcent) + QStringLiteral(" %"));
    Label16.setCaption(QStringLiteral("Durée piste : ") + e.duree_piste);
    if (ordre_aleatoire == Faux) {
        List1.AddItem(QString::number(index_liste_en_cours));
        List2.AddItem(nom_fichier_affiche);
        Label4.setCaption(QString::number(List1.ListCount()));
    }
}

void liste::Command1_Click() { hide(); }

void liste::Command2_Click() {
    List1.Clear();
    for (int32_t i = 1; i <= nb_index_tires; ++i) List1.AddItem(QString::number(index_tires.value(i - 1)));
    Label5.setCaption(QString::number(nb_index_tires));
    Label4.setCaption(QStringLiteral("0"));
    Command5.setEnabled(true);
}

void liste::Command3_Click() {
    List1.Clear();
    List2.Clear();
    Text2.setText(QString());
    Label5.setCaption(QStringLiteral("0"));
    Label4.setCaption(QStringLiteral("0"));
}

void liste::Command4_Click() {
    nb_index_tires = 0;
    Text1.setText(QStringLiteral("1"));
    Text2.setText(QString());
    List1.Clear();
    Label5.setCaption(QStringLiteral("0"));
    Label4.setCaption(QStringLiteral("0"));
}

// No test for an index already present: a row added twice counts twice.
void liste::Command5_Click() {
    Text2.setText(QString());
    List2.AddItem(QString::number(index_liste_en_cours) + QStringLiteral(" - CH manuel"));
    List1.AddItem(QString::number(index_liste_en_cours));
    nb_index_tires += 1;
    index_tires.resize(nb_index_tires);
    index_tires[nb_index_tires - 1] = index_liste_en_cours;
    Text2.setText(QStringLiteral("Total index ( ") + QString::number(Liste_son::instance().ListView1.ListCount()) +
                  QStringLiteral(")"));
    Label5.setCaption(QString::number(nb_index_tires));
}
