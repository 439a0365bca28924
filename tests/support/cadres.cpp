#include "support/cadres.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "platform/form.h"

namespace cadres_test {
QRect cadre_montre(QWidget& w, const std::function<bool(const QRect&)>& attendu) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w, 30000)) return {};
    QRect vu;
    QElapsedTimer immobile;
    QElapsedTimer limite;
    // Generous: a loaded machine's window manager can take seconds (the program waits 10 s).
    limite.start();
    while (!limite.hasExpired(30000)) {
        QTest::qWait(20);
        const QRect r = w.frameGeometry();
        if (r != vu || !immobile.isValid()) {
            vu = r;
            immobile.start();
            continue;
        }
        const bool encadre = r != w.geometry() && cadre::coin(w) == r.topLeft();
        if (encadre && immobile.hasExpired(500) && (!attendu || attendu(r))) return r;
    }
    return w.frameGeometry();
}

QString sans_gestionnaire_de_fenetres() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("needs an X display (QT_QPA_PLATFORM=xcb)");
    QWidget essai;
    essai.resize(100, 100);
    if (cadre_montre(essai) == essai.geometry()) return QStringLiteral("needs a window manager that frames windows");
    return QString();
}

void capture(const QString& nom) {
    const QString dossier = qEnvironmentVariable("SONAVEL_CAPTURES");
    if (dossier.isEmpty()) return;
    QDir().mkpath(dossier);
    QTest::qWait(300);  // drawn
    QGuiApplication::primaryScreen()->grabWindow(0).save(dossier + QLatin1Char('/') + nom + QStringLiteral(".png"));
}
}  // namespace cadres_test
