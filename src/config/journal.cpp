#include "config/journal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

namespace journal {
namespace {
// Appends the whole record or nothing: a disk that fills during the write takes part of it,
// and that part is taken back so the journal holds whole lines only.
bool ajouter(const QByteArray& chemin, const QByteArray& octets) {
    const int fd = ::open(chemin.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return false;
    struct stat s;
    // A FIFO or device in the journal's place would block the window: not a journal.
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        ::close(fd);
        return false;
    }
    const off_t avant = s.st_size;
    const char* p = octets.constData();
    size_t reste = size_t(octets.size());
    bool ok = true;
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        reste -= size_t(n);
    }
    if (!ok) (void)::ftruncate(fd, avant);
    return ::close(fd) == 0 && ok;
}
}  // namespace

void ecrire(const QString& texte) {
    programme::aller_au_dossier();
    QByteArray octets = texte.toUtf8();
    octets += "\r\n";
    if (!ajouter(QFile::encodeName(QString::fromUtf8(Fichier)), octets))
        MsgBox(QStringLiteral("Erreur écriture journal"), boites::Critique);
}

QString horodatage() { return rt::Date() + QStringLiteral(" - ") + rt::Time(); }

namespace {
qint64 taille_au_debut = -1;
QString chemin() { return programme::dossier() + QString::fromUtf8(Fichier); }
}  // namespace

void debut_session() {
    const QFileInfo f(chemin());
    taille_au_debut = f.exists() ? f.size() : -1;
}

void effacer_session() {
    const QString c = chemin();
    const qint64 taille = QFileInfo(c).size();
    if (taille_au_debut <= 0 || taille < taille_au_debut) {
        QFile::remove(c);
        return;
    }
    QFile f(c);
    if (!f.resize(taille_au_debut)) MsgBox(QStringLiteral("Erreur écriture journal"), boites::Critique);
}
}  // namespace journal

void Radio_FM::journal() { journal::ecrire(ligne_journal); }
void Liste_son::journal() { journal::ecrire(ligne_journal); }
