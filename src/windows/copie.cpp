#include "windows/copie.h"

copie::copie() {
    setWindowTitle(QStringLiteral("Copier / Déplacer"));
    resize(520, 360);
}
