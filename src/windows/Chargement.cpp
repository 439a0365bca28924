#include "windows/Chargement.h"

Chargement::Chargement() {
    setWindowTitle(QStringLiteral("Sonavel"));
    resize(480, 300);
}
