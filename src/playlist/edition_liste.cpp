// List editing from the playlist window: the add commands, copy, cut and paste of one entry,
// the insertion mode, delete, the row move, the drops from the file manager and from the
// desktop, and the sort. Every edit ends with the whole list rewritten (sauve_tout); the
// view's tracker (Liste_son::suivi) keeps list play's row numbers on their entries.
#include <QDir>
#include <algorithm>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "playlist/sablier.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
const QString CR = QStringLiteral("\r");

// The cells of a row for an entry in hand (texts already trimmed), with one cell replaced.
QStringList cellules_avec(const TypeEnregListe& e, int colonne = -1, const QString& texte = QString()) {
    QStringList c = fichier_liste::cellules(e);
    if (colonne >= 0) c[colonne] = texte;
    return c;
}

QTreeWidgetItem* inserer(ListView& vue, int32_t r, const QStringList& cellules) {
    QTreeWidgetItem* ligne = vue.AddItem(cellules.value(0), r);
    for (int i = 1; i < cellules.size(); ++i) ligne->setText(i, cellules[i]);
    return ligne;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// Add commands: the file manager opens in an add mode; its action label adds the files.

namespace {
// The folder step of the add commands: the file manager browses `dossier`. A folder that
// cannot be reached throws.
void ouvrir_dossier(const QString& dossier) {
    const QString d = rt::Trim(dossier);
    if (!QDir(d).exists()) throw Erreur(err::CheminIntrouvable);
    QDir::setCurrent(d);
    ajout_fichier& a = ajout_fichier::instance();
    a.Dir1.setPath(d);
    a.Drive1.setDrive(d);
    a.File1.setPath(d);
}

// The setting of a folder that failed goes back to the program folder.
void dossier_par_defaut(QString& variable, const char* nom_cle, bool rogner) {
    QString d = dossier_programme();
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    variable = rogner ? rt::Trim(d) : d;
    ecrire_reglage_discret(cle::Config, nom_cle, variable);
}

void mode_ajout(const QString& texte, bool menu) {
    ajout_fichier& a = ajout_fichier::instance();
    a.Label7.setCaption(texte);
    a.Label7.setEnabled(true);
    a.Label8.setEnabled(true);
    if (menu) a.A_jouter.setEnabled(true);
}
}  // namespace

namespace {
// A file or a folder from the music folder.
void ajouter_de_la_musique(const QString& mode) {
    try {
        if (!Chemin_dernier_fichier.isEmpty()) ouvrir_dossier(Chemin_dernier_fichier);
        mode_ajout(mode, true);
        ajout_fichier::instance().Show();
    } catch (const Erreur&) {
        dossier_par_defaut(Chemin_dernier_fichier, cle::Chemin_dernier_fichier, false);
    }
}
}  // namespace

void Liste_son::ajout_fich_Click() { ajouter_de_la_musique(QStringLiteral("Ajouter un fichier")); }
void Liste_son::ajout_fichs_Click() { ajouter_de_la_musique(QStringLiteral("Ajouter un dossier")); }

void Liste_son::ajout_jingl_Click() {
    try {
        mode_ajout(QStringLiteral("Ajouter un jingles"), false);
        ouvrir_dossier(Chemin_dossier_jingles);
        ajout_fichier::instance().A_jouter.setEnabled(true);
        ajout_fichier::instance().Show();
    } catch (const Erreur&) {
        dossier_par_defaut(Chemin_dossier_jingles, cle::Chemin_dossier_jingles, true);
    }
}

// The desktop's file manager opens on the music folder; files dragged from it into the list
// are taken without the existence check.
void Liste_son::ajout_fich_reseau_Click() {
    Sablier sablier(*this);
    if (lancement::ouvrir(Chemin_dernier_fichier)) {
        ajout_sans_controle = Vrai;
        return;
    }
    ajout_sans_controle = Faux;
    MsgBox(Chemin_dernier_fichier + QStringLiteral(" : Introuvable ..."), boites::Exclamation);
}

// ---------------------------------------------------------------------------------------------
// Copy, cut, paste, delete

void Liste_son::copier__Click() {
    if (sauvegarde_refusee()) return;
    QTreeWidgetItem* choisie = ListView1.SelectedItem();
    if (!choisie) return;
    num_enreg_destinataire = ListView1.Index(choisie);
    lire_enreg_destinataire();
    coller_.setEnabled(true);
}

void Liste_son::Couper__Click() {
    if (sauvegarde_refusee()) return;
    QTreeWidgetItem* choisie = ListView1.SelectedItem();
    if (!choisie) return;
    const int32_t r = ListView1.Index(choisie);
    ligne_cible_insertion = r;
    num_enreg_destinataire = r;
    lire_enreg_destinataire();
    delete choisie;
    sauve_tout();
    if (ListView1.ListCount() == 0)
        Option1_Click();
    else
        coller_.setEnabled(true);
}

void Liste_son::coller__Click() {
    if (sauvegarde_refusee()) return;
    try {
        QTreeWidgetItem* choisie = ListView1.SelectedItem();
        if (!choisie) throw Erreur(91, QStringLiteral("Aucune ligne sélectionnée"));
        ligne_insertion = ListView1.Index(choisie) + 1;
        // The held volume is a level: the pasted row plays at full volume.
        inserer(ListView1, ligne_insertion, cellules_avec(enreg_destinataire, 4, QStringLiteral("100")));
        sauve_tout();
    } catch (const Erreur& e) {
        MsgBox(QStringLiteral("Impossible de coller !  ") + e.description(), 0);
    }
}

void Liste_son::inser_avant_Click() {
    inser_avant.setChecked(true);
    inser_apres.setChecked(false);
    inser_fin.setChecked(false);
    mode_insertion = 1;
}

void Liste_son::inser_apres_Click() {
    inser_avant.setChecked(false);
    inser_apres.setChecked(true);
    inser_fin.setChecked(false);
    mode_insertion = 2;
}

void Liste_son::inser_fin_Click() {
    inser_avant.setChecked(false);
    inser_apres.setChecked(false);
    inser_fin.setChecked(true);
    mode_insertion = 3;
}

void Liste_son::supprime_Click() {
    const auto compter = [this] {
        Label1.setCaption(QStringLiteral("Nb de morceaux : ") + QString::number(ListView1.ListCount()));
    };
    if (ListView1.ListCount() == 0) {
        Option1_Click();
        return;
    }
    QTreeWidgetItem* choisie = ListView1.SelectedItem();
    if (!choisie) {
        compter();
        return;
    }
    const int32_t r = ListView1.Index(choisie);
    ligne_cible_insertion = r;
    delete choisie;  // the row, never the file
    // Under the do-not-save option the row leaves the view only; the file stays.
    if (!a_Ne_pas_Sauve.Checked()) sauve_tout();
    compter();
    if (ListView1.ListCount() == 0) Option1_Click();
}

// ---------------------------------------------------------------------------------------------
// Drops

int32_t Liste_son::ligne_de_depot() {
    const int32_t n = ListView1.ListCount();
    if (n == 0) {
        ligne_cible_insertion = 1;
        return 1;
    }
    switch (mode_insertion) {
    case 1: return ligne_insertion == 0 ? 1 : ligne_insertion;
    case 3: return n + 1;
    default: return std::min(ligne_insertion, n) + 1;
    }
}

int32_t Liste_son::inserer_au_point(const QVector<QStringList>& lignes) {
    const int32_t r = ligne_de_depot();
    ligne_insertion = r;
    int32_t k = 0;
    for (const QStringList& l : lignes) {
        inserer(ListView1, r, l);
        ++k;
    }
    return r;
}

void Liste_son::ListView1_DragDrop(float X, float Y) {
    try {
        if (!liste_au_format_dfm()) return;
        if (enreg_dragdrop.chemin.isEmpty() || glisser_deplacer_actif == Faux) return;
        // The drop row is highlighted no longer.
        const auto sans_surbrillance = [this] {
            for (QTreeWidgetItem* s : ListView1.selectedItems())
                if (s != ListView1.SelectedItem()) s->setSelected(false);
        };
        if (glisser_fichier_en_cours == Vrai) {
            inserer_au_point({cellules_avec(enreg_dragdrop, 1, QStringLiteral("0.10"))});
            sans_surbrillance();
            glisser_fichier_en_cours = Faux;
            enreg_dragdrop.chemin.clear();
            sauve_tout();
            return;
        }
        QTreeWidgetItem* cible = ListView1.itemAt(QPoint(int(X), int(Y)));
        const QPersistentModelIndex glissee_index = m_ligne_glissee;
        fin_glisse();
        // No row under the drop, or the dragged row left the list while it was dragged.
        if (!cible || !glissee_index.isValid()) {
            glisser_liste_en_cours = Faux;
            return;
        }
        const int32_t d = ListView1.Index(cible);
        const int32_t s0 = glissee_index.row() + 1;
        num_enreg_depot = d;
        if (d == s0) {
            cible->setSelected(false);
            return;
        }
        // The row itself moves (its cells as they are): list play's numbers that named it
        // follow it. It lands before the drop row, or in its place when it came from above.
        QTreeWidgetItem* glissee = ListView1.topLevelItem(glissee_index.row());
        const int32_t arrivee = d <= s0 ? d : d - 1;
        suivi.deplacer(glissee, arrivee - 1);
        num_enreg_survol = arrivee;
        sans_surbrillance();
        // The moved entry stays the one in hand.
        ListView1.setSelectedItem(glissee);
        sauve_tout();
        glisser_liste_en_cours = Faux;
        num_enreg_depot = 0;
        num_enreg_survol = 0;
        enreg_dragdrop.chemin.clear();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}

void Liste_son::ListView1_OLEDragDrop(const QStringList& fichiers) {
    Sablier sablier(*this);
    try {
        ajout_sans_controle = Vrai;
        element_courant = nullptr;
        if (glisser_deplacer_actif == Faux) return;
        // Every file at the same row, so they end up in the reverse of the drop's order; the
        // end and duration are provisional until the information update below.
        QVector<QStringList> lignes;
        for (const QString& f : fichiers)
            if (fichier_liste::chemin_accepte(f))
                lignes.append({f, QStringLiteral("0.10"), cellules_avec(enreg_destinataire)[2], enreg_destinataire.genre,
                           QStringLiteral("100"), rt::Trim(enreg_destinataire.duree_piste)});
        if (!lignes.isEmpty()) fichier_depose = Vrai;
        inserer_au_point(lignes);
        sauve_tout();
        maj_sans_prechargement = Vrai;
        if (lignes.size() < 2)
            a_mettre_a_jour_Click();
        else
            a_mettre_a_jour_liste_Click();
        fichier_depose = Faux;
        Radio_FM& f = Radio_FM::instance();
        f.Timer1.setEnabled(true);
        f.Timer4.setEnabled(true);
    } catch (const Erreur& e) {
        fichier_depose = Faux;
        MsgBox(QStringLiteral("Sélectionner un emplacement !") + e.description(), boites::Exclamation);
    }
}

// ---------------------------------------------------------------------------------------------
// Sort: by path, the direction alternating on every confirmed sort.

void Liste_son::ListView1_ColumnClick(int) {
    Sablier sablier(*this);
    try {
        glisser_liste_en_cours = Faux;
        if (ListView1.ListCount() == 0) return;
        const QString question = QStringLiteral("Vous allez modifier l'ordre de lecture de la liste ..") + CR +
                                 QStringLiteral("il est possible de la sauvegarder au paravent!") + CR +
                                 QStringLiteral("Continuer le trie ?");
        if (MsgBox(question, 292, programme::nom()) != boites::Oui) return;
        ListView1.sortItems(0, ordre_tri == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
        sauve_tout();
        ordre_tri = 1 - ordre_tri;
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}
