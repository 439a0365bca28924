// File checks and the import of older lists: the menu items are in place; their commands
// come with those features.
#include "windows/Liste_son.h"

void Liste_son::prechar_fich_Click() {}
void Liste_son::prechar_Click() {}
void Liste_son::a_mettre_a_jour_Click() {}
void Liste_son::a_mettre_a_jour_liste_Click() {}
void Liste_son::Convertion_Click() {}
void Liste_son::A_Copen_rfm_Click() {}
void Liste_son::A_Convertir_dfm_Click() {}
