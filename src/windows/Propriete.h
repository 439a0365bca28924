#pragma once
// Properties of one list entry, with its preview player. Its controls come with its own features.
#include "platform/form.h"

class Propriete : public FormInstance<Propriete> {
public:
    Propriete();
};
