#include "windows/impression.h"

impression::impression() {
    setWindowTitle(QStringLiteral("Impression"));
    resize(640, 480);
}
