#include "support/petit_disque.h"

#include <QFile>
#include <sys/mount.h>

PetitDisque::PetitDisque(int kilo_octets) {
    const QByteArray options = "size=" + QByteArray::number(kilo_octets) + "k";
    m_monte = ::mount("tmpfs", QFile::encodeName(m_point.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

PetitDisque::~PetitDisque() {
    if (m_monte) ::umount2(QFile::encodeName(m_point.path()).constData(), MNT_DETACH);
}
