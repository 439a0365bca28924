#pragma once
// A small filesystem of its own (tmpfs of a given size) mounted on a fresh folder for one test,
// unmounted when it goes: a real full disk. Mounting needs root; `monte()` says whether it is.
#include <QString>
#include <QTemporaryDir>

class PetitDisque {
public:
    explicit PetitDisque(int kilo_octets);
    ~PetitDisque();
    PetitDisque(const PetitDisque&) = delete;
    PetitDisque& operator=(const PetitDisque&) = delete;
    bool monte() const { return m_monte; }
    QString chemin(const QString& nom) const { return m_point.filePath(nom); }
    QString dossier() const { return m_point.path(); }
    // Fills every free byte with the file nom (a page left half empty by another file stays
    // usable by that file only); removing it gives the space back.
    void remplir(const QString& nom = QStringLiteral("remplissage")) const;

private:
    QTemporaryDir m_point;
    bool m_monte = false;
};
