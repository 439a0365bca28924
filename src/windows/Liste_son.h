#pragma once
// The playlist window: the list and its commands. Its controls come with its own features.
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class Liste_son : public FormInstance<Liste_son> {
public:
    Liste_son();

    // ---- What the deck transport and seeking touch.
    Label Label4{this};  // time left of the entry on air
    Image Image1{this};  // play the list
    // List-play options: continuous, random order, defined end, track duration.
    OptionButton Option1{this}, Option2{this}, Option3{this}, Option4{this};
    void Option1_Click();
};
