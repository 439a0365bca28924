#pragma once
// Renames one file or a series of files. Its controls come with its own features.
#include "platform/form.h"

class renom : public FormInstance<renom> {
public:
    renom();
};
