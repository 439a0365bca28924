// List maintenance, file checks, entry properties and the import of older lists: the menu
// items are in place; their commands come with those features.
#include "windows/Liste_son.h"

void Liste_son::Modifier_lettre_lecteur_Click() {}
void Liste_son::a_debutpiste_Click() {}
void Liste_son::a_debutpiste_fichier_Click() {}
void Liste_son::Modifier_volume_Click() {}
void Liste_son::a_modif_Click() {}
void Liste_son::a_modifie_morceau_Click() {}
