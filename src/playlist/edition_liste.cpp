// List editing from the playlist window. Removing a row is here; cut, copy, paste, the row
// drop, the column sort and the add commands are completed by the list editing feature.
#include "config/etat.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

void Liste_son::supprime_Click() {
    QTreeWidgetItem* ligne = ListView1.SelectedItem();
    if (!ligne) return;
    delete ligne;  // the row, never the file
    sauve_tout();
}

void Liste_son::copier__Click() {}
void Liste_son::Couper__Click() {}
void Liste_son::coller__Click() {}
void Liste_son::ListView1_DragDrop() {}
void Liste_son::ListView1_ColumnClick(int) {}

void Liste_son::ajout_fich_Click() { ajout_fichier::instance().Show(); }
void Liste_son::ajout_fichs_Click() { ajout_fichier::instance().Show(); }
void Liste_son::ajout_jingl_Click() { ajout_fichier::instance().Show(); }
void Liste_son::ajout_fich_reseau_Click() {}

void Liste_son::inser_avant_Click() { mode_insertion = 1; }
void Liste_son::inser_apres_Click() { mode_insertion = 2; }
void Liste_son::inser_fin_Click() { mode_insertion = 3; }

void Liste_son::modifier_chemin_Click() { modif_chemin_autorisee = Vrai; }
void Liste_son::modifier_chemin_non_Click() { modif_chemin_autorisee = Faux; }
