#include "help_viewer/aide_prog.h"

aide_prog::aide_prog() {
    setWindowTitle(QStringLiteral("Aide Sonavel"));
    resize(700, 500);
}
