#include "windows/Radio_FM.h"

Radio_FM::Radio_FM() {
    setWindowTitle(QStringLiteral("Sonavel_V5"));
    resize(900, 560);
}
