// The deck handlers of the title marquees and the volume controls, connected to their controls.
#include "windows/Radio_FM.h"

void Radio_FM::brancher_titres_et_volumes() {
    Slider.Change = [this] { Slider_Change(); };
    Slider.Scroll = [this] { Slider_Scroll(); };
    Slider.Click = [this] { Slider_Click(); };
    Slider.MouseDown = [this](int b, int s, float x, float y) { Slider_MouseDown(b, s, x, y); };
    Slider1.Change = [this] { Slider1_Change(); };
    Slider1.Scroll = [this] { Slider1_Scroll(); };
    Slider1.Click = [this] { Slider1_Click(); };
    Slider1.MouseDown = [this](int b, int s, float x, float y) { Slider1_MouseDown(b, s, x, y); };
    Slider2.Change = [this] { Slider2_Change(); };
    Slider2.Scroll = [this] { Slider2_Scroll(); };
    Slider2.Click = [this] { Slider2_Click(); };
    Slider2.MouseDown = [this](int b, int s, float x, float y) { Slider2_MouseDown(b, s, x, y); };
    AnyButton1.Click = [this] { AnyButton1_Click(); };
    AnyButton2.Click = [this] { AnyButton2_Click(); };
    AnyButton3.Click = [this] { AnyButton3_Click(); };
    AnyButton4.Click = [this] { AnyButton4_Click(); };
    AnyButton5.Click = [this] { AnyButton5_Click(); };
    AnyButton6.Click = [this] { AnyButton6_Click(); };
    Timer5.Tick = [this] { Timer5_Timer(); };
    Timer6.Tick = [this] { Timer6_Timer(); };
    Timer7.Tick = [this] { Timer7_Timer(); };
}
