// The keep-volume command: the volume of the deck on air goes into the current entry of the
// list file.
#include "config/etat.h"
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
        // The percent label reads "85%"; a deck number out of the ring gives 0.
        int16_t pourcent = 0;
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            const QString texte = deck(lecteur_en_cours).pourcent.Caption();
            pourcent = rt::CInt(rt::Left(texte, texte.size() - 1));
        }
        // A list without records takes nothing. A missing list is reported, not created empty.
        if (FichierEnregistrements(chemin_liste, enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture)
                .nombre() == 0)
            return;
        FichierEnregistrements liste(chemin_liste, enreg_liste::Longueur);
        TypeEnregListe e = enreg_destinataire;
        e.volume = pourcent;  // the file holds percents
        liste.ecrire(index_liste_en_cours, enreg_liste::encoder(e));
        MsgBox(QStringLiteral("Sauvegarde des paramètres en cours éffectués ."), boites::Information);
    } catch (const Erreur& e) {
        fichier_liste::signaler(e);
    }
}
