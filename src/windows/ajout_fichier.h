#pragma once
// The file manager and its action panel. Its controls come with its own features.
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/listes_fichiers.h"

class ajout_fichier : public FormInstance<ajout_fichier> {
public:
    ajout_fichier();

    // ---- Browsing: the decks' path check points these at the folder of a deck's file.
    DriveListBox Drive1{this};
    DirListBox Dir1{this};
    FileListBox File1{this};

    // ---- The add modes of the playlist window: the action label names what its click adds
    // ("Ajouter un fichier", "Ajouter un dossier", "Ajouter un jingles").
    Label Label7{this};
    Label Label8{this};
    MenuItem A_jouter{this, "Ajouter"};
    void Label7_Click();
};
