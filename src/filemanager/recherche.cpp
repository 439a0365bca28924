// The disk search: every file under the folder shown that matches the type filter becomes a
// row of the playlist, inserted at the insertion row (so the list shows them in the reverse
// order of the walk). The walk reads folders as the folder and file lists show them, without
// moving the lists; it yields to pending events at each folder, where "Annuler" can stop it.
#include <QApplication>
#include <QDir>
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
    ecrire_reglage(cle::Config, cle::Chemin_dernier_fichier, Chemin_dernier_fichier);
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
    recherche_active = Vrai;
    // Pending events run at the first folder and then every few hundredths of a second: at
    // each of thousands of folders, a shown playlist would lay out all its rows every time.
    if (!m_derniere_pause.isValid() || m_derniere_pause.elapsed() >= PauseMs) {
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
        ListView& vue = Liste_son::instance().ListView1;
        const QString prefixe = chemins::avec_separateur(chemin);
        for (const QString& nom : noms) {
            if (ligne_insertion == 0) ligne_insertion = 1;
            if (fichier_illisible != Faux || m_liste_pleine) continue;
            // A path cut to its field would name another file: such a file is not listed.
            if (!champ::tient(prefixe + nom, enreg_liste::LargeurChemin)) continue;
            if (nb_fichiers_trouves >= ResultatsMax) throw Erreur(MemoireInsuffisante);
            ++nb_fichiers_trouves;
            QTreeWidgetItem* ligne = vue.AddItem(prefixe + nom, ligne_insertion);
            const QString sous_elements[] = {QStringLiteral("0.10"), QStringLiteral("0"), Combo2.Text(),
                                             QStringLiteral("100"), QStringLiteral("X")};
            for (int i = 1; i <= 5; ++i) ListView::setSubItem(ligne, i, sous_elements[i - 1]);
            Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) : ") + QString::number(nb_fichiers_trouves));
        }
        return false;
    } catch (const std::bad_alloc&) {
    } catch (const Erreur& e) {
        if (e.numero() != MemoireInsuffisante) {
            MsgBox(e.description(), 0);
            return false;
        }
    }
    // The list can take no more: the whole search ends here, the levels above insert nothing.
    recherche_active = Faux;
    m_liste_pleine = true;
    MsgBox(QStringLiteral("La zone de liste est remplie. Recherche abandonnée..."), 0);
    return true;
}
