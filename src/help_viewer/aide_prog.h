#pragma once
// The help viewer's window.
#include "platform/form.h"

class aide_prog : public FormInstance<aide_prog> {
public:
    aide_prog();
};
