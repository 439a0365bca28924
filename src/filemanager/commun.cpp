#include "filemanager/commun.h"

#include <QApplication>

namespace gestionnaire {
void pointeur_sablier() {
    if (!QApplication::overrideCursor()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void pointeur_defaut() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool pointeur_occupe() { return QApplication::overrideCursor() != nullptr; }

QString texte_duree(int64_t secondes) {
    if (secondes < 0) secondes = 0;
    auto deux = [](int64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return deux(secondes / 3600) + QLatin1Char(':') + deux(secondes / 60 % 60) + QLatin1Char(':') +
           deux(secondes % 60);
}
}  // namespace gestionnaire
