// The keep-volume command: the volume of the deck on air goes into the current entry of the
// list file.
#include "config/etat.h"
#include "decks/lecteur.h"
#include "config/reglages_radio.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "playlist/volume_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::A_sauve() {
    try {
        programme::aller_au_dossier();
        if (chemin_liste.isEmpty()) {
            Dialogue1.FileName = QStringLiteral("*.dfm");
            Dialogue1.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
            Dialogue1.CancelError = true;
            Dialogue1.ShowSave();
            // Only a list file takes the entry.
            if (chemins::extension(Dialogue1.FileName).toLower() != QLatin1String("dfm")) return;
            chemin_liste = Dialogue1.FileName;
        }
        // The deck's level, kept as the table row that plays back at that level: the slider's
        // linear percent (5 % for an entry stored at 10 %) is not a row of the list's table.
        if (lecteur_en_cours < 1 || lecteur_en_cours > 3) return;
        const ControlesLecteur d = deck(lecteur_en_cours);
        if (d.pourcent.Caption().isEmpty()) return;
        const int16_t pourcent = volume_liste::pourcent_le_plus_proche(-200 * d.volume.Value());
        if (!fichier_liste::au_format_dfm(chemin_liste)) return;
        // A list without records takes nothing. A missing list is reported, not created empty.
        const int32_t n = FichierEnregistrements(fichier_liste::chemin_complet(chemin_liste), enreg_liste::Longueur,
                                                 FichierEnregistrements::Acces::Lecture)
                              .nombre();
        if (n == 0) return;
        // The record to change is the one holding the deck's file: the entry on air, or the
        // one last chosen. During list play the index already names the next entry, and the
        // list may have changed since the deck was loaded.
        const auto tient_le_fichier = [&](int32_t numero) {
            return numero >= 1 && numero <= n &&
                   rt::Trim(fichier_liste::lire_enregistrement(chemin_liste, numero).chemin)
                           .compare(rt::Trim(d.chemin), Qt::CaseInsensitive) == 0;
        };
        int32_t numero = 0;
        for (const int32_t candidat : {num_enreg_courant, index_liste_en_cours})
            if (!d.chemin.isEmpty() && tient_le_fichier(candidat)) {
                numero = candidat;
                break;
            }
        if (numero == 0) {
            MsgBox(QStringLiteral("Le fichier du lecteur ne figure pas à sa place dans la liste en cours :") +
                       QStringLiteral("\r") + d.chemin + QStringLiteral("\r") + QStringLiteral("Aucune modification."),
                   boites::Exclamation);
            return;
        }
        // Only the volume changes: the other fields stay as stored.
        TypeEnregListe e = fichier_liste::lire_enregistrement(chemin_liste, numero);
        e.volume = pourcent;
        fichier_liste::ecrire_enregistrement(chemin_liste, numero, e);
        Liste_son::instance().charge_liste();
        MsgBox(QStringLiteral("Sauvegarde des paramètres en cours éffectués ."), boites::Information);
    } catch (const Erreur& e) {
        fichier_liste::signaler(e);
    }
}
