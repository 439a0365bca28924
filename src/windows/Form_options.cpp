#include "windows/Form_options.h"

Form_options::Form_options() {
    setWindowTitle(QStringLiteral("Paramètres / Options"));
    resize(640, 480);
}
