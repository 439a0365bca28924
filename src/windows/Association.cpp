#include "windows/Association.h"

Association::Association() {
    setWindowTitle(QStringLiteral("Association de fichiers"));
    resize(480, 260);
}
