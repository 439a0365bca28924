#pragma once
// Printing of a list. Its controls come with its own features.
#include "platform/form.h"

class impression : public FormInstance<impression> {
public:
    impression();
};
