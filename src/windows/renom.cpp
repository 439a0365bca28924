#include "windows/renom.h"

renom::renom() {
    setWindowTitle(QStringLiteral("Renommer"));
    resize(420, 180);
}
