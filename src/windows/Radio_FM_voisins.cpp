// The least of the neighbouring commands that the main window's skin, menus and keys call,
// until their own features replace them: zapping from the deck on air, the file manager in
// its file-management mode, the help viewer.
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

void Radio_FM::zapping() {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) {
        MsgBox(QStringLiteral("Aucune lecture en cours"), boites::Information);
        return;
    }
    if (const Procedure zap = zap_choisi(lecteur_en_cours)) (this->*zap)();
}

void Radio_FM::A_gere_Click() {
    ajout_fichier& a = ajout_fichier::instance();
    a.setCaption(QStringLiteral("Gestion de fichier (Click droit sur élément)"));
    a.Show();
}

void Radio_FM::aideprog_Click() {
    programme::aller_au_dossier();
    if (!lancement::demarrer(programme::dossier() + QStringLiteral("Aide_Sonavel"), {}, programme::dossier()))
        MsgBox(QStringLiteral("L'aide est introuvable . Télécharger le sur ") +
                   QStringLiteral("https://sonavel.example.org/telechargement"),
               boites::Exclamation);
}
