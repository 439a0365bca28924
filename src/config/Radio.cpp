#include "config/Radio.h"

#include <QApplication>

#include "platform/programme.h"
#include "windows/Radio_FM.h"

namespace Radio {
int Main(int argc, char** argv) {
    programme::preparer_plateforme();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavel_V5"));
    programme::aller_au_dossier();
    Radio_FM::instance().Show();
    return app.exec();
}
}  // namespace Radio
