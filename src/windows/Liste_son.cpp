#include "windows/Liste_son.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

Liste_son::Liste_son() {
    setWindowTitle(QStringLiteral("Fichier liste"));

    for (MenuItem* m : {&logofond, &A_coul_fenètre, &a_coul_label, &logo_, &logo_liste, &A_coul_fond_liste,
                        &A_coul_texte_liste, &logo_menu_fichier, &a_coul_bouton, &A_coul_text_bouton,
                        &a_coul_bouton_groupe_lecture})
        A_looK.ajouter(*m);
    A_looK.ajouter_separateur();
    A_looK.ajouter(A_revenir_couleur);
    A_looK.ajouter_separateur();
    for (MenuItem* m : {&T_Printemps, &T_Eté, &T_Autonne, &T_Hiver}) A_looK.ajouter(*m);
    auto* barre = new QMenuBar(this);
    barre->setNativeMenuBar(false);
    ajouter_menu(barre, A_looK);

    A_coul_fenètre.Click = [this] { A_coul_fenètre_Click(); };
    a_coul_label.Click = [this] { a_coul_label_Click(); };
    A_coul_texte_liste.Click = [this] { A_coul_texte_liste_Click(); };
    A_coul_fond_liste.Click = [this] { A_coul_fond_liste_Click(); };
    A_coul_text_bouton.Click = [this] { A_coul_text_bouton_Click(); };
    a_coul_bouton.Click = [this] { a_coul_bouton_Click(); };
    a_coul_bouton_groupe_lecture.Click = [this] { a_coul_bouton_groupe_lecture_Click(); };
    T_Autonne.Click = [this] { T_Autonne_Click(); };
    T_Eté.Click = [this] { T_Eté_Click(); };
    T_Hiver.Click = [this] { T_Hiver_Click(); };
    T_Printemps.Click = [this] { T_Printemps_Click(); };
    A_revenir_couleur.Click = [this] { A_revenir_couleur_Click(); };

    Label24.setCaption(QStringLiteral("Sonavel"));
    Label14.setCaption(QStringLiteral("Jingle auto / Off"));
    Label15.setCaption(QStringLiteral("New auto / Off"));
    Image10.setFixedSize(220, 90);
    Image10.setStretch(true);
    ListView1.setColumnCount(3);
    ListView1.setHeaderLabels({QStringLiteral("Fichier"), QStringLiteral("Fin"), QStringLiteral("Durée")});

    auto* haut = new QHBoxLayout;
    haut->addWidget(&Image10);
    auto* titres = new QVBoxLayout;
    titres->addWidget(&Label24);
    auto* encours = new QHBoxLayout;
    encours->addWidget(&Label2, 1);
    encours->addWidget(&Label4);
    titres->addLayout(encours);
    titres->addWidget(&Label14);
    titres->addWidget(&Label15);
    titres->addWidget(&Combo1);
    haut->addLayout(titres, 1);
    auto* options = new QHBoxLayout;
    for (OptionButton* o : {&Option1, &Option2, &Option3, &Option4}) options->addWidget(o);
    auto* v = new QVBoxLayout(this);
    v->setMenuBar(barre);
    v->addLayout(haut);
    v->addWidget(&ListView1, 1);
    v->addLayout(options);
    auto* etat = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{&Image1, &Image2, &Label1, &Label11, &Label12})
        etat->addWidget(w);
    etat->addStretch();
    v->addLayout(etat);
    resize(760, 420);
    Label4.setCaption(QStringLiteral("00:00:00"));
    Option1.setCaption(QStringLiteral("Lecture continue"));
    Option2.setCaption(QStringLiteral("Lecture aléatoire"));
    Option3.setCaption(QStringLiteral("Fin définie"));
    Option4.setCaption(QStringLiteral("Durée piste"));
    Option1.Click = [this] { Option1_Click(); };
}
