#pragma once
// The reusable notice window: a caller writes the notice into Label1 (and may set the
// caption), then shows the window without waiting. Closing it only hides it, so the one
// instance lives until the program unloads every window.
#include <cstdint>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class err_form : public FormInstance<err_form> {
public:
    err_form();

    Label Label1{this};
    OwnerDrawnButton AnyButton1{this};  // "Fermer"
    OwnerDrawnButton AnyButton2{this};  // "Actualiser"
    Image Image1{this}, Image2{this};

    void AnyButton1_Click();
    void AnyButton2_Click();
    void Form_KeyPress(int16_t code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
