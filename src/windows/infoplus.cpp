#include "windows/infoplus.h"

infoplus::infoplus() {
    setWindowTitle(QStringLiteral("Informations"));
    resize(420, 260);
}
