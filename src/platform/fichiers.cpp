#include "platform/fichiers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/erreur.h"

namespace fichiers {
namespace {
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Our temporaries are hidden and carry this marker: ".liste.dfm.sonavel~Ab3xYz". No user
// names a copy like that, so the clean-up never takes a user's "liste.dfm.save01" for ours.
constexpr char Marque[] = ".sonavel~";

QString prefixe_provisoire(const QString& nom) { return QLatin1Char('.') + nom + QLatin1String(Marque); }

bool suffixe_aleatoire(const QString& s) {
    if (s.size() != 6) return false;
    for (const QChar c : s)
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) return false;
    return true;
}

QByteArray nouveau_suffixe() {
    QByteArray s(6, 'A');
    auto* g = QRandomGenerator::global();
    for (char& c : s) c = Alphabet[g->bounded(int(sizeof Alphabet - 1))];
    return s;
}

// The file a path names once every symbolic link on it is followed (the path itself when it is
// not a link). A dangling link gives its target: the save creates the file there.
QByteArray cible_des_liens(QByteArray chemin) {
    for (int n = 0; n < 40; ++n) {
        struct stat s;
        if (::lstat(chemin.constData(), &s) != 0 || !S_ISLNK(s.st_mode)) return chemin;
        QByteArray cible(4096, '\0');
        const ssize_t l = ::readlink(chemin.constData(), cible.data(), size_t(cible.size()));
        if (l <= 0 || l >= cible.size()) return chemin;
        cible.truncate(l);
        if (!cible.startsWith('/')) cible = chemin.left(chemin.lastIndexOf('/') + 1) + cible;
        chemin = cible;
    }
    return chemin;  // a loop of links: the rename fails and says so
}

void synchroniser_dossier(const QByteArray& dossier) {
    const int fd = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename itself reaches the disk; a refusal here changes nothing already done
    ::close(fd);
}
}  // namespace

int numero_erreur_ouverture(const QString& chemin, bool ecriture) {
    if (chemin.isEmpty()) return err::NomFichierIncorrect;
    const QFileInfo fi(chemin);
    if (!QFileInfo(fi.absolutePath()).isDir()) return err::CheminIntrouvable;
    if (fi.isDir()) return err::AccesCheminFichier;
    if (!fi.exists()) return ecriture ? err::AccesCheminFichier : err::FichierIntrouvable;
    if (ecriture ? !fi.isWritable() : !fi.isReadable()) return err::PermissionRefusee;
    return err::AccesCheminFichier;
}

int numero_erreur_ecriture(const QFileDevice& fichier) {
    return fichier.error() == QFileDevice::ResourceError ? err::DisquePlein : err::ErreurEntreeSortie;
}

int numero_erreur_systeme(int code) {
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::DisquePlein;
    case EACCES:
    case EPERM:
    case EROFS: return err::PermissionRefusee;
    default: return err::ErreurEntreeSortie;
    }
}

void verifier_fichier_ordinaire(const QString& chemin, qint64 plafond) {
    struct stat s;
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &s) != 0) return;
    if (S_ISDIR(s.st_mode) || !S_ISREG(s.st_mode)) throw Erreur(err::AccesCheminFichier);
    if (s.st_size > plafond) throw Erreur(err::MemoireInsuffisante, description_trop_grand());
}

QByteArray lire_fichier(const QString& chemin, qint64 plafond) {
    verifier_fichier_ordinaire(chemin, plafond);
    QFile f(chemin);
    if (chemin.isEmpty() || QFileInfo(chemin).isDir() || !f.open(QIODevice::ReadOnly))
        throw Erreur(numero_erreur_ouverture(chemin, false));
    // What the file holds, then whatever it grew by meanwhile, never past the cap: a read of
    // the cap itself would reserve that much memory first.
    QByteArray contenu = f.read(std::min(f.size(), plafond));
    while (f.error() == QFileDevice::NoError && contenu.size() <= plafond) {
        const QByteArray suite = f.read(std::min<qint64>(qint64(1) << 16, plafond + 1 - contenu.size()));
        if (suite.isEmpty()) break;
        contenu += suite;
    }
    if (f.error() != QFileDevice::NoError) throw Erreur(numero_erreur_ecriture(f));
    if (contenu.size() > plafond) throw Erreur(err::MemoireInsuffisante, description_trop_grand());
    return contenu;
}

bool synchroniser(QFileDevice& fichier) {
    return fichier.flush() && ::fsync(fichier.handle()) == 0;
}

void supprimer_provisoires(const QString& dossier, const QString& prefixe) {
    QDir d(dossier);
    const qint64 limite = QDateTime::currentSecsSinceEpoch() - 60;  // a write under way keeps its file fresh
    const QStringList noms =
        d.entryList({prefixe + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& nom : noms) {
        // The name filter ignores case: only our own spelling of the prefix counts.
        if (!nom.startsWith(prefixe) || !suffixe_aleatoire(nom.mid(prefixe.size()))) continue;
        const QByteArray c = QFile::encodeName(d.filePath(nom));
        struct stat s;
        if (::lstat(c.constData(), &s) != 0 || !S_ISREG(s.st_mode) || s.st_uid != ::geteuid() ||
            s.st_mtime > limite)
            continue;
        ::unlink(c.constData());
    }
}

void supprimer_provisoires(const QString& chemin) {
    const QFileInfo fi(QFile::decodeName(cible_des_liens(QFile::encodeName(QFileInfo(chemin).absoluteFilePath()))));
    supprimer_provisoires(fi.absolutePath(), prefixe_provisoire(fi.fileName()));
}

namespace {
// The temporary file as a device: every byte written goes to the disk in full (a full disk
// may accept part of a write without an error) and the first refusal is kept.
class Provisoire : public QIODevice {
public:
    explicit Provisoire(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int erreur() const { return m_erreur; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* p, qint64 taille) override {
        if (m_erreur) return -1;
        size_t reste = size_t(taille);
        while (reste > 0) {
            const ssize_t n = ::write(m_fd, p, reste);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                m_erreur = n < 0 ? errno : ENOSPC;
                return -1;
            }
            p += n;
            reste -= size_t(n);
        }
        return taille;
    }

private:
    int m_fd;
    int m_erreur = 0;
};

void ecrire_surement(const QString& chemin, const std::function<void(QIODevice&)>& ecrire, Ecrasement ecrasement) {
    if (chemin.isEmpty() || QFileInfo(chemin).isDir()) throw Erreur(numero_erreur_ouverture(chemin, true));
    // Through a link the file written is its target, beside which the temporary goes; the link stays.
    const QByteArray final = cible_des_liens(QFile::encodeName(QFileInfo(chemin).absoluteFilePath()));
    const QFileInfo fi(QFile::decodeName(final));
    if (!QFileInfo(fi.absolutePath()).isDir()) throw Erreur(err::CheminIntrouvable);

    struct stat ancien;
    const bool existe = ::stat(final.constData(), &ancien) == 0;
    // A file the user made read-only is refused as an open for writing would refuse it (the
    // mode bits count even for the superuser), unless the user has just agreed to replace it.
    if (existe && ecrasement == Ecrasement::SiInscriptible &&
        ((ancien.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(final.constData(), W_OK) != 0))
        throw Erreur(err::PermissionRefusee);

    supprimer_provisoires(fi.absolutePath(), prefixe_provisoire(fi.fileName()));
    const QByteArray debut = QFile::encodeName(fi.absolutePath() + QLatin1Char('/') + prefixe_provisoire(fi.fileName()));
    QByteArray provisoire;
    int fd = -1;
    for (int essai = 0; essai < 100 && fd < 0; ++essai) {
        provisoire = debut + nouveau_suffixe();
        fd = ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int code = errno;
        if (code == ENOSPC || code == EDQUOT) throw Erreur(err::DisquePlein);
        const int n = numero_erreur_ouverture(fi.absoluteFilePath(), true);
        // The file itself may be writable while its folder is not: the temporary file fails.
        throw Erreur(n == err::AccesCheminFichier && existe ? err::PermissionRefusee : n);
    }
    auto echouer = [&](int code) {
        ::close(fd);
        ::unlink(provisoire.constData());
        throw Erreur(numero_erreur_systeme(code));
    };
    if (existe) ::fchmod(fd, ancien.st_mode & 07777);

    // Written straight into the temporary file: a writer that fails half-way leaves only the
    // temporary, which goes, and the content is never held twice.
    {
        Provisoire sortie(fd);
        try {
            ecrire(sortie);
        } catch (...) {
            ::close(fd);
            ::unlink(provisoire.constData());
            throw;
        }
        if (sortie.erreur()) echouer(sortie.erreur());
    }
    if (::fsync(fd) != 0) echouer(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(provisoire.constData());
        throw Erreur(numero_erreur_systeme(code));
    }
    if (::rename(provisoire.constData(), final.constData()) != 0) {
        ::unlink(provisoire.constData());
        throw Erreur(err::AccesCheminFichier);
    }
    synchroniser_dossier(QFile::encodeName(fi.absolutePath()));
}
}  // namespace

void reecrire_fichier(const QString& chemin, const std::function<void(QIODevice&)>& ecrire, Ecrasement ecrasement) {
    ecrire_surement(chemin, ecrire, ecrasement);
}

void reecrire_fichier(const QString& chemin, const QByteArray& contenu, Ecrasement ecrasement) {
    ecrire_surement(chemin, [&contenu](QIODevice& d) { d.write(contenu); }, ecrasement);
}

QString description_trop_grand() {
    return QStringLiteral("Fichier trop volumineux pour une liste (") + QString::number(TailleMaximale >> 20) +
           QStringLiteral(" Mo au plus)");
}
}  // namespace fichiers
