#include "windows/ajout_fichier.h"

ajout_fichier::ajout_fichier() {
    setWindowTitle(QStringLiteral("Ajout / recherche fichier (s)"));
    resize(760, 480);
}
