#pragma once
// The monitor of list play and its random draws. Its controls come with its own features.
#include "platform/controles.h"
#include "platform/form.h"

class liste : public FormInstance<liste> {
public:
    liste();

    Label Label11{this};  // "Info fichier chargé"
};
