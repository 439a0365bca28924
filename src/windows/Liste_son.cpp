#include "windows/Liste_son.h"

Liste_son::Liste_son() {
    setWindowTitle(QStringLiteral("Fichier liste"));
    resize(760, 420);
}
