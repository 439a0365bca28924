// The disk search: every file under the folder shown that matches the type filter becomes a
// row of the playlist, inserted at the insertion row (so the list shows them in the reverse
// order of the walk). The walk runs on a worker, one reading of each folder, and never moves
// the folder and file lists; the rows found go in whole, many at a time, as they come (built
// on the window thread: the walk is the longer part).
// "Annuler" (lance_recherche) stops it.
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTreeWidgetItem>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chemins.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
// The most rows one search inserts: the count is a 16-bit figure.
constexpr int ResultatsMax = 32767;
// A step of the walk reads folders this long, then hands its rows to the window thread.
constexpr auto Tranche = std::chrono::milliseconds(25);

// The file list's pattern ("*.mp3;*.wav", "?" and "*", without regard to case; "*.*" is every
// file). "*.ext" is tested on the name's bytes before the name is decoded: most names of a
// tree do not match.
class Motif {
public:
    explicit Motif(const QString& motif) {
        for (QString m : motif.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            m = m.trimmed();
            if (m == QStringLiteral("*.*") || m == QStringLiteral("*")) {
                m_tout = true;
                continue;
            }
            const QString fin = m.mid(1);
            const bool simple = std::all_of(fin.begin(), fin.end(), [](QChar c) {
                return c.unicode() < 128 && c != QLatin1Char('*') && c != QLatin1Char('?') && c != QLatin1Char('[');
            });
            if (m.startsWith(QLatin1Char('*')) && simple)
                m_fins << fin.toLatin1();
            else
                m_autres << QRegularExpression(QRegularExpression::wildcardToRegularExpression(m),
                                               QRegularExpression::CaseInsensitiveOption);
        }
    }
    // The name as decoded when it matches; a null string otherwise.
    QString accepte(const char* octets, size_t longueur) const {
        if (m_tout) return QFile::decodeName(QByteArray(octets, qsizetype(longueur)));
        for (const QByteArray& f : m_fins)
            if (longueur >= size_t(f.size()) &&
                qstrnicmp(octets + longueur - size_t(f.size()), f.constData(), f.size()) == 0)
                return QFile::decodeName(QByteArray(octets, qsizetype(longueur)));
        if (m_autres.isEmpty()) return QString();
        const QString nom = QFile::decodeName(QByteArray(octets, qsizetype(longueur)));
        for (const QRegularExpression& r : m_autres)
            if (r.match(nom).hasMatch()) return nom;
        return QString();
    }

private:
    bool m_tout = false;
    QList<QByteArray> m_fins;
    QList<QRegularExpression> m_autres;
};

// The order of the folder and file lists: by name without regard to case.
bool avant(const QString& a, const QString& b) {
    const int r = QString::compare(a, b, Qt::CaseInsensitive);
    return r != 0 ? r < 0 : a < b;
}

// The walk, on the worker only: subfolders from the last listed to the first, each one whole
// before the next, a folder's own files after its subfolders; links to folders are not
// followed (a link back up would never end).
class Parcours {
public:
    Parcours(const QString& depart, const QString& motif, int deja)
        : m_depart(QFile::encodeName(depart)), m_motif(motif), m_trouves(deja) {}

    // Walks until `jusqu_a` (at least one folder) or the end; the matches found, full paths
    // in the order of the walk.
    QStringList avancer(std::chrono::steady_clock::time_point jusqu_a) {
        QStringList trouves;
        if (!m_commence) {
            m_commence = true;
            entrer(m_depart);
        }
        while (!m_pile.empty()) {
            Niveau& haut = m_pile.back();
            if (!haut.sous.empty()) {
                const QByteArray s = std::move(haut.sous.back());
                haut.sous.pop_back();
                entrer(s);
                if (std::chrono::steady_clock::now() >= jusqu_a) break;
                continue;
            }
            const QString prefixe = chemins::avec_separateur(QFile::decodeName(haut.chemin));
            for (const QString& nom : haut.fichiers) {
                QString chemin = prefixe + nom;
                // A path cut to its field would name another file: such a file is not listed.
                if (!champ::tient(chemin, enreg_liste::LargeurChemin)) continue;
                // The list can take no more: the whole search ends here.
                if (m_trouves >= ResultatsMax) {
                    plein = true;
                    m_pile.clear();
                    return trouves;
                }
                ++m_trouves;
                trouves << std::move(chemin);
            }
            m_pile.pop_back();
        }
        return trouves;
    }
    bool fini() const { return m_commence && m_pile.empty(); }

    bool plein = false;
    QStringList illisibles;  // folders that could not be read, reported at the end

private:
    struct Niveau {
        QByteArray chemin;
        std::vector<QByteArray> sous;  // full paths, in list order: taken from the back
        QStringList fichiers;          // matching names, in list order
    };

    // One reading of the folder gives both its subfolders and its files.
    void entrer(const QByteArray& chemin) {
        DIR* d = ::opendir(chemin.constData());
        struct stat s;
        // The superuser opens any folder: one closed to everybody is still reported.
        const bool lisible = d && ::fstat(::dirfd(d), &s) == 0 && (s.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) &&
                             (s.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH));
        if (!lisible) {
            if (d) ::closedir(d);
            illisibles << QFile::decodeName(chemin);
            return;
        }
        Niveau n;
        n.chemin = chemin;
        QList<QPair<QString, QByteArray>> sous;
        const QByteArray prefixe = chemin.endsWith('/') ? chemin : chemin + '/';
        while (const dirent* e = ::readdir(d)) {
            const char* nom = e->d_name;
            if (nom[0] == '.') continue;  // hidden, and "." and ".."
            const size_t longueur = std::strlen(nom);
            unsigned char type = e->d_type;
            if (type == DT_UNKNOWN || type == DT_LNK) {
                struct stat t;
                if (::fstatat(::dirfd(d), nom, &t, AT_SYMLINK_NOFOLLOW) != 0) continue;
                if (S_ISLNK(t.st_mode)) {
                    // A link counts as the file it names, never as a folder.
                    if (::fstatat(::dirfd(d), nom, &t, 0) != 0 || !S_ISREG(t.st_mode)) continue;
                    type = DT_REG;
                } else {
                    type = S_ISDIR(t.st_mode) ? DT_DIR : S_ISREG(t.st_mode) ? DT_REG : DT_UNKNOWN;
                }
            }
            if (type == DT_DIR) {
                sous.append({QFile::decodeName(QByteArray(nom, qsizetype(longueur))), prefixe + nom});
            } else if (type == DT_REG) {
                const QString n_ = m_motif.accepte(nom, longueur);
                if (!n_.isNull()) n.fichiers << n_;
            }
        }
        ::closedir(d);
        std::sort(sous.begin(), sous.end(), [](const auto& a, const auto& b) { return avant(a.first, b.first); });
        std::sort(n.fichiers.begin(), n.fichiers.end(), avant);
        n.sous.reserve(size_t(sous.size()));
        for (auto& p : sous) n.sous.push_back(std::move(p.second));
        m_pile.push_back(std::move(n));
    }

    const QByteArray m_depart;
    const Motif m_motif;
    int m_trouves;
    bool m_commence = false;
    std::vector<Niveau> m_pile;
};

}  // namespace

void ajout_fichier::lance_recherche() {
    // A search running stops: what it found so far stays in the list.
    if (recherche_active == Vrai && occupe()) m_travail->arreter();
    recherche_active = Faux;
    File1.show();
    Dir1.show();
    Label7.setCaption(QStringLiteral("Rechercher"));
    Label2.setCaption(QStringLiteral("Traitement en cours patientez !"));
    nb_fichiers_trouves = 0;
    Label6.setCaption(QStringLiteral("Fermer"));
    try {
        Dir1.setPath(QDir::currentPath());
        gestionnaire::montrer_volume(Drive1, Dir1.Path());
    } catch (const Erreur&) {
    }
}

void ajout_fichier::lancer_la_recherche() {
    if (occupe()) return;
    File1.hide();
    Dir1.hide();
    Label6.setCaption(QStringLiteral("Annuler"));
    File1.setPattern(Combo1.Text());
    // A refusal left by an earlier selection must not hide every match.
    fichier_illisible = Faux;
    QPointer<ajout_fichier> moi(this);
    recherche_fichiers(Dir1.Path(), [moi](bool) {
        if (!moi) {
            if (Liste_son::existe()) Liste_son::instance().sauve_tout();
            return;
        }
        ajout_fichier& a = *moi;
        a.File1.setPath(a.Dir1.Path());
        a.Label7.setCaption(QStringLiteral("Réinitialiser"));
        nb_fichiers_trouves = 0;
        a.Label6.setCaption(QStringLiteral("Fermer"));
        a.Label2.setCaption(QStringLiteral("Recherche terminée"));
        ecrire_reglage_discret(cle::Config, cle::Chemin_dernier_fichier, Chemin_dernier_fichier);
        Liste_son& liste = Liste_son::instance();
        liste.sauve_tout();
        a.File1.show();
        a.Dir1.show();
        a.hide();
        maj_sans_prechargement = Vrai;
        MsgBox(QStringLiteral("Mise a jour de la liste ! Patientez SVP !"), boites::Information);
        liste.a_mettre_a_jour_liste_Click();
    });
}

bool ajout_fichier::recherche_fichiers(const QString& depart, std::function<void(bool complet)> apres) {
    if (occupe()) return false;
    recherche_active = Vrai;
    struct Etat {
        bool termine = false;
        bool plein = false;
        QStringList illisibles;
        QString erreur;
    };
    auto etat = std::make_shared<Etat>();
    auto parcours = std::make_shared<Parcours>(depart, File1.Pattern(), int(nb_fichiers_trouves));
    const QString genre = Combo2.Text();
    QPointer<ajout_fichier> moi(this);
    QPointer<Liste_son> liste(&Liste_son::instance());
    // The number of folders is known only at the end: the walk says which step was its last.
    m_travail = travail::lancer_jusqu_au_bout(
        [=](int, bool& fin_du_parcours) -> travail::Application {
            const QStringList trouves = parcours->avancer(std::chrono::steady_clock::now() + Tranche);
            const bool dernier = parcours->fini();
            fin_du_parcours = dernier;
            if (trouves.isEmpty() && !dernier) return {};
            const QStringList illisibles = dernier ? parcours->illisibles : QStringList();
            const bool plein = parcours->plein;
            return [=] {
                gestionnaire::appliquer(etat->erreur, [&] {
                    if (liste && !trouves.isEmpty()) {
                        // Each went in at the insertion row, above the one before: built whole,
                        // then inserted together.
                        QList<QTreeWidgetItem*> lignes;
                        lignes.reserve(trouves.size());
                        for (auto i = trouves.crbegin(); i != trouves.crend(); ++i)
                            lignes << new QTreeWidgetItem(QStringList{*i, QStringLiteral("0.10"), QStringLiteral("0"),
                                                                      genre, QStringLiteral("100"), QStringLiteral("X")});
                        if (ligne_insertion == 0) ligne_insertion = 1;
                        gestionnaire::inserer_lignes(liste->ListView1, lignes, ligne_insertion);
                        nb_fichiers_trouves = int16_t(nb_fichiers_trouves + lignes.size());
                        if (moi)
                            moi->Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) : ") +
                                                   QString::number(nb_fichiers_trouves));
                    }
                });
                if (!dernier) return;
                etat->termine = true;
                etat->plein = plein;
                etat->illisibles = illisibles;
            };
        },
        [=](bool) {
            if (moi) moi->recherche_active = Faux;
            // Closed folders were skipped: said once, at the end.
            if (!etat->illisibles.isEmpty())
                MsgBox(gestionnaire::texte_omis(Erreur::description_standard(err::PermissionRefusee) +
                                                    QStringLiteral(" :"),
                                                etat->illisibles),
                       0);
            if (etat->plein) MsgBox(QStringLiteral("La zone de liste est remplie. Recherche abandonnée..."), 0);
            if (!etat->erreur.isEmpty()) MsgBox(etat->erreur, 0);
            if (apres) apres(etat->termine);
        });
    return true;
}
