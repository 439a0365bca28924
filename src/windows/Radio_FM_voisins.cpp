// The least of the neighbouring commands that the main window's skin, menus and keys call,
// until their own features replace them: zapping from the deck on air.
#include "config/etat.h"
#include "platform/boites.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::zapping() {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) {
        MsgBox(QStringLiteral("Aucune lecture en cours"), boites::Information);
        return;
    }
    if (const Procedure zap = zap_choisi(lecteur_en_cours)) (this->*zap)();
}
