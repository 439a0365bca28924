// Display name, extension and remembered folder of the file being loaded.
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

void Radio_FM::nom_du_fich() {
    using namespace Radio;
    decks::ecrire_separateurs(*this);
    // On an error the names assigned so far stay, the rest is left undone.
    try {
        const QString& c = chemin_fichier_charge;
        const int l = c.size();
        const int p = decks::dernier_separateur(c);
        nom_fichier_affiche = rt::Trim(rt::Mid(c, p + 1, l - p + 1));
        // A dot and a three-letter extension are assumed; a shorter name keeps its full text.
        nom_fichier_affiche = rt::Left(nom_fichier_affiche, nom_fichier_affiche.size() - 4);
        extension_fichier = rt::Right(c, 3).toLower();
    } catch (const Erreur&) {
    }
}

void Radio_FM::formate_nom() {
    using namespace Radio;
    decks::ecrire_separateurs(*this);
    try {
        if (nom_fichier_affiche.size() >= 23)
            nom_fichier_affiche = (rt::Left(nom_fichier_affiche, 23) + QStringLiteral(" ...")).toLower();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}

void Radio_FM::ecrire_path_fichier() {
    using namespace Radio;
    try {
        QString dossier;
        if (glisser_fichier_en_cours == Vrai) {
            dossier = ajout_fichier::instance().Dir1.Path();
            if (!dossier.endsWith(QLatin1Char('/'))) dossier += QLatin1Char('/');
        } else {
            const QString& fichier = fichier_depose == Vrai ? chemin_fichier_depose : Dialogue1.FileName;
            dossier = rt::Trim(rt::Left(fichier, rt::InStrRev(fichier, QStringLiteral("/"))));
        }
        Chemin_dernier_fichier = dossier;
        ecrire_reglage_discret(cle::Config, cle::Chemin_dernier_fichier, rt::Trim(Chemin_dernier_fichier));
    } catch (const Erreur&) {
    }
}
