#pragma once
// The file manager and its action panel. Its controls come with its own features.
#include "platform/form.h"

class ajout_fichier : public FormInstance<ajout_fichier> {
public:
    ajout_fichier();
};
