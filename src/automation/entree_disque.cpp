#include "automation/entree_disque.h"

#include <QFileInfo>

#include "decks/commun.h"
#include "platform/chemins.h"
#include "platform/erreur.h"

namespace entree_disque {

std::optional<QString> chercher(const QString& chemin, QString& dossier) {
    // The folder ends at the last separator, "/" or "\" alike.
    const int p = decks::dernier_separateur(chemin);
    if (p == 0) return std::nullopt;
    const QString nom = chemin.mid(p);
    dossier = chemins::avec_separateur(p == 1 ? QStringLiteral("/") : chemin.left(p - 1));
    // Only looked at: neither the current folder nor the file manager's folder moves, since a
    // folder walk of the file manager may be under way.
    const QFileInfo d(dossier);
    if (!d.isDir() || !d.isExecutable()) throw Erreur(err::CheminIntrouvable);
    const QString sur_disque = chemins::trouver_fichier_sans_casse(dossier, nom);
    return sur_disque.isEmpty() ? QString() : dossier + sur_disque;
}

}  // namespace entree_disque
