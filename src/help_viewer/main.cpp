#include <QApplication>

#include "help_viewer/aide_prog.h"
#include "platform/programme.h"

int main(int argc, char** argv) {
    programme::preparer_plateforme();
    QApplication app(argc, argv);
    programme::affichage_ouvert();
    QApplication::setApplicationName(QStringLiteral("Aide_Sonavel"));
    aide_prog::instance().Show();
    return app.exec();
}
