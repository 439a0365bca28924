#include "support/petit_disque.h"

#include <QFile>
#include <sys/mount.h>
#include <fcntl.h>
#include <unistd.h>

PetitDisque::PetitDisque(int kilo_octets) {
    const QByteArray options = "size=" + QByteArray::number(kilo_octets) + "k";
    m_monte = ::mount("tmpfs", QFile::encodeName(m_point.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

PetitDisque::~PetitDisque() {
    if (m_monte) ::umount2(QFile::encodeName(m_point.path()).constData(), MNT_DETACH);
}

void PetitDisque::remplir(const QString& nom) const {
    const int fd = ::open(QFile::encodeName(chemin(nom)).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    static const char bloc[65536] = {};
    for (size_t taille = sizeof bloc; taille > 0; taille /= 2)
        while (::write(fd, bloc, taille) == ssize_t(taille)) {
        }
    ::close(fd);
}

DossierLectureSeule::DossierLectureSeule(const QString& dossier) : m_dossier(QFile::encodeName(dossier)) {
    if (::mount(m_dossier.constData(), m_dossier.constData(), nullptr, MS_BIND, nullptr) != 0) return;
    m_monte = true;
    if (::mount(nullptr, m_dossier.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) liberer();
}

DossierLectureSeule::~DossierLectureSeule() { liberer(); }

void DossierLectureSeule::liberer() {
    if (m_monte) ::umount2(m_dossier.constData(), MNT_DETACH);
    m_monte = false;
}
