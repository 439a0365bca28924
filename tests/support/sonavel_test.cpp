#include "support/sonavel_test.h"

#include <QDir>
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/form.h"
#include "platform/programme.h"
#include "support/repondeur.h"

namespace sonavel_test {
namespace {
QTemporaryDir& racine() {
    static QTemporaryDir dir;
    return dir;
}
void definir_si_absent(const char* nom, const QByteArray& valeur) {
    if (!qEnvironmentVariableIsSet(nom)) qputenv(nom, valeur);
}
}  // namespace

void preparer_environnement() {
    const QString r = racine().path();
    for (const char* sous : {"config", "data", "cache", "programme"}) QDir(r).mkpath(sous);
    // Each test run gets its own settings store and desktop data, always.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(r + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(r + "/data"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(r + "/cache"));
    // A test that needs a real display uses X when there is one, and skips on offscreen.
    if (qEnvironmentVariableIsSet("SONAVEL_TEST_AFFICHAGE"))
        qputenv("QT_QPA_PLATFORM", qgetenv("DISPLAY").isEmpty() ? "offscreen" : "xcb");
    definir_si_absent("QT_QPA_PLATFORM", "offscreen");
    definir_si_absent("SONAVEL_AUDIO_SINK", "fakesink");
    definir_si_absent("SONAVEL_VIDEO_SINK", "fakesink");
    programme::definir_dossier(r + "/programme/");
    // No test ever waits at a box or starts a real program.
    installer_gardes();
}

QString dossier_programme() { return programme::dossier(); }

QString dossier_images() { return QStringLiteral(SONAVEL_ASSET_DIR); }

void nouveau_programme() {
    Form::decharger_tout();
    Radio::reinitialiser_etat();
    QDir dir(dossier_programme());
    for (const QString& f : dir.entryList(QDir::Files)) dir.remove(f);
    programme::aller_au_dossier();
}
}  // namespace sonavel_test
