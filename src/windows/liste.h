#pragma once
// The monitor of list play and its random draws. Its controls come with its own features.
#include "platform/form.h"

class liste : public FormInstance<liste> {
public:
    liste();
};
