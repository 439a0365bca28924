#pragma once
// Association of file types with the program. Its controls come with its own features.
#include "platform/form.h"

class Association : public FormInstance<Association> {
public:
    Association();
};
