#pragma once
// The playlist window: the list and its commands. Its controls come with its own features.
#include "platform/form.h"

class Liste_son : public FormInstance<Liste_son> {
public:
    Liste_son();
};
