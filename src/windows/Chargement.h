#pragma once
// The start-up window. Its controls come with its own features.
#include "platform/form.h"

class Chargement : public FormInstance<Chargement> {
public:
    Chargement();
};
