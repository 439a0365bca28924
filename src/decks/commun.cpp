#include "decks/commun.h"

#include <algorithm>

#include "config/etat.h"
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

void liberer(TypeLecteur& lecteur, bool avec_video) {
    lecteur.graphe = nullptr;
    lecteur.position = nullptr;
    lecteur.audio = nullptr;
    if (avec_video) lecteur.video = nullptr;
}

int16_t secondes_entieres(double secondes) { return rt::CInt(secondes); }

std::optional<QString> duree_de_liste(double duree_fichier) {
    if (Radio::preecoute_active == Vrai) {
        const int16_t secondes = rt::CInt(duree_fichier);
        return QString::number(secondes <= Radio::duree_preecoute ? secondes : Radio::duree_preecoute);
    }
    if (Radio::preecoute_active == Faux) return Radio::enreg_destinataire.fin_lecture;
    return std::nullopt;
}

int16_t plus_un(int16_t compteur) { return rt::CInt(double(compteur) + 1.0); }

bool extension_video_lecture(const QString& ext) {
    return ext == QLatin1String("mpeg") || ext == QLatin1String("avi") || ext == QLatin1String("mpg") ||
           ext == QLatin1String("wmv") || ext == QLatin1String(".wm");
}

bool extension_video_arret(const QString& ext) {
    return ext == QLatin1String("mpeg") || ext == QLatin1String("avi") || ext == QLatin1String("mpg");
}

QString ligne_etat() { return QStringLiteral("- - ") + Radio::Nom_radio_fm + QStringLiteral(" - -"); }
}  // namespace decks
