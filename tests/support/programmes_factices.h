#pragma once
// While it lives, PATH holds only a temporary folder in which a test puts the desktop
// programs it wants found (empty executable files), so that what is "installed" is the
// test's choice. The launches themselves go to a Lancements.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ProgrammesFactices {
public:
    explicit ProgrammesFactices(const QStringList& noms = {});
    ~ProgrammesFactices();
    ProgrammesFactices(const ProgrammesFactices&) = delete;
    ProgrammesFactices& operator=(const ProgrammesFactices&) = delete;

    // The full path of the program, now found on PATH.
    QString ajouter(const QString& nom, const QByteArray& script = "#!/bin/sh\n");
    QString dossier() const { return m_dossier.path(); }

private:
    QTemporaryDir m_dossier;
    QByteArray m_path;
};
