#include "windows/fsauve.h"

fsauve::fsauve() {
    setWindowTitle(QStringLiteral("Traitement en cours"));
    resize(380, 110);
}
