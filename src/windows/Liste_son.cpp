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
}
