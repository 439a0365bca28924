// The file check: the folder and the file of every entry (or of the selected one) must still
// exist. The whole-list check takes out the entries whose file or folder is gone; the
// one-entry check reports and takes out only an entry whose folder is gone. The disk is
// asked on a worker, from a list of rows taken at the start; each answer comes back to the
// window thread and acts on its row only if that row is still in the list.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPersistentModelIndex>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/travail.h"
#include "playlist/fichier_liste.h"
#include "playlist/travail_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;
using travail_liste::index_de;
using travail_liste::ligne_de;

namespace {
// An entry's path cut into its folder (with its final separator) and its name. A path with
// no separator has no folder and is not checked.
struct Emplacement {
    bool a_dossier = false;
    QString dossier;
    QString nom;
};

Emplacement emplacement(const QString& chemin) {
    Emplacement e;
    int i = chemin.size() - 1;
    while (i >= 0 && chemin[i] != QLatin1Char('/') && chemin[i] != QLatin1Char('\\')) --i;
    if (i < 0) {
        e.nom = chemin;
        return e;
    }
    e.a_dossier = true;
    e.nom = chemin.mid(i + 1);
    // The folder keeps the separator its path used, so a root stays a root ("/", "c:\").
    e.dossier = chemin.left(i + 1);
    return e;
}

bool dossier_existe(const QString& dossier) {
    const QFileInfo info(dossier);
    if (!info.isDir()) return false;
    // A folder that cannot be entered or listed is there, but its files cannot be checked.
    if (!info.isExecutable() || !info.isReadable()) throw Erreur(err::PermissionRefusee);
    return true;
}

bool fichier_present(const QString& dossier, const QString& nom) {
    if (nom.isEmpty()) return false;
    // The exact name first, one stat: a large folder is listed only when the spelling differs.
    struct stat s;
    if (::stat(QFile::encodeName(dossier + nom).constData(), &s) == 0 && S_ISREG(s.st_mode)) return true;
    return !chemins::trouver_fichier_sans_casse(dossier, nom).isEmpty();
}

bool erreur_de_fichier(int numero) {
    switch (numero) {
    case err::PeripheriqueNonDisponible:
    case err::PermissionRefusee:
    case err::DisqueNonPret:
    case err::RenommerAutreUnite:
    case err::AccesCheminFichier:
    case err::CheminIntrouvable:
        return true;
    default:
        return false;
    }
}

enum class Constat { Present, NonTeste, DossierManquant, FichierManquant, ErreurFichier, Autre };

struct Resultat {
    Constat constat = Constat::Present;
    Emplacement e;
    int numero = 0;
    QString description;
};

// Each folder is asked once per check (a list holds many entries of one folder): 1 there,
// 0 gone, else minus the error number.
using Dossiers = QHash<QString, int>;

// Worker thread: what the disk says of one entry. Nothing of the window here.
Resultat constater(const QString& chemin, Dossiers& dossiers) {
    Resultat r;
    r.e = emplacement(chemin);
    if (!r.e.a_dossier) {
        r.constat = Constat::NonTeste;
        return r;
    }
    try {
        auto it = dossiers.constFind(r.e.dossier);
        int etat;
        if (it != dossiers.constEnd()) {
            etat = *it;
        } else {
            try {
                etat = dossier_existe(r.e.dossier) ? 1 : 0;
            } catch (const Erreur& x) {
                etat = -x.numero();
            }
            dossiers.insert(r.e.dossier, etat);
        }
        if (etat < 0) throw Erreur(-etat);
        if (etat == 0)
            r.constat = Constat::DossierManquant;
        else
            r.constat = fichier_present(r.e.dossier, r.e.nom) ? Constat::Present : Constat::FichierManquant;
    } catch (const Erreur& x) {
        r.numero = x.numero();
        r.description = x.description();
        r.constat = erreur_de_fichier(x.numero()) ? Constat::ErreurFichier : Constat::Autre;
    }
    return r;
}

const QString CR = QStringLiteral("\r");
const QString Supprime = CR + QStringLiteral("Elément supprimé de la liste") + CR + QStringLiteral("Continuez...");

// Rows named in one closing box; the rest are counted.
constexpr int NomsMontres = 10;
// The progress window is brought up to date at most this often: work never waits for a paint.
constexpr int IntervalleProgression_ms = 200;
// A file found in place changes nothing: only one in this many comes back, for the progress.
constexpr int PasProgression = 256;

// The main window back to its normal state, and the list window shown again.
void montrer_fenetres(Liste_son& liste) {
    Radio_FM::instance().showNormal();
    liste.show();
}

void fermer_progression() {
    if (!fsauve::existe()) return;
    fsauve::instance().hide();
    fsauve::decharger();
}

// The update that was to follow the check has nothing left to update.
void annuler_mise_a_jour(Liste_son& l) {
    fermer_progression();
    montrer_fenetres(l);
    gestionnaire::pointeur_defaut();
    maj_liste_en_cours = Faux;
    MsgBox(QStringLiteral("Mise a jour annulé/ aucun fichier de trouvé"), boites::Information);
    travail_liste::terminer();
}


struct Verification {
    std::vector<QPersistentModelIndex> lignes;  // each let go once its answer is applied
    size_t liberees = 0;                        // lignes[0 .. liberees - 1] let go
    // The rows found missing, taken out when the check ends. Qt moves every persistent index
    // below a removed row: removed as they were found, each of them would cost the rows not
    // yet checked (a second per 20 removals in a 100,000-row list).
    std::vector<QPersistentModelIndex> a_retirer;
    QElapsedTimer montre;
    bool retraits = false;
    QStringList erreurs_de_fichier;  // rows taken out because their folder could not be read
    bool erreur = false;             // another error stopped the check
    int numero = 0;
    QString description;
};

// The bar counts the rows taken at the start; the caption the rows now in the list.
void montrer_progression(const Resultat& r, int32_t fait, int32_t total, int32_t n) {
    if (!fsauve::existe()) return;
    fsauve& p = fsauve::instance();
    switch (r.constat) {
    case Constat::DossierManquant:
        p.setCaption(QStringLiteral("Dossier manquant : ") + r.e.dossier + QStringLiteral(" - ") + QString::number(n));
        break;
    case Constat::FichierManquant:
        p.setCaption(QStringLiteral("fichier manquant : ") + r.e.nom + QStringLiteral(" - ") + QString::number(n));
        break;
    case Constat::Present:
        p.setCaption(QStringLiteral("fichier Ok : ") + QString::number(n));
        break;
    default:
        break;
    }
    p.ProgressBar1.setMax(float(total));
    p.ProgressBar1.setValue(fait);
    p.Label1.setCaption(r.e.nom);
}

// Window thread: one answer of the whole-list check applied to its row, if it is still there.
void appliquer(Liste_son& l, Verification& v, int i, const Resultat& r) {
    // The rows before this one had their answers (a present file sends none but now and then).
    for (; v.liberees < size_t(i); ++v.liberees) v.lignes[v.liberees] = QPersistentModelIndex();
    QPersistentModelIndex p = std::move(v.lignes[size_t(i)]);
    const int32_t ligne = ligne_de(p);
    const int32_t n = l.ListView1.ListCount() - int32_t(v.a_retirer.size());
    const bool derniere = i + 1 == int(v.lignes.size());
    if (derniere || !v.montre.isValid() || v.montre.elapsed() >= IntervalleProgression_ms) {
        // The progress never stops the check.
        try {
            montrer_progression(r, i + 1, int32_t(v.lignes.size()), n);
        } catch (const Erreur&) {
        }
        v.montre.restart();
    }
    if (ligne == 0) return;  // taken out meanwhile: nothing to do
    switch (r.constat) {
    case Constat::Present:
    case Constat::NonTeste:
        return;
    case Constat::Autre:
        v.erreur = true;
        v.numero = r.numero;
        v.description = r.description;
        throw Erreur(r.numero, r.description);  // the check stops here
    case Constat::ErreurFichier:
        v.erreurs_de_fichier << QStringLiteral("Fichier ou dossier: ") + r.e.dossier + QStringLiteral(" ") + r.e.nom +
                                    QStringLiteral(" Non trouvé ");
        break;
    default:
        break;
    }
    v.a_retirer.push_back(std::move(p));
}

// The rows found missing out of the list, through the view's own removal (list play follows
// its rows whatever removes them), those gone meanwhile skipped. The empty cells take their
// defaults at the first removal, the row numbers a save there gave them; the list file is
// written once, after.
void retirer_manquants(Liste_son& l, Verification& v) {
    for (const QPersistentModelIndex& p : v.a_retirer) {
        const int32_t ligne = ligne_de(p);
        if (ligne == 0) continue;
        l.ListView1.RemoveItem(ligne);
        if (!v.retraits) fichier_liste::completer_cellules(l.ListView1);
        v.retraits = true;
    }
    v.a_retirer.clear();
}

// Window thread, once: the state restored, then the boxes, then what follows.
void finir(Liste_son& l, Verification& v, const std::function<void()>& suite) {
    // Whatever ended the check, the view is written once, so the file holds what is shown.
    v.lignes.clear();
    try {
        retirer_manquants(l, v);
    } catch (const Erreur&) {
    }
    if (!v.erreur || v.retraits) l.sauve_tout();
    if (v.erreur) {
        fermer_progression();
        montrer_fenetres(l);
        gestionnaire::pointeur_defaut();
        maj_liste_en_cours = Faux;
        if (v.numero == err::ValeurPropriete)
            MsgBox(QStringLiteral("Aucun fichier de valide !"), boites::Information);
        else
            MsgBox(v.description + QStringLiteral(" err N° ") + QString::number(v.numero), boites::Critique);
        travail_liste::terminer();
        return;
    }
    const bool vide = l.ListView1.ListCount() == 0;
    if (suite) {
        if (!v.erreurs_de_fichier.isEmpty()) {
            fermer_progression();
            gestionnaire::pointeur_defaut();
        }
    } else {
        if (fsauve::existe()) fsauve::instance().ProgressBar1.setValue(0);
        fermer_progression();
        montrer_fenetres(l);
        gestionnaire::pointeur_defaut();
    }
    if (!v.erreurs_de_fichier.isEmpty()) {
        QString texte = QStringList(v.erreurs_de_fichier.mid(0, NomsMontres)).join(CR);
        if (v.erreurs_de_fichier.size() > NomsMontres) texte += CR + QStringLiteral("...");
        MsgBox(texte + Supprime, boites::Critique);
    }
    if (suite) {
        // Inside the update the check hands back when rows remain, else cancels it.
        fermer_progression();
        if (vide)
            annuler_mise_a_jour(l);
        else
            suite();
        return;
    }
    if (vide)
        MsgBox(QStringLiteral("Aucun fichier de trouvé !"), boites::Exclamation);
    else
        MsgBox(QStringLiteral("Validation des fichiers terminé avec succés "), boites::Information);
    travail_liste::terminer();
}
}  // namespace

namespace travail_liste {
void verifier_liste(Liste_son& l, std::function<void()> suite) {
    l.volume_nul_signale = Vrai;
    Radio_FM::instance().showNormal();
    l.hide();

    if (l.sauvegarde_refusee()) {
        if (suite) {
            annuler_mise_a_jour(l);
            return;
        }
        fermer_progression();
        montrer_fenetres(l);
        gestionnaire::pointeur_defaut();
        terminer();
        return;
    }
    if (l.ListView1.ListCount() == 1) {
        // A list of one entry is checked as one entry, which may take it out.
        verifier_entree(l, [&l, suite] {
            if (!suite) {
                l.show();
                terminer();
            } else if (l.ListView1.ListCount() == 0) {
                annuler_mise_a_jour(l);
            } else {
                suite();
            }
        });
        return;
    }

    gestionnaire::pointeur_sablier();
    fsauve& progression = fsauve::instance();
    progression.show();
    const int32_t n = l.ListView1.ListCount();
    progression.ProgressBar1.setMax(float(n));
    auto v = std::make_shared<Verification>();
    auto chemins = std::make_shared<QStringList>();
    v->lignes.reserve(size_t(n));
    chemins->reserve(n);
    for (int32_t i = 1; i <= n; ++i) {
        v->lignes.push_back(index_de(l.ListView1, i));
        chemins->append(rt::Trim(l.ListView1.ListItem(i)->text(0)));
    }
    auto dossiers = std::make_shared<Dossiers>();
    Liste_son* liste = &l;
    travail::lancer(
        n,
        [chemins, dossiers, v, liste, n](int i) -> travail::Application {
            Resultat r = constater(chemins->at(i), *dossiers);
            const bool rien = r.constat == Constat::Present || r.constat == Constat::NonTeste;
            if (rien && i % PasProgression != 0 && i != n - 1) return {};
            return [v, liste, i, r] { appliquer(*liste, *v, i, r); };
        },
        [v, liste, suite](bool) { finir(*liste, *v, suite); }, &l);
}

void verifier_entree(Liste_son& l, std::function<void()> suite) {
    gestionnaire::pointeur_sablier();
    Radio_FM& principale = Radio_FM::instance();
    QTreeWidgetItem* item = l.ListView1.SelectedItem();
    if (!item) item = l.ListView1.ListItem(1);
    const QPersistentModelIndex p = index_de(l.ListView1, l.ListView1.Index(item));
    const QString chemin = rt::Trim(item->text(0));
    principale.Text3.setText(chemin);
    const Emplacement e = emplacement(chemin);
    if (e.a_dossier) principale.Text3.setText(e.dossier);
    auto resultat = std::make_shared<Resultat>();
    Liste_son* liste = &l;
    travail::lancer(
        1,
        [chemin, resultat](int) -> travail::Application {
            Dossiers dossiers;
            Resultat r = constater(chemin, dossiers);
            return [resultat, r] { *resultat = r; };
        },
        [liste, p, resultat, suite](bool) {
            Liste_son& l = *liste;
            const Resultat& r = *resultat;
            gestionnaire::pointeur_defaut();
            // The row the answer is for, found again after each box: play may have moved it.
            auto retirer = [&] {
                if (const int32_t ligne = ligne_de(p)) {
                    l.ListView1.RemoveItem(ligne);
                    l.sauve_tout();
                }
            };
            const QString non_trouve = QStringLiteral("Fichier : ") + r.e.nom + QStringLiteral(" Non trouvé ");
            switch (r.constat) {
            case Constat::NonTeste:
                break;
            case Constat::Present:
            case Constat::FichierManquant: {
                ajout_fichier& gestionnaire = ajout_fichier::instance();
                gestionnaire.Dir1.setPath(r.e.dossier);
                gestionnaire.File1.setPath(gestionnaire.Dir1.Path());
                if (r.constat == Constat::Present)
                    MsgBox(QStringLiteral("Fichier : ") + r.e.nom + QStringLiteral(" Ok "), boites::Information);
                else
                    MsgBox(non_trouve, boites::Critique);
                break;
            }
            case Constat::DossierManquant:
                if (const int32_t ligne = ligne_de(p)) l.ListView1.setSelectedItem(l.ListView1.ListItem(ligne));
                MsgBox(QStringLiteral("Dossier : ") + r.e.dossier + QStringLiteral(" Non trouvé ") + Supprime,
                       boites::Critique);
                retirer();
                break;
            case Constat::ErreurFichier:
                if (r.numero != err::PeripheriqueNonDisponible) {
                    MsgBox(non_trouve + Supprime, boites::Critique);
                    retirer();
                    break;
                }
                MsgBox(non_trouve, boites::Critique);
                break;
            case Constat::Autre:
                MsgBox(non_trouve, boites::Critique);
                break;
            }
            if (suite)
                suite();
            else
                travail_liste::terminer();
        },
        &l);
}
}  // namespace travail_liste

void Liste_son::prechar_Click() {
    if (ListView1.ListCount() == 0) return;
    if (travail_liste::refuser_si_occupe()) return;
    travail_liste::commencer(this);
    travail_liste::verifier_liste(*this, nullptr);
}

void Liste_son::prechar_fich_Click() {
    if (ListView1.ListCount() == 0) return;
    if (travail_liste::refuser_si_occupe()) return;
    volume_nul_signale = Vrai;
    if (sauvegarde_refusee()) return;
    travail_liste::commencer(this);
    travail_liste::verifier_entree(*this, nullptr);
}
