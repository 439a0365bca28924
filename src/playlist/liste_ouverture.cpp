// Opening a list from the playlist window comes with the list files' own feature.
#include "windows/Liste_son.h"

void Liste_son::A_liste_Click() {}
