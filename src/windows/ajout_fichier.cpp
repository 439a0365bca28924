#include "windows/ajout_fichier.h"

#include <QGridLayout>

ajout_fichier::ajout_fichier() {
    setWindowTitle(QStringLiteral("Ajout / recherche fichier (s)"));
    // The colour theme and the label colour command find these by name.
    Drive1.setObjectName(QStringLiteral("Drive1"));
    Dir1.setObjectName(QStringLiteral("Dir1"));
    File1.setObjectName(QStringLiteral("File1"));
    auto* g = new QGridLayout(this);
    g->addWidget(&Drive1, 0, 0);
    g->addWidget(&Dir1, 1, 0);
    g->addWidget(&File1, 0, 1, 2, 1);
    g->setRowStretch(1, 1);
    resize(760, 480);
}
