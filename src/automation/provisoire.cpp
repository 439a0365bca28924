// Stand-ins until the playlist window's list file procedures land.
#include "config/etat.h"
#include "playlist/enregistrement_liste.h"
#include "windows/Liste_son.h"

using namespace Radio;

void Liste_son::sauve_tout() {}

void Liste_son::lire_enreg_destinataire() {
    QTreeWidgetItem* i = ListView1.ListItem(num_enreg_destinataire);
    enreg_destinataire = TypeEnregListe{};
    enreg_destinataire.chemin = i->text(0);
    enreg_destinataire.fin_lecture = ListView::SubItem(i, 2);
}
