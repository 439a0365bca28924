#include "windows/Propriete.h"

Propriete::Propriete() {
    setWindowTitle(QStringLiteral("Propriété"));
    resize(520, 360);
}
