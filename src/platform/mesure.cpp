#include "platform/mesure.h"

#include "platform/erreur.h"
#include "platform/media.h"

namespace mesure {
Resultat mesurer(const QString& chemin) {
    Resultat r;
    try {
        FilgraphManager graphe = FilgraphManager::creer();
        IMediaPosition position = graphe;
        IMediaControl(graphe).RenderFile(chemin);
        if (!position.AttendreDuree(GrapheFiltres::DelaiComptageBloque_ms) || !(position.Duration() > 0)) {
            r.erreur = QStringLiteral("Durée du fichier introuvable : ") + chemin;
            return r;
        }
        r.duree = position.Duration();
        r.ok = true;
    } catch (const Erreur& e) {
        r.erreur = e.description();
    }
    return r;
}
}  // namespace mesure
