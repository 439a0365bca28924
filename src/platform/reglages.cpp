#include "platform/reglages.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QLockFile>
#include <QStandardPaths>
#include <QVector>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/erreur.h"
#include "platform/fichiers.h"

namespace reglages {
namespace {
struct Entree {
    QString cle;
    QString valeur;
};

struct Section {
    QString application;
    QString nom;
    QVector<Entree> entrees;
    QHash<QString, int> index;  // folded key -> position in entrees
};

// What identifies one version of the file on disk: a safe rewrite gives a new inode.
struct Empreinte {
    bool existe = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t taille = 0;
    qint64 mtime_ns = 0;
    bool operator==(const Empreinte& o) const {
        return existe == o.existe && dev == o.dev && ino == o.ino && taille == o.taille && mtime_ns == o.mtime_ns;
    }
};

struct Magasin {
    QString chemin;
    bool charge = false;
    Empreinte empreinte;
    QVector<Section> sections;
    QHash<QString, int> index;  // folded "application/section" -> position in sections
};

Magasin& magasin() {
    static Magasin m;
    return m;
}

QString plier(const QString& s) { return s.toCaseFolded(); }
QString cle_section(const QString& application, const QString& section) {
    return plier(application) + QLatin1Char('/') + plier(section);
}

Empreinte empreinte(const QString& chemin) {
    Empreinte e;
    struct stat st;
    if (::stat(QFile::encodeName(chemin).constData(), &st) == 0) {
        e.existe = true;
        e.dev = st.st_dev;
        e.ino = st.st_ino;
        e.taille = st.st_size;
        e.mtime_ns = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return e;
}

QString echapper(const QString& v) {
    QString r;
    r.reserve(v.size());
    for (QChar c : v) {
        if (c == QLatin1Char('\\')) r += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n')) r += QLatin1String("\\n");
        else if (c == QLatin1Char('\r')) r += QLatin1String("\\r");
        else r += c;
    }
    return r;
}

QString desechapper(const QString& v) {
    QString r;
    r.reserve(v.size());
    for (int i = 0; i < v.size(); ++i) {
        if (v[i] == QLatin1Char('\\') && i + 1 < v.size()) {
            const QChar c = v[++i];
            r += c == QLatin1Char('n') ? QChar('\n') : c == QLatin1Char('r') ? QChar('\r') : c;
        } else {
            r += v[i];
        }
    }
    return r;
}

Section& section(Magasin& m, const QString& application, const QString& nom) {
    const QString k = cle_section(application, nom);
    auto it = m.index.constFind(k);
    if (it != m.index.constEnd()) return m.sections[*it];
    m.index.insert(k, m.sections.size());
    m.sections.append(Section{application, nom, {}, {}});
    return m.sections.last();
}

void poser(Section& s, const QString& cle, const QString& valeur) {
    const QString k = plier(cle);
    auto it = s.index.constFind(k);
    if (it != s.index.constEnd()) {
        s.entrees[*it].valeur = valeur;
        return;
    }
    s.index.insert(k, s.entrees.size());
    s.entrees.append(Entree{cle, valeur});
}

void analyser(Magasin& m, const QByteArray& contenu) {
    m.sections.clear();
    m.index.clear();
    Section* courante = nullptr;
    for (QString ligne : QString::fromUtf8(contenu).split(QLatin1Char('\n'))) {
        if (ligne.endsWith(QLatin1Char('\r'))) ligne.chop(1);  // a file edited elsewhere with CR-LF
        const QString t = ligne.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) continue;
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            const QString nom = t.mid(1, t.size() - 2);
            const int barre = nom.indexOf(QLatin1Char('/'));
            courante = barre < 0 ? nullptr : &section(m, nom.left(barre).trimmed(), nom.mid(barre + 1).trimmed());
            continue;
        }
        const int egal = ligne.indexOf(QLatin1Char('='));
        if (!courante || egal < 0) continue;
        const QString cle = ligne.left(egal).trimmed();
        if (!cle.isEmpty()) poser(*courante, cle, desechapper(ligne.mid(egal + 1)));
    }
}

QByteArray serialiser(const Magasin& m) {
    QString texte;
    for (const Section& s : m.sections) {
        if (!texte.isEmpty()) texte += QLatin1Char('\n');
        texte += QLatin1Char('[') + s.application + QLatin1Char('/') + s.nom + QLatin1String("]\n");
        for (const Entree& e : s.entrees) texte += e.cle + QLatin1Char('=') + echapper(e.valeur) + QLatin1Char('\n');
    }
    return texte.toUtf8();
}

// Brings the cached copy up to date with the file on disk.
void actualiser(Magasin& m) {
    const QString chemin = chemin_fichier();
    const Empreinte e = empreinte(chemin);
    if (m.charge && m.chemin == chemin && m.empreinte == e) return;
    m.chemin = chemin;
    m.empreinte = e;
    m.charge = true;
    QByteArray contenu;
    if (e.existe) {
        try {
            contenu = fichiers::lire_fichier(chemin);
        } catch (const Erreur&) {
            m.charge = false;  // unreadable now: try again next time
        }
    }
    analyser(m, contenu);
}

const QString* trouver(const Magasin& m, const QString& application, const QString& section,
                      const QString& cle) {
    auto s = m.index.constFind(cle_section(application.trimmed(), section.trimmed()));
    if (s == m.index.constEnd()) return nullptr;
    const Section& sec = m.sections[*s];
    auto e = sec.index.constFind(plier(cle.trimmed()));
    return e == sec.index.constEnd() ? nullptr : &sec.entrees[*e].valeur;
}

bool nom_valide(const QString& nom, const char* interdits) {
    const QString t = nom.trimmed();
    if (t.isEmpty()) return false;
    for (const char* c = interdits; *c; ++c)
        if (t.contains(QLatin1Char(*c))) return false;
    return !t.contains(QLatin1Char('\n')) && !t.contains(QLatin1Char('\r'));
}
}  // namespace

QString chemin_fichier() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Sonavel/reglages.ini");
}

QString lire(const QString& application, const QString& section, const QString& cle, const QString& defaut) {
    Magasin& m = magasin();
    actualiser(m);
    const QString* v = trouver(m, application, section, cle);
    return v ? *v : defaut;
}

namespace {
QString& erreur_ecriture() {
    static QString e;
    return e;
}
bool refuser(int numero) {
    erreur_ecriture() = Erreur::description_standard(numero);
    return false;
}
}  // namespace

QString derniere_erreur() { return erreur_ecriture(); }

bool ecrire(const QString& application, const QString& section, const QString& cle, const QString& valeur) {
    if (!nom_valide(application, "/]") || !nom_valide(section, "]") || !nom_valide(cle, "="))
        return refuser(err::AppelInvalide);
    const QString c = cle.trimmed();
    if (c.startsWith(QLatin1Char('[')) || c.startsWith(QLatin1Char(';')) || c.startsWith(QLatin1Char('#')))
        return refuser(err::AppelInvalide);
    // A value already stored as asked needs no write, hence no lock: a rewrite replaces the
    // file at once, so what is read here is one whole version of it.
    Magasin& m = magasin();
    actualiser(m);
    if (const QString* v = trouver(m, application, section, c); m.charge && v && *v == valeur) return true;
    const QString chemin = chemin_fichier();
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath())) return refuser(err::CheminIntrouvable);
    // Both programs write this file: take in the other's changes under the lock.
    QLockFile verrou(chemin + QLatin1String(".lock"));
    if (!verrou.tryLock(3000))
        return refuser(::access(QFile::encodeName(QFileInfo(chemin).absolutePath()).constData(), W_OK) != 0
                           ? fichiers::numero_erreur_systeme(errno)
                           : err::AccesCheminFichier);
    actualiser(m);
    if (!m.charge) return refuser(err::PermissionRefusee);  // never replace a file that could not be read
    if (const QString* v = trouver(m, application, section, c); v && *v == valeur) return true;
    poser(reglages::section(m, application.trimmed(), section.trimmed()), c, valeur);
    try {
        fichiers::reecrire_fichier(chemin, serialiser(m));
    } catch (const Erreur& e) {
        m.charge = false;  // the cache holds a value the file does not: read the file again
        erreur_ecriture() = e.description();
        return false;
    }
    m.empreinte = empreinte(chemin);
    return true;
}
}  // namespace reglages
