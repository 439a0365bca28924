#pragma once
// The options dialog. Its controls come with its own features.
#include "platform/form.h"

class Form_options : public FormInstance<Form_options> {
public:
    Form_options();
};
