#include "platform/listes_fichiers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include "platform/erreur.h"
#include "platform/par_code.h"

namespace {
using controles_interne::lancer;
using controles_interne::ParCode;

// The absolute folder a path names, or error 76.
QString dossier_existant(const QString& path) {
    const QFileInfo info(path.isEmpty() ? QStringLiteral(".") : path);
    if (!info.isDir()) throw Erreur(err::CheminIntrouvable);
    return QDir::cleanPath(info.absoluteFilePath());
}

// One name of a pattern: "*.ext" (the common case) is a suffix compared without regard to
// case; anything else a regular expression.
struct Motif {
    QString suffixe;  // ".ext", or empty
    bool tout = false;
    QRegularExpression expression;
    bool accepte(const QString& nom) const {
        if (tout) return true;
        if (!suffixe.isEmpty()) return nom.endsWith(suffixe, Qt::CaseInsensitive);
        return expression.match(nom).hasMatch();
    }
};

// "*.*" means every file, with or without a dot in its name.
QList<Motif> motifs(const QString& pattern) {
    static const QRegularExpression joker(QStringLiteral("[*?\\[\\]]"));
    QList<Motif> r;
    for (QString m : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        m = m.trimmed();
        Motif motif;
        if (m == QStringLiteral("*.*") || m == QStringLiteral("*"))
            motif.tout = true;
        else if (m.startsWith(QStringLiteral("*.")) && m.size() > 2 && !m.mid(1).contains(joker))
            motif.suffixe = m.mid(1);
        else
            motif.expression = QRegularExpression(QRegularExpression::wildcardToRegularExpression(m),
                                                  QRegularExpression::CaseInsensitiveOption);
        r << motif;
    }
    return r;
}

// The entries of a folder, "." and ".." left out, with what they are (links followed). One
// pass of readdir: the type comes with the name on most file systems, and a stat is made only
// for links and where it does not.
enum class Genre { Fichier, Dossier, Autre };
struct Entree {
    QString nom;
    Genre genre;
    bool lien;
    bool ascii;  // every character of the name below 0x80
};
using Entrees = std::vector<Entree>;

Entrees lire_dossier(const QByteArray& chemin) {
    Entrees r;
    DIR* d = ::opendir(chemin.constData());
    if (!d) return r;
    const int fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        unsigned char type = e->d_type;
        const bool lien = type == DT_LNK;
        if (type == DT_UNKNOWN || lien) {
            struct stat etat {};
            if (::fstatat(fd, n, &etat, 0) != 0)
                type = DT_UNKNOWN;  // a broken link
            else
                type = S_ISREG(etat.st_mode) ? DT_REG : S_ISDIR(etat.st_mode) ? DT_DIR : DT_UNKNOWN;
        }
        // Most names are plain ASCII, which decodes the same as Latin-1, without the UTF-8 decoder.
        size_t longueur = 0;
        bool ascii = true;
        for (; n[longueur]; ++longueur) ascii &= static_cast<unsigned char>(n[longueur]) < 0x80;
        r.push_back({ascii ? QString::fromLatin1(n, qsizetype(longueur)) : QFile::decodeName(n),
                     type == DT_REG ? Genre::Fichier : type == DT_DIR ? Genre::Dossier : Genre::Autre, lien, ascii});
    }
    ::closedir(d);
    return r;
}

int64_t ns(const timespec& t) { return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; }

// A folder change reads the same folder up to three times at once (the folder list, the file
// list, a name looked up without regard to case): the last reading serves them all while the
// folder is unchanged (same inode, same dates of change of its content and of its inode: a
// date of change set back by hand still changes the second) and for a second at most. A reading is
// kept only when the folder had not changed for a while before it began: a change made later
// then always gives the folder another date, however coarse the file system's clock.
std::shared_ptr<const Entrees> entrees(const QString& dossier) {
    constexpr int64_t kCalme_ns = 100 * 1000000;
    constexpr int kDureeMax_ms = 1000;
    static std::mutex m;
    static dev_t appareil = 0;
    static ino_t inode = 0;
    static int64_t date = 0;
    static int64_t date_inode = 0;
    static QElapsedTimer age;
    static std::shared_ptr<const Entrees> derniere;
    const QByteArray chemin = QFile::encodeName(dossier.isEmpty() ? QStringLiteral(".") : dossier);
    struct stat etat {};
    if (::stat(chemin.constData(), &etat) != 0 || !S_ISDIR(etat.st_mode)) return std::make_shared<const Entrees>();
    {
        std::lock_guard<std::mutex> l(m);
        if (derniere && etat.st_dev == appareil && etat.st_ino == inode && ns(etat.st_mtim) == date &&
            ns(etat.st_ctim) == date_inode &&
            age.isValid() && age.elapsed() < kDureeMax_ms)
            return derniere;
    }
    timespec debut {};
    ::clock_gettime(CLOCK_REALTIME, &debut);
    auto r = std::make_shared<const Entrees>(lire_dossier(chemin));
    if (ns(debut) - std::max(ns(etat.st_mtim), ns(etat.st_ctim)) > kCalme_ns) {
        std::lock_guard<std::mutex> l(m);
        appareil = etat.st_dev;
        inode = etat.st_ino;
        date = ns(etat.st_mtim);
        date_inode = ns(etat.st_ctim);
        age.start();
        derniere = r;
    }
    return r;
}

bool ascii(QStringView s) {
    for (const QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// Whether two ASCII names of one length are the same without regard to case.
bool memes_lettres_ascii(QStringView a, QStringView b) {
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return false;
    }
    return true;
}

// Compares two byte strings as memcmp then their lengths would, eight bytes at a time. The
// bytes may be read up to 7 past either end (the buffer holding them is padded).
int comparer_octets(const unsigned char* a, size_t na, const unsigned char* b, size_t nb) {
    const size_t n = std::min(na, nb);
    size_t i = 0;
    for (;; i += 8) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        x = __builtin_bswap64(x);
        y = __builtin_bswap64(y);
        if (i + 8 > n) {
            // Only the bytes before n count.
            const unsigned reste = unsigned(n - i);
            if (reste == 0) break;
            x >>= 64 - 8 * reste;
            y >>= 64 - 8 * reste;
            if (x != y) return x < y ? -1 : 1;
            break;
        }
        if (x != y) return x < y ? -1 : 1;
    }
    return na < nb ? -1 : na > nb ? 1 : 0;
}

// By name without regard to case; names equal so are ordered by their exact spelling. Keys
// are laid side by side in one buffer and compared as bytes: one byte a character when every
// name is ASCII (folding is then A-Z to a-z), else big-endian UTF-16, whose bytes sort as
// its code units do.
void trier(QStringList& noms) {
    const qsizetype n = noms.size();
    if (n < 2) return;
    bool tout_ascii = true;
    size_t total = 0;
    for (const QString& nom : noms) {
        total += size_t(nom.size());
        if (tout_ascii && !ascii(nom)) tout_ascii = false;
    }
    struct Cle {
        size_t plie;  // the folded name's offset, the name itself following it
        uint32_t longueur_pliee;
        uint32_t longueur;
        qsizetype indice;
    };
    std::vector<Cle> cles(static_cast<size_t>(n));
    std::vector<unsigned char> octets;
    if (tout_ascii) {
        octets.resize(2 * total + 8);
        unsigned char* o = octets.data();
        size_t pos = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const QString& nom = noms.at(i);
            const char16_t* c = reinterpret_cast<const char16_t*>(nom.constData());
            const size_t l = size_t(nom.size());
            for (size_t k = 0; k < l; ++k) {
                const unsigned char u = static_cast<unsigned char>(c[k]);
                o[pos + k] = u >= 'A' && u <= 'Z' ? u - 'A' + 'a' : u;
                o[pos + l + k] = u;
            }
            cles[size_t(i)] = {pos, uint32_t(l), uint32_t(l), i};
            pos += 2 * l;
        }
    } else {
        size_t pos = 0;
        const auto ajouter = [&](QStringView v) {
            octets.resize(pos + 2 * size_t(v.size()));
            for (const QChar c : v) {
                octets[pos++] = static_cast<unsigned char>(c.unicode() >> 8);
                octets[pos++] = static_cast<unsigned char>(c.unicode() & 0xFF);
            }
        };
        for (qsizetype i = 0; i < n; ++i) {
            const QString& nom = noms.at(i);
            const size_t debut = pos;
            ajouter(nom.toCaseFolded());
            const size_t pliee = pos - debut;
            ajouter(nom);
            cles[size_t(i)] = {debut, uint32_t(pliee), uint32_t(pos - debut - pliee), i};
        }
        octets.resize(pos + 8);
    }
    const unsigned char* base = octets.data();
    std::sort(cles.begin(), cles.end(), [base](const Cle& a, const Cle& b) {
        if (const int r = comparer_octets(base + a.plie, a.longueur_pliee, base + b.plie, b.longueur_pliee)) return r < 0;
        return comparer_octets(base + a.plie + a.longueur_pliee, a.longueur, base + b.plie + b.longueur_pliee,
                               b.longueur) < 0;
    });
    QStringList r;
    r.reserve(n);
    for (const Cle& c : cles) r << noms.at(c.indice);
    noms = std::move(r);
}
}  // namespace

QStringList listes_fichiers::fichiers(const QString& dossier, const QString& motif) {
    const QList<Motif> m = motifs(motif);
    QStringList noms;
    const auto lues = entrees(dossier);  // held through the loop
    noms.reserve(qsizetype(lues->size()));
    for (const Entree& e : *lues) {
        if (e.genre != Genre::Fichier || e.nom.startsWith(QLatin1Char('.'))) continue;  // hidden
        for (const Motif& r : m)
            if (r.accepte(e.nom)) {
                noms << e.nom;
                break;
            }
    }
    trier(noms);
    return noms;
}

QStringList listes_fichiers::sous_dossiers(const QString& dossier, bool avec_liens) {
    QStringList noms;
    const auto lues = entrees(dossier);  // held through the loop
    for (const Entree& e : *lues)
        if (e.genre == Genre::Dossier && !e.nom.startsWith(QLatin1Char('.')) && (avec_liens || !e.lien)) noms << e.nom;
    trier(noms);
    return noms;
}

QString listes_fichiers::fichier_sans_casse(const QString& dossier, const QString& nom) {
    if (nom.isEmpty()) return QString();
    QString trouve;
    const bool nom_ascii = ascii(nom);
    const auto lues = entrees(dossier);  // held through the loop
    for (const Entree& e : *lues) {
        if (e.genre != Genre::Fichier) continue;
        // Two ASCII names match only letter for letter; other names can match otherwise (a
        // Kelvin sign folds to "k").
        if (nom_ascii && e.ascii) {
            if (e.nom.size() != nom.size() || !memes_lettres_ascii(e.nom, nom)) continue;
        }
        if (e.nom == nom) return e.nom;
        if (e.nom.compare(nom, Qt::CaseInsensitive) == 0 && (trouve.isEmpty() || e.nom < trouve))
            trouve = e.nom;  // of names differing only in case, always the same one
    }
    return trouve;
}

// ---- DriveListBox

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    Refresh();
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (!m_par_code) evenement::utilisateur([&] { choisir(index); });
    });
}

void DriveListBox::Refresh() {
    const QString avant = Drive();
    ParCode p(m_par_code);
    clear();
    // The home folder first: where a user's own music is, one choice away.
    const QString maison = QDir::cleanPath(QDir::homePath());
    if (maison != QLatin1String("/") && QFileInfo(maison).isDir()) addItem(maison);
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && findText(v.rootPath()) < 0) addItem(v.rootPath());
    int i = findText(avant.isEmpty() ? QStringLiteral("/") : avant);
    if (i < 0) i = count() ? 0 : -1;
    setCurrentIndex(i);
    m_choisi = i;
}

QString DriveListBox::Drive() const { return m_choisi >= 0 ? itemText(m_choisi) : QString(); }

void DriveListBox::setDrive(const QString& drive) {
    int i = findText(drive);
    if (i < 0 && !drive.isEmpty() && QFileInfo::exists(drive)) {
        i = entree_contenant(QFileInfo(drive).absoluteFilePath());
        if (i < 0) i = findText(QStorageInfo(drive).rootPath());
    }
    if (i < 0) throw Erreur(err::PeripheriqueNonDisponible);
    choisir(i);
}

int DriveListBox::entree_contenant(const QString& chemin) const {
    const QString c = QDir::cleanPath(chemin);
    int meilleure = -1;
    for (int i = 0; i < count(); ++i) {
        const QString e = itemText(i);
        const bool contient = e == QLatin1String("/") || c == e || c.startsWith(e + QLatin1Char('/'));
        if (contient && (meilleure < 0 || e.size() > itemText(meilleure).size())) meilleure = i;
    }
    return meilleure;
}

QString DriveListBox::List(int index) const {
    if (index < 0 || index >= count()) throw Erreur(381);
    return itemText(index);
}

void DriveListBox::setListIndex(int index) {
    if (index < 0 || index >= count()) throw Erreur(err::ValeurPropriete);
    choisir(index);
}

void DriveListBox::choisir(int index) {
    {
        ParCode p(m_par_code);
        setCurrentIndex(index);
    }
    if (index == m_choisi) return;
    m_choisi = index;
    lancer(Change);
}

// ---- DirListBox

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    m_path = dossier_existant(QDir::currentPath());
    remplir();
    connect(this, &QListWidget::itemClicked, this, [this] { evenement::utilisateur(Click); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int ligne = row(item) - int(m_ancetres.size());
        evenement::utilisateur([&] { setPath(List(ligne)); });
    });
}

void DirListBox::setPath(const QString& path) {
    const QString nouveau = dossier_existant(path);
    if (nouveau == m_path) {
        Refresh();
        return;
    }
    m_path = nouveau;
    remplir();
    lancer(Change);
}

void DirListBox::Refresh() { remplir(); }

void DirListBox::showEvent(QShowEvent* e) {
    a_jour();
    QListWidget::showEvent(e);
}

void DirListBox::a_jour() const {
    if (!m_a_relire) return;
    const_cast<DirListBox*>(this)->lire();
}

int DirListBox::ListCount() const {
    a_jour();
    return int(m_sous_dossiers.size());
}

void DirListBox::remplir() {
    m_a_relire = true;
    if (isVisible()) lire();
}

void DirListBox::lire() {
    m_a_relire = false;
    m_ancetres.clear();
    for (QDir d(m_path);; ) {
        m_ancetres.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    m_sous_dossiers.clear();
    const QDir d(m_path);
    for (const QString& n : listes_fichiers::sous_dossiers(m_path)) m_sous_dossiers << d.filePath(n);

    ParCode p(m_par_code);
    clear();
    int retrait = 0;
    for (const QString& a : m_ancetres) {
        const QString nom = a == QStringLiteral("/") ? a : QFileInfo(a).fileName();
        addItem(QString(retrait++ * 2, QLatin1Char(' ')) + QStringLiteral("▾ ") + nom);
    }
    for (const QString& s : m_sous_dossiers)
        addItem(QString(retrait * 2, QLatin1Char(' ')) + QStringLiteral("▸ ") + QFileInfo(s).fileName());
    setCurrentRow(ligne_de(-1));
}

QString DirListBox::List(int index) const {
    a_jour();
    const int ligne = ligne_de(index);
    if (ligne < 0 || ligne >= count()) throw Erreur(381);
    return index < 0 ? m_ancetres.at(ligne) : m_sous_dossiers.at(index);
}

int DirListBox::ListIndex() const {
    a_jour();
    return currentRow() - int(m_ancetres.size());
}

void DirListBox::setListIndex(int index) {
    a_jour();
    const int ligne = ligne_de(index);
    if (ligne < 0 || ligne >= count()) throw Erreur(err::ValeurPropriete);
    setCurrentRow(ligne);
}

// ---- FileListBox

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    // One line of text each: the view measures one item, not every one of a large folder.
    setUniformItemSizes(true);
    m_path = dossier_existant(QDir::currentPath());
    Refresh();
    connect(this, &QListWidget::itemClicked, this, [this] { evenement::utilisateur(Click); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { evenement::utilisateur(DblClick); });
}

void FileListBox::setPath(const QString& path) {
    const QString nouveau = dossier_existant(path);
    const bool change = nouveau != m_path;
    m_path = nouveau;
    Refresh();
    if (change) lancer(PathChange);
}

void FileListBox::setPattern(const QString& pattern) {
    if (pattern == m_pattern) return;
    m_pattern = pattern;
    Refresh();
    lancer(PatternChange);
}

void FileListBox::Refresh() {
    m_a_relire = true;
    if (isVisible()) a_jour();
}

void FileListBox::showEvent(QShowEvent* e) {
    a_jour();
    QListWidget::showEvent(e);
}

void FileListBox::a_jour() const {
    if (m_a_relire) const_cast<FileListBox*>(this)->remplir();
}

void FileListBox::remplir() {
    m_a_relire = false;
    const QStringList noms = listes_fichiers::fichiers(m_path, m_pattern);
    ParCode p(m_par_code);
    clear();
    addItems(noms);
}

int FileListBox::count() const {
    a_jour();
    return QListWidget::count();
}

QListWidgetItem* FileListBox::item(int row) const {
    a_jour();
    return QListWidget::item(row);
}

QListWidgetItem* FileListBox::currentItem() const {
    a_jour();
    return QListWidget::currentItem();
}

int FileListBox::currentRow() const {
    a_jour();
    return QListWidget::currentRow();
}

QList<QListWidgetItem*> FileListBox::findItems(const QString& text, Qt::MatchFlags flags) const {
    a_jour();
    return QListWidget::findItems(text, flags);
}

QList<QListWidgetItem*> FileListBox::selectedItems() const {
    a_jour();
    return QListWidget::selectedItems();
}

QString FileListBox::FileName() const {
    // The highlighted file only: after a refresh the current row stays on the first line
    // with nothing highlighted.
    const QListWidgetItem* i = currentItem();
    return i && i->isSelected() ? i->text() : QString();
}

QString FileListBox::List(int index) const {
    if (index < 0 || index >= count()) throw Erreur(381);
    return item(index)->text();
}

void FileListBox::setListIndex(int index) {
    a_jour();
    if (index < -1 || index >= count()) throw Erreur(err::ValeurPropriete);
    setCurrentRow(index);
}
