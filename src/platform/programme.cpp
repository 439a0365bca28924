#include "platform/programme.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <future>
#include <unistd.h>

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
namespace {
QtMessageHandler& gestionnaire_precedent() {
    static QtMessageHandler h = nullptr;
    return h;
}

// A future, not a thread: a program that ends while it runs waits for it instead of aborting.
std::future<void>& lecture_polices() {
    static std::future<void> f;
    return f;
}

[[noreturn]] void sans_affichage() {
    const char* nom = program_invocation_short_name;
    std::fprintf(stderr,
                 "%s : un affichage graphique est nécessaire, aucun n'est disponible (variable DISPLAY).\n"
                 "%s: a graphical display is needed and none is available (DISPLAY is not set or not reachable).\n",
                 nom, nom);
    std::fflush(stderr);
    // No abort: a missing display is the user's situation, not a crash to dump.
    _exit(1);
}

// While the application opens its display, a fatal message from the platform plugin means
// there is no display to open.
void pendant_ouverture(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    if (type == QtFatalMsg) sans_affichage();
    if (gestionnaire_precedent()) gestionnaire_precedent()(type, contexte, texte);
    else std::fprintf(stderr, "%s\n", qPrintable(texte));
}

bool plateforme_x11(const QByteArray& choisie) { return choisie.isEmpty() || choisie.startsWith("xcb"); }
}  // namespace

void preparer_plateforme() {
    if (qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    const QByteArray choisie = qgetenv("QT_QPA_PLATFORM");
    if (plateforme_x11(choisie) && qgetenv("DISPLAY").isEmpty() && qgetenv("WAYLAND_DISPLAY").isEmpty())
        sans_affichage();
    gestionnaire_precedent() = qInstallMessageHandler(pendant_ouverture);
    // The font configuration is read while the display connection opens: the first window
    // with text would otherwise wait for it.
    lecture_polices() = std::async(std::launch::async, [] { FcInit(); });
}

void affichage_ouvert() {
    if (lecture_polices().valid()) lecture_polices().wait();
    qInstallMessageHandler(gestionnaire_precedent());
}
}  // namespace programme
