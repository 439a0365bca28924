// The file manager's add commands: a file, a jingle or a folder into the playlist.
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "windows/ajout_fichier.h"

void ajout_fichier::Label7_Click() {
    if (Combo1.Text() == QStringLiteral("*.*")) {
        MsgBox(QStringLiteral("Sélectionnez un type de fichier!"), boites::Information);
        return;
    }
}
