#pragma once
// The main window: three decks, their timers and the menus.
#include "platform/form.h"

class Radio_FM : public FormInstance<Radio_FM> {
public:
    Radio_FM();
};
