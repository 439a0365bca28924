#include "platform/programme.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& dossier_choisi() {
    static QString d;
    return d;
}
}  // namespace

namespace programme {
QString dossier() {
    QString d = dossier_choisi().isEmpty() ? QCoreApplication::applicationDirPath() : dossier_choisi();
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    return d;
}

void definir_dossier(const QString& d) { dossier_choisi() = d; }

QString nom() {
    const QString n = QCoreApplication::applicationName();
    return n.isEmpty() ? QStringLiteral("Sonavel_V5") : n;
}

void aller_au_dossier() { QDir::setCurrent(dossier()); }
}  // namespace programme

namespace programme {
void preparer_plateforme() {
    if (qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
}  // namespace programme
