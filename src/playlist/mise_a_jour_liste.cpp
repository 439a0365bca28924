// The information update: each entry's file is measured in a graph that never plays, its tag
// read, and the row takes the file's length as its end point, its genre, volume 100 and its
// duration. A file that cannot be measured leaves its row as it was and is reported. The
// files are measured on a worker, from a list of rows taken at the start; each result is
// applied on the window thread to its row if that row is still in the list.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPersistentModelIndex>
#include <cmath>
#include <memory>
#include <vector>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/mesure.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "playlist/fichier_liste.h"
#include "playlist/travail_liste.h"
#include "tags/TypeTagV1.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;
using travail_liste::index_de;
using travail_liste::ligne_de;

namespace {
// Names of files not updated listed in the closing notice; the rest are counted.
constexpr int NomsEchecsMontres = 10;
// The progress window is brought up to date at most this often: work never waits for a paint.
constexpr int IntervalleProgression_ms = 200;

const QString CR = QStringLiteral("\r");
const QString Paragraphe = QStringLiteral("\n\r\n\r");

struct Mesure {
    bool ok = false;
    double duree = 0;
    int genre = TypeTagV1::SansGenre;
    QString erreur;  // why the file could not be measured
};

// Worker thread: the length and the tag's genre of one file. Nothing of the window here.
Mesure mesurer_fichier(const QString& chemin) {
    Mesure m;
    const mesure::Resultat r = mesure::mesurer(chemin);
    if (!r.ok) {
        m.erreur = r.erreur;
        return m;
    }
    m.ok = true;
    m.duree = r.duree;
    // The tag is read under the name on disk, which may differ in case from the entry's.
    QString disque = chemin;
    if (!QFileInfo::exists(disque)) disque = chemins::chemin_sur_disque(chemin);
    // An untagged file has no genre: the list's default, never the one of the file before.
    if (!disque.isEmpty()) m.genre = TypeTagV1().lire_tag(disque).Genre();
    return m;
}

// The cells of a row after a successful measurement; its text stays as displayed. Past
// 16-bit seconds (over nine hours) the hours take more digits.
void reecrire_ligne(QTreeWidgetItem* ligne, const Mesure& m) {
    const double debut = fichier_liste::entree_de_ligne(ligne).debut_lecture;
    const QString cellules[] = {rt::format_nombre(debut), rt::format_nombre(m.duree),
                                ajout_fichier::nom_genre(int16_t(m.genre)), QStringLiteral("100"),
                                gestionnaire::texte_duree(std::llrint(m.duree))};
    for (int i = 1; i <= 5; ++i) ListView::setSubItem(ligne, i, cellules[i - 1]);
}


// The busy state ends when the scope does, whatever the closing met.
struct FinTravail {
    ~FinTravail() { travail_liste::terminer(); }
};

struct MiseAJour {
    std::vector<QPersistentModelIndex> lignes;
    QElapsedTimer montre;
    QStringList echecs;  // names of the files that could not be measured
    QString erreur;      // what stopped the update, if anything did
};

void appliquer(Liste_son& l, MiseAJour& maj, const QString& chemin, int i, const Mesure& m) {
    const int n = int(maj.lignes.size());
    if (i + 1 == n || !maj.montre.isValid() || maj.montre.elapsed() >= IntervalleProgression_ms) {
        maj.montre.restart();
        // The progress never stops the update.
        try {
            if (fsauve::existe()) {
                fsauve& p = fsauve::instance();
                p.setCaption(QStringLiteral("Traitement en cours ") + QString::number(i + 1) + QStringLiteral(" / ") +
                             QString::number(n));
                p.ProgressBar1.setMax(float(n));
                p.ProgressBar1.setValue(i + 1);
                p.Label1.setCaption(chemins::nom_fichier(chemin));
            }
        } catch (const Erreur&) {
        }
    }
    const int32_t ligne = ligne_de(maj.lignes[size_t(i)]);
    maj.lignes[size_t(i)] = QPersistentModelIndex();
    if (ligne == 0) return;  // taken out meanwhile: skipped
    if (!m.ok) {
        maj.echecs << chemins::nom_fichier(chemin);
        return;
    }
    try {
        reecrire_ligne(l.ListView1.ListItem(ligne), m);
    } catch (const Erreur& e) {
        maj.erreur = e.description();
        throw;
    }
}

// Window thread, once: the state restored, then the boxes.
void finir(Liste_son& l, MiseAJour& maj) {
    FinTravail fin;
    l.sauve_tout();
    if (fsauve::existe()) fsauve::instance().hide();
    gestionnaire::pointeur_defaut();
    Radio_FM& principale = Radio_FM::instance();
    principale.showNormal();
    l.show();
    maj_liste_en_cours = Faux;
    principale.Timer4.setEnabled(true);
    principale.Timer1.setEnabled(true);
    l.Label1.setCaption(QStringLiteral("Nb de morceaux : ") + QString::number(l.ListView1.ListCount()) +
                        QStringLiteral(" (") + QString::number(maj.lignes.size()) + QStringLiteral(")"));

    if (!maj.erreur.isEmpty())
        MsgBox(QStringLiteral("Impossible de mettre a jour.  ") + maj.erreur, boites::Exclamation);
    if (!maj.echecs.isEmpty()) {
        QString texte = QStringLiteral("Fichier(s) non mis a jour (lecture impossible) : ") +
                        QString::number(maj.echecs.size()) + Paragraphe +
                        QStringList(maj.echecs.mid(0, NomsEchecsMontres)).join(CR);
        if (maj.echecs.size() > NomsEchecsMontres) texte += CR + QStringLiteral("...");
        MsgBox(texte, boites::Exclamation);
    }
    if (MsgBox(QStringLiteral("Sauvegarder la liste ?"), boites::OuiNon + boites::Question + boites::DeuxiemeBouton,
               programme::nom()) == boites::Oui) {
        l.CommonDialog1.FileName = l.chemin_liste_ouverte;
        l.Label8_Click();
    }
    gestionnaire::pointeur_defaut();
}

// The whole-list update proper, after the check (or without it).
void mettre_a_jour_liste(Liste_son& l) {
    const int32_t n = l.ListView1.ListCount();
    fsauve& progression = fsauve::instance();
    progression.show();
    progression.Label1.setCaption(QStringLiteral("Traitement en cours ......Patientez !"));
    progression.ProgressBar1.setMax(float(n));
    progression.ProgressBar1.setValue(0);
    if (n > 0) l.ListView1.setSelectedItem(l.ListView1.ListItem(1));

    auto maj = std::make_shared<MiseAJour>();
    auto chemins = std::make_shared<QStringList>();
    maj->lignes.reserve(size_t(n));
    for (int32_t i = 1; i <= n; ++i) {
        maj->lignes.push_back(index_de(l.ListView1, i));
        chemins->append(rt::Trim(l.ListView1.ListItem(i)->text(0)));
    }
    Liste_son* liste = &l;
    travail::lancer(
        n,
        [maj, chemins, liste](int i) -> travail::Application {
            const QString chemin = chemins->at(i);
            Mesure m = mesurer_fichier(chemin);
            return [maj, liste, chemin, i, m] { appliquer(*liste, *maj, chemin, i, m); };
        },
        [maj, liste](bool) { finir(*liste, *maj); }, &l);
}
}  // namespace

void Liste_son::a_mettre_a_jour_Click() {
    volume_nul_signale = Vrai;
    if (ListView1.ListCount() == 0) return;
    if (travail_liste::refuser_si_occupe()) return;
    gestionnaire::pointeur_sablier();
    QPersistentModelIndex p;
    QString chemin;
    try {
        // The drop's row or the selected one; the row on air is not this command's business.
        const int32_t index = fichier_depose == Vrai ? ligne_insertion : ListView1.Index(ListView1.SelectedItem());
        fichier_depose = Faux;
        chemin = rt::Trim(ListView1.ListItem(index)->text(0));
        p = index_de(ListView1, index);
    } catch (const Erreur& e) {
        gestionnaire::pointeur_defaut();
        MsgBox(QStringLiteral("Impossible de mettre a jour.  ") + e.description(), boites::Exclamation);
        return;
    }
    travail_liste::commencer(this);
    auto resultat = std::make_shared<Mesure>();
    auto ecrite = std::make_shared<bool>(false);
    Liste_son* liste = this;
    travail::lancer(
        1,
        [chemin, resultat, ecrite, liste, p](int) -> travail::Application {
            Mesure m = mesurer_fichier(chemin);
            return [m, resultat, ecrite, liste, p] {
                *resultat = m;
                const int32_t ligne = ligne_de(p);
                if (!m.ok || ligne == 0) return;
                reecrire_ligne(liste->ListView1.ListItem(ligne), m);
                *ecrite = true;
            };
        },
        [resultat, ecrite, liste](bool) {
            FinTravail fin;
            gestionnaire::pointeur_defaut();
            if (*ecrite) liste->sauve_tout();
            // The row stays as it was and the user is told which file could not be read.
            if (!resultat->ok && !resultat->erreur.isEmpty())
                MsgBox(QStringLiteral("Impossible de mettre a jour.  ") + resultat->erreur, boites::Exclamation);
        },
        this);
}

void Liste_son::a_mettre_a_jour_liste_Click() {
    if (travail_liste::refuser_si_occupe()) return;
    chemin_liste_ouverte = chemins::nom_fichier(nom_fichier_liste);
    volume_nul_signale = Vrai;
    maj_liste_en_cours = Vrai;
    hide();
    if (ListView1.ListCount() == 0) {
        show();
        maj_liste_en_cours = Faux;
        return;
    }
    gestionnaire::pointeur_sablier();
    travail_liste::commencer(this);
    if (maj_sans_prechargement != Vrai)
        travail_liste::verifier_liste(*this, [this] { mettre_a_jour_liste(*this); });
    else
        mettre_a_jour_liste(*this);
}
