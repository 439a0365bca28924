#include "windows/frmAbout.h"

frmAbout::frmAbout() {
    setWindowTitle(QStringLiteral("A propos"));
    resize(420, 260);
}
