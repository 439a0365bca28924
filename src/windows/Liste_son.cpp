#include "windows/Liste_son.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

Liste_son::Liste_son() {
    setWindowTitle(QStringLiteral("Fichier liste"));
    auto* v = new QVBoxLayout(this);
    auto* encours = new QHBoxLayout;
    encours->addWidget(&Label2, 1);
    encours->addWidget(&Label4);
    v->addLayout(encours);
    auto* options = new QHBoxLayout;
    for (OptionButton* o : {&Option1, &Option2, &Option3, &Option4}) options->addWidget(o);
    options->addStretch();
    v->addLayout(options);
    v->addStretch();
    Label4.setCaption(QStringLiteral("00:00:00"));
    resize(760, 420);
    Label4.setCaption(QStringLiteral("00:00:00"));
    Option1.setCaption(QStringLiteral("Lecture continue"));
    Option2.setCaption(QStringLiteral("Lecture aléatoire"));
    Option3.setCaption(QStringLiteral("Fin définie"));
    Option4.setCaption(QStringLiteral("Durée piste"));
    Option1.Click = [this] { Option1_Click(); };
}
