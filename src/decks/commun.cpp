#include "decks/commun.h"

#include <algorithm>

#include "platform/chaines.h"
#include "platform/conversions.h"
#include "windows/Radio_FM.h"

namespace decks {
void ecrire_separateurs(Radio_FM& f) {
    f.saut_ligne = QStringLiteral("\r");
    f.double_saut = QStringLiteral("\n\r\n\r");
}

int dernier_separateur(const QString& chemin) {
    return std::max(rt::InStrRev(chemin, QStringLiteral("/")), rt::InStrRev(chemin, QStringLiteral("\\")));
}

void nouveau_graphe(TypeLecteur& lecteur) {
    lecteur.graphe = FilgraphManager::creer();
    lecteur.position = lecteur.graphe;
    lecteur.audio = lecteur.graphe;
}

int16_t secondes_entieres(double secondes) { return rt::CInt(secondes); }
}  // namespace decks
