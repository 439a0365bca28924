// Temporary: the least of what the start-up calls from the deck, list and skin subsystems,
// until their own definitions land (this file goes then).
#include "config/etat.h"
#include "platform/chaines.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

void Radio_FM::Charge_combo() {}
void Radio_FM::active_text_combo() {
    Combo1.setText(QStringLiteral("Favoris ") + Radio::Nom_radio_fm);
    Combo2.setText(QStringLiteral("Jingles ") + Radio::Nom_radio_fm);
}
void Radio_FM::détecte_ext() { Radio::extension_fichier = rt::Right(Radio::fichier_ligne_commande, 3).toLower(); }
void Radio_FM::charge_lire() {}
void Radio_FM::Image13_Click() {}
void Radio_FM::A_Rafraichir_Click() {}
void Liste_son::A_liste_Click() {}
void Liste_son::Image1_Click() {}
