#include "windows/liste.h"

liste::liste() {
    setWindowTitle(QStringLiteral("Controle en mode lecture liste"));
    resize(520, 380);
}
