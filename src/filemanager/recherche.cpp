// The disk search panel. The search itself is not built yet: resetting the panel gives the
// lists and the action back.
#include "windows/ajout_fichier.h"

void ajout_fichier::lance_recherche() {
    File1.show();
    Dir1.show();
    Label7.setCaption(QStringLiteral("Rechercher"));
    Label6.setCaption(QStringLiteral("Fermer"));
}
