// The keep-volume command: the volume of the deck on air goes into the current entry of the
// list file.
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::A_sauve() {
    try {
        programme::aller_au_dossier();
        if (chemin_liste.isEmpty()) {
            Dialogue1.FileName = QStringLiteral("*.dfm");
            Dialogue1.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
            Dialogue1.CancelError = true;
            Dialogue1.ShowOpen();
            chemin_liste = Dialogue1.FileName;
        }
        // The percent label reads "85%".
        const QString texte = deck(lecteur_en_cours).pourcent.Caption();
        const int16_t pourcent = rt::CInt(rt::Left(texte, texte.size() - 1));
        FichierEnregistrements liste(chemin_liste, enreg_liste::Longueur);
        if (liste.nombre() >= 1) {
            TypeEnregListe e = enreg_destinataire;
            e.volume = pourcent;
            liste.ecrire(index_liste_en_cours, enreg_liste::encoder(e));
        }
        MsgBox(QStringLiteral("Sauvegarde des paramètres en cours éffectués ."), boites::Information);
    } catch (const Erreur& e) {
        MsgBox(QStringLiteral("Erreur ") + e.description(), boites::Critique);
    }
}
