#include "support/disque_lent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
const QString RacineBlkio = QStringLiteral("/sys/fs/cgroup/blkio");

bool ecrire(const QString& fichier, const QByteArray& texte) {
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(texte) == texte.size() && f.flush();
}
}  // namespace

bool DisqueLentReel::lancer(const QString& programme, const QStringList& arguments, QString* sortie) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_raison = programme + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(" : ") +
                   QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return false;
    }
    if (sortie) *sortie = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return true;
}

DisqueLentReel::DisqueLentReel(int mega_octets) {
    if (::geteuid() != 0) {
        m_raison = QStringLiteral("a slow disk needs root (loop device, mount, blkio)");
        return;
    }
    if (!QFile::exists(RacineBlkio + QStringLiteral("/blkio.throttle.read_bps_device"))) {
        m_raison = QStringLiteral("no blkio controller at ") + RacineBlkio;
        return;
    }
    const QString image = m_travail.filePath(QStringLiteral("disque.img"));
    {
        QFile f(image);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(qint64(mega_octets) << 20)) {
            m_raison = QStringLiteral("cannot make the disk image");
            return;
        }
    }
    if (!lancer(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image}, &m_boucle)) return;
    if (!lancer(QStringLiteral("mkfs.ext4"), {QStringLiteral("-q"), QStringLiteral("-F"), m_boucle})) return;
    if (::mount(QFile::encodeName(m_boucle).constData(), QFile::encodeName(m_point.path()).constData(), "ext4", 0,
                nullptr) != 0) {
        m_raison = QStringLiteral("cannot mount ") + m_boucle;
        return;
    }
    m_monte = true;
}

bool DisqueLentReel::brider(int64_t octets_par_seconde) {
    if (!pret()) return false;
    const QByteArray point = QFile::encodeName(m_point.path());
    ::sync();
    if (::umount2(point.constData(), 0) != 0 ||
        ::mount(QFile::encodeName(m_boucle).constData(), point.constData(), "ext4", 0, nullptr) != 0) {
        m_raison = QStringLiteral("cannot mount the slow disk again");
        m_monte = false;
        return false;
    }
    struct stat s {};
    if (::stat(QFile::encodeName(m_boucle).constData(), &s) != 0) return false;
    const QByteArray appareil = QByteArray::number(major(s.st_rdev)) + ':' + QByteArray::number(minor(s.st_rdev));
    if (m_groupe.isEmpty()) {
        m_groupe = RacineBlkio + QStringLiteral("/sonavel_test_") + QString::number(::getpid());
        if (!QDir().mkpath(m_groupe)) {
            m_raison = QStringLiteral("cannot make the control group ") + m_groupe;
            m_groupe.clear();
            return false;
        }
    }
    if (!ecrire(m_groupe + QStringLiteral("/blkio.throttle.read_bps_device"),
                appareil + ' ' + QByteArray::number(octets_par_seconde)) ||
        !ecrire(m_groupe + QStringLiteral("/cgroup.procs"), QByteArray::number(::getpid()))) {
        m_raison = QStringLiteral("cannot limit reads in ") + m_groupe;
        return false;
    }
    return true;
}

DisqueLentReel::~DisqueLentReel() {
    if (!m_groupe.isEmpty()) {
        ecrire(RacineBlkio + QStringLiteral("/cgroup.procs"), QByteArray::number(::getpid()));
        QDir().rmdir(m_groupe);
    }
    if (m_monte) ::umount2(QFile::encodeName(m_point.path()).constData(), MNT_DETACH);
    if (!m_boucle.isEmpty()) {
        QProcess p;
        p.start(QStringLiteral("losetup"), {QStringLiteral("-d"), m_boucle});
        p.waitForFinished(30000);
    }
}
