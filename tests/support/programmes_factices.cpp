#include "support/programmes_factices.h"

#include <QFile>

ProgrammesFactices::ProgrammesFactices(const QStringList& noms) : m_path(qgetenv("PATH")) {
    qputenv("PATH", QFile::encodeName(m_dossier.path()));
    for (const QString& n : noms) ajouter(n);
}

ProgrammesFactices::~ProgrammesFactices() { qputenv("PATH", m_path); }

QString ProgrammesFactices::ajouter(const QString& nom, const QByteArray& script) {
    const QString chemin = m_dossier.path() + QLatin1Char('/') + nom;
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly)) f.write(script);
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return chemin;
}
