#include "automation/entree_disque.h"

#include <QDir>

#include "decks/commun.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "windows/ajout_fichier.h"

namespace entree_disque {

std::optional<QString> chercher(const QString& chemin, QString& dossier) {
    // The folder ends at the last separator, "/" or "\" alike.
    const int p = decks::dernier_separateur(chemin);
    if (p == 0) return std::nullopt;
    const QString nom = chemin.mid(p);
    dossier = chemins::avec_separateur(p == 1 ? QStringLiteral("/") : chemin.left(p - 1));
    if (!QDir(dossier).exists() || !QDir::setCurrent(dossier)) throw Erreur(err::CheminIntrouvable);
    ajout_fichier& gestionnaire = ajout_fichier::instance();
    gestionnaire.Dir1.setPath(dossier);
    gestionnaire.File1.setPath(gestionnaire.Dir1.Path());
    const QString sur_disque = chemins::trouver_fichier_sans_casse(dossier, nom);
    return sur_disque.isEmpty() ? QString() : dossier + sur_disque;
}

}  // namespace entree_disque
