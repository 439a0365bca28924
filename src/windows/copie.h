#pragma once
// Copies or moves files. Its controls come with its own features.
#include "platform/form.h"

class copie : public FormInstance<copie> {
public:
    copie();
};
