// The disk search: every file under the folder shown that matches the type filter becomes a
// row of the playlist, inserted at the insertion row (so the list shows them in the reverse
// order of the walk). The walk reads folders as the folder and file lists show them, without
// moving the lists; it yields to pending events at each folder, where "Annuler" can stop it.
#include <QApplication>
#include <QDir>
#include <QTreeWidgetItem>
#include <new>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "filemanager/commun.h"
#include "filemanager/operations.h"
#include "platform/boites.h"
#include "platform/chemins.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "playlist/enregistrement_liste.h"
#include "platform/listes_fichiers.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
// The most rows one search inserts: the count is a 16-bit figure.
constexpr int16_t ResultatsMax = 32767;
constexpr int MemoireInsuffisante = 7;
constexpr qint64 PauseMs = 40;

// Rows found and not yet in the playlist, in the order of the walk. They go in together at each
// event pass and at the end: one insertion of many rows, where a row at a time made the view
// move all its rows and lay them out again for each file found.
QList<QTreeWidgetItem*> en_attente;
int profondeur = 0;

void verser() {
    if (en_attente.isEmpty()) return;
    ListView& vue = Liste_son::instance().ListView1;
    QList<QTreeWidgetItem*> lignes;
    lignes.reserve(en_attente.size());
    // Each row went in at the insertion row, above the one before.
    for (auto i = en_attente.crbegin(); i != en_attente.crend(); ++i) lignes << *i;
    en_attente.clear();
    const int ligne = ligne_insertion;
    if (ligne < 0 || ligne > vue.ListCount() + 1) {
        qDeleteAll(lignes);
        MsgBox(Erreur(35600, QStringLiteral("Index hors limites")).description(), 0);
        return;
    }
    if (ligne == 0)
        vue.addTopLevelItems(lignes);
    else
        vue.insertTopLevelItems(ligne - 1, lignes);
}
}  // namespace

void ajout_fichier::lance_recherche() {
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
    // A press while a walk runs (from its event pass) starts nothing.
    if (m_recherche_en_cours) return;
    struct Garde {
        bool& b;
        ~Garde() { b = false; }
    } garde{m_recherche_en_cours};
    m_recherche_en_cours = true;

    File1.hide();
    Dir1.hide();
    Label6.setCaption(QStringLiteral("Annuler"));
    File1.setPattern(Combo1.Text());
    // A refusal left by an earlier selection must not hide every match.
    fichier_illisible = Faux;
    m_liste_pleine = false;
    m_derniere_pause.invalidate();
    QString depart = Dir1.Path();
    recherche_fichiers(depart, int16_t(qMin(Dir1.ListCount(), 32767)), QString());

    File1.setPath(Dir1.Path());
    Label7.setCaption(QStringLiteral("Réinitialiser"));
    nb_fichiers_trouves = 0;
    Label6.setCaption(QStringLiteral("Fermer"));
    Label2.setCaption(QStringLiteral("Recherche terminée"));
    ecrire_reglage_discret(cle::Config, cle::Chemin_dernier_fichier, Chemin_dernier_fichier);
    Liste_son& liste = Liste_son::instance();
    liste.sauve_tout();
    File1.show();
    Dir1.show();
    hide();
    maj_sans_prechargement = Vrai;
    MsgBox(QStringLiteral("Mise a jour de la liste ! Patientez SVP !"), boites::Information);
    liste.a_mettre_a_jour_liste_Click();
}

bool ajout_fichier::recherche_fichiers(QString& chemin, int16_t nb_dossiers, const QString& retour) {
    Q_UNUSED(retour);  // the lists are not moved by the walk: nothing to go back to
    struct Niveau {
        Niveau() { ++profondeur; }
        ~Niveau() {
            if (--profondeur == 0) verser();
        }
    } niveau;
    recherche_active = Vrai;
    // Pending events run at the first folder and then every few hundredths of a second: at
    // each of thousands of folders, a shown playlist would lay out all its rows every time.
    if (!m_derniere_pause.isValid() || m_derniere_pause.elapsed() >= PauseMs) {
        verser();
        QApplication::processEvents();
        m_derniere_pause.start();
    }
    if (recherche_active == Faux) return true;
    try {
        // An unreadable folder is reported once, here, and its level skipped.
        if (!operations::dossier_lisible(chemin))
            throw Erreur(err::PermissionRefusee,
                         Erreur::description_standard(err::PermissionRefusee) + QStringLiteral(" : ") + chemin);
        // Links to folders are not followed: a link back up would never end.
        const QStringList sous = listes_fichiers::sous_dossiers(chemin, false);
        for (int k = int(sous.size()); k >= 1 && recherche_active == Vrai; --k) {
            QString suivant = chemins::joindre(chemin, sous[k - 1]);
            if (recherche_fichiers(suivant, nb_dossiers, chemin)) return false;
        }
        const QStringList noms = listes_fichiers::fichiers(chemin, File1.Pattern());
        if (noms.isEmpty()) return false;
        const QString prefixe = chemins::avec_separateur(chemin);
        const QString genre = Combo2.Text();
        const int16_t avant = nb_fichiers_trouves;
        struct Compte {
            ajout_fichier& a;
            int16_t avant;
            ~Compte() {
                if (nb_fichiers_trouves != avant)
                    a.Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) : ") +
                                        QString::number(nb_fichiers_trouves));
            }
        } compte{*this, avant};
        for (const QString& nom : noms) {
            if (ligne_insertion == 0) ligne_insertion = 1;
            if (fichier_illisible != Faux || m_liste_pleine) continue;
            // A path cut to its field would name another file: such a file is not listed.
            if (!champ::tient(prefixe + nom, enreg_liste::LargeurChemin)) continue;
            if (nb_fichiers_trouves >= ResultatsMax) throw Erreur(MemoireInsuffisante);
            ++nb_fichiers_trouves;
            en_attente << new QTreeWidgetItem(QStringList{prefixe + nom, QStringLiteral("0.10"), QStringLiteral("0"),
                                                          genre, QStringLiteral("100"), QStringLiteral("X")});
        }
        return false;
    } catch (const std::bad_alloc&) {
    } catch (const Erreur& e) {
        if (e.numero() != MemoireInsuffisante) {
            verser();
            MsgBox(e.description(), 0);
            return false;
        }
    }
    // The list can take no more: the whole search ends here, the levels above insert nothing.
    verser();
    recherche_active = Faux;
    m_liste_pleine = true;
    MsgBox(QStringLiteral("La zone de liste est remplie. Recherche abandonnée..."), 0);
    return true;
}
