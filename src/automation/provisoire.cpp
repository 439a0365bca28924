// Stand-ins until the playlist window's list file procedures land.
#include <QFile>

#include "config/etat.h"
#include "platform/chaines.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "windows/Liste_son.h"

using namespace Radio;

void Liste_son::sauve_tout() {
    chemin_liste = Chemin_programme + QStringLiteral("liste.dfm");
    QFile::remove(chemin_liste);
    for (int i = 1; i <= ListView1.ListCount(); ++i) {
        QTreeWidgetItem* r = ListView1.ListItem(i);
        TypeEnregListe e;
        e.chemin = r->text(0);
        e.fin_lecture = ListView::SubItem(r, 2);
        e.volume = 100;
        enreg_liste::ecrire(chemin_liste, i, e);
    }
}

void Liste_son::lire_enreg_destinataire() {
    if (chemin_liste.isEmpty()) return;
    if (num_enreg_destinataire == 0) num_enreg_destinataire = 1;
    TypeEnregListe e = enreg_liste::lire(chemin_liste, num_enreg_destinataire);
    e.chemin = rt::Trim(e.chemin);
    e.fin_lecture = rt::Trim(e.fin_lecture);
    e.genre = rt::Trim(e.genre);
    e.volume = 0;
    enreg_destinataire = e;
}
