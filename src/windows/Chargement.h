#pragma once
// The splash window: one picture while the main window loads. It shows the main window when
// it is activated and unloads itself once the main window is visible.
#include <cstdint>

#include "platform/form.h"
#include "platform/images.h"

class Chargement : public FormInstance<Chargement> {
public:
    Chargement();

    Image Image1{this};

    void Form_Load() override;
    void Form_Activate();
    void Form_Unload(int16_t& Cancel);

protected:
    void changeEvent(QEvent* e) override;

private:
    bool m_active = false;  // an activation is running (the main window's load may show boxes)
};
