#pragma once
// The shared progress window. Its controls come with its own features.
#include "platform/form.h"

class fsauve : public FormInstance<fsauve> {
public:
    fsauve();
};
