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

// A folder made read-only for everyone, the superuser included: bound read-only over itself
// for one test, released when it goes. Needs root; `monte()` says whether it is.
class DossierLectureSeule {
public:
    explicit DossierLectureSeule(const QString& dossier);
    ~DossierLectureSeule();
    DossierLectureSeule(const DossierLectureSeule&) = delete;
    DossierLectureSeule& operator=(const DossierLectureSeule&) = delete;
    bool monte() const { return m_monte; }
    void liberer();

private:
    QByteArray m_dossier;
    bool m_monte = false;
};
