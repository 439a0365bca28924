#include "support/configuration.h"

#include <QFile>

#include "config/reglages_radio.h"
#include "platform/reglages.h"

namespace sonavel_test {
void vider_reglages() { QFile::remove(reglages::chemin_fichier()); }

QString reglage(const char* section, const char* cle) {
    return Radio::lire_reglage(section, cle, QStringLiteral("<absent>"));
}

FinInterceptee::FinInterceptee() {
    m_avant = Radio::definir_fin([] { throw FinProgramme{}; });
}
FinInterceptee::~FinInterceptee() { Radio::definir_fin(std::move(m_avant)); }

bool termine(const std::function<void()>& f) {
    FinInterceptee fin;
    try {
        f();
    } catch (const FinProgramme&) {
        return true;
    }
    return false;
}
}  // namespace sonavel_test
