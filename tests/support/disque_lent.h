#pragma once
// A real slow disk for one test: an ext4 file system on a loop device, mounted on a fresh
// folder, whose reads this whole test process may do at a set rate only (the block I/O
// controller of the kernel). Everything else the process reads runs at full speed. Needs
// root, loop devices and the blkio controller; `pret()` says whether all were there, and
// `raison()` why not.
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

class DisqueLentReel {
public:
    explicit DisqueLentReel(int mega_octets = 96);
    ~DisqueLentReel();
    DisqueLentReel(const DisqueLentReel&) = delete;
    DisqueLentReel& operator=(const DisqueLentReel&) = delete;

    bool pret() const { return m_raison.isEmpty(); }
    QString raison() const { return m_raison; }
    QString dossier() const { return m_point.path(); }
    QString chemin(const QString& nom) const { return m_point.filePath(nom); }

    // Mounts the file system again, so nothing written so far is read from memory, and limits
    // this process's reads from it to `octets_par_seconde` from now on.
    bool brider(int64_t octets_par_seconde);

private:
    bool lancer(const QString& programme, const QStringList& arguments, QString* sortie = nullptr);
    QTemporaryDir m_travail;
    QTemporaryDir m_point;
    QString m_boucle;  // the loop device
    QString m_groupe;  // the control group folder
    bool m_monte = false;
    QString m_raison;
};
