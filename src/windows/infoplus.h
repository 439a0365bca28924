#pragma once
// The web-information box. Its controls come with its own features.
#include "platform/form.h"

class infoplus : public FormInstance<infoplus> {
public:
    infoplus();
};
