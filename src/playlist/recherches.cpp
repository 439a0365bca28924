// Saved searches: "recherche.dit" in the program folder, fixed 200-byte records of one term
// each, offered again in the search box of the playlist window.
#include <QFile>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"

using namespace Radio;

namespace {
constexpr const char* FichierRecherches = "recherche.dit";
constexpr int LongueurRecherche = 200;
QString chemin_recherches() { return fichier_liste::chemin_complet(QString::fromLatin1(FichierRecherches)); }
}  // namespace

void Liste_son::charge_recherche() {
    programme::aller_au_dossier();
    Combo1.Clear();
    // A missing file is an empty list of searches; reading never creates it.
    if (!QFile::exists(chemin_recherches())) return;
    try {
        FichierEnregistrements f(chemin_recherches(), LongueurRecherche, FichierEnregistrements::Acces::Lecture);
        for (const QByteArray& r : f.lire_tout()) Combo1.AddItem(rt::Trim(champ::decoder(r)));
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Erreur chargement recherche précédente"), boites::Exclamation);
    }
}

void Liste_son::enregistre_recherche() {
    programme::aller_au_dossier();
    QString texte = nom_fichier_affiche;
    enreg_destinataire.chemin = texte;
    if (enreg_destinataire.chemin.isEmpty()) texte = chemin_entree_liste;
    texte = rt::Trim(texte);
    if (MsgBox(QStringLiteral("Conservez cette recherche ? - ") + texte, 292, programme::nom()) != boites::Oui) return;
    try {
        FichierEnregistrements f(chemin_recherches(), LongueurRecherche);
        f.ajouter(champ::texte(texte, LongueurRecherche));
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Une érreur est survenu !"), boites::Critique);
        return;
    }
    charge_recherche();
    A_conserver.setEnabled(false);
}
