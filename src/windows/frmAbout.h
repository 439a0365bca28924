#pragma once
// The about box. Its controls come with its own features.
#include "platform/form.h"

class frmAbout : public FormInstance<frmAbout> {
public:
    frmAbout();
};
