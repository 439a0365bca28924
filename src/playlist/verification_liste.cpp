// The file check: the folder and the file of every entry (or of the selected one) must still
// exist. The whole-list check takes out the entries whose file or folder is gone, in passes;
// the one-entry check reports and takes out only an entry whose folder is gone.
#include <QDir>
#include <QFileInfo>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/attente.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;

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
    // The exact name first: a large folder is listed only when the spelling differs.
    if (QFileInfo(dossier + nom).isFile()) return true;
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

const QString CR = QStringLiteral("\r");
const QString Supprime = CR + QStringLiteral("Elément supprimé de la liste") + CR + QStringLiteral("Continuez...");

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
}  // namespace

void Liste_son::prechar_Click() {
    if (ListView1.ListCount() == 0) return;
    volume_nul_signale = Vrai;
    Radio_FM::instance().showNormal();
    hide();

    const bool refusee = sauvegarde_refusee();
    if (!refusee && ListView1.ListCount() == 1) {
        prechar_fich_Click();
        show();
        return;
    }

    if (!refusee) {
        fsauve& progression = fsauve::instance();
        progression.show();
        int32_t ligne = 1;
        bool retrait = false;  // the last pass took out a row
        bool cellules_completees = false;
        bool fini = false;
        while (!fini) {
            gestionnaire::pointeur_sablier();
            if (retrait) {
                // The list file is written once, when the check ends: a write after each removal
                // made a long list cost its rows times its removals. The empty cells still take
                // their defaults at the first removal, the row numbers a save there gave them.
                if (!cellules_completees) fichier_liste::completer_cellules(ListView1);
                cellules_completees = true;
                ligne = qMax(1, ligne - 1);
                retrait = false;
            }
            const int32_t n = ListView1.ListCount();
            if (n == 0) {
                sauve_tout();  // every row was taken out
                break;
            }
            progression.ProgressBar1.setMax(float(n));
            Emplacement e;
            try {
                while (!retrait && !fini) {
                    progression.ProgressBar1.setMax(float(n));
                    progression.repaint();
                    attente::laisser_repondre();
                    QTreeWidgetItem* item = ListView1.ListItem(ligne);
                    ListView1.setSelectedItem(item);
                    num_enreg_destinataire = ligne;
                    e = emplacement(rt::Trim(item->text(0)));
                    if (e.a_dossier) {
                        if (!dossier_existe(e.dossier)) {
                            progression.setCaption(QStringLiteral("Dossier manquant : ") + e.dossier +
                                                   QStringLiteral(" - ") + QString::number(n));
                            ListView1.RemoveItem(ligne);
                            retrait = true;
                            break;
                        }
                        QDir::setCurrent(e.dossier);
                        if (!fichier_present(e.dossier, e.nom)) {
                            progression.setCaption(QStringLiteral("fichier manquant : ") + e.nom +
                                                   QStringLiteral(" - ") + QString::number(n));
                            ListView1.RemoveItem(ligne);
                            retrait = true;
                            break;
                        }
                        progression.setCaption(QStringLiteral("fichier Ok : ") + QString::number(n));
                    }
                    progression.Label1.setCaption(e.nom);
                    if (++ligne > n) {
                        ligne = 1;
                        gestionnaire::pointeur_defaut();
                        sauve_tout();
                        fini = true;
                    } else {
                        progression.ProgressBar1.setValue(ligne);
                    }
                }
            } catch (const Erreur& x) {
                if (erreur_de_fichier(x.numero())) {
                    if (ligne <= ListView1.ListCount()) ListView1.setSelectedItem(ListView1.ListItem(ligne));
                    MsgBox(QStringLiteral("Fichier ou dossier: ") + e.dossier + QStringLiteral(" ") + e.nom +
                               QStringLiteral(" Non trouvé ") + Supprime,
                           boites::Critique);
                    if (ligne <= ListView1.ListCount()) ListView1.RemoveItem(ligne);
                    unsetCursor();
                    sauve_tout();
                    if (ListView1.ListCount() > 0) {
                        ligne = 1;
                        continue;
                    }
                    fermer_progression();
                    montrer_fenetres(*this);
                    gestionnaire::pointeur_defaut();
                    if (maj_liste_en_cours == Vrai) maj_liste_en_cours = Faux;
                    MsgBox(x.description(), boites::Critique);
                    return;
                }
                // Anything else ends the check with the windows as a user left them.
                fermer_progression();
                montrer_fenetres(*this);
                gestionnaire::pointeur_defaut();
                if (x.numero() == err::ValeurPropriete) {
                    MsgBox(QStringLiteral("Aucun fichier de valide !"), boites::Information);
                } else {
                    MsgBox(x.description() + QStringLiteral(" err N° ") + QString::number(x.numero()),
                           boites::Critique);
                }
                if (maj_liste_en_cours == Vrai) maj_liste_en_cours = Faux;
                return;
            }
        }
    }

    // Closing: inside the update the check hands back when rows remain, else cancels it.
    const bool vide = refusee || ListView1.ListCount() == 0;
    if (maj_liste_en_cours == Vrai) {
        fermer_progression();
        if (vide) {
            montrer_fenetres(*this);
            gestionnaire::pointeur_defaut();
            MsgBox(QStringLiteral("Mise a jour annulé/ aucun fichier de trouvé"), boites::Information);
            maj_liste_en_cours = Faux;
        }
        return;
    }
    if (fsauve::existe()) fsauve::instance().ProgressBar1.setValue(0);
    fermer_progression();
    montrer_fenetres(*this);
    gestionnaire::pointeur_defaut();
    if (refusee) return;
    if (ListView1.ListCount() == 0)
        MsgBox(QStringLiteral("Aucun fichier de trouvé !"), boites::Exclamation);
    else
        MsgBox(QStringLiteral("Validation des fichiers terminé avec succés "), boites::Information);
}

void Liste_son::prechar_fich_Click() {
    if (ListView1.ListCount() == 0) return;
    volume_nul_signale = Vrai;
    if (sauvegarde_refusee()) return;
    gestionnaire::pointeur_sablier();
    Radio_FM& principale = Radio_FM::instance();
    Emplacement e;
    try {
        QTreeWidgetItem* item = ListView1.SelectedItem();
        if (!item) item = ListView1.ListItem(1);
        num_enreg_destinataire = ListView1.Index(item);
        principale.Text3.setText(rt::Trim(item->text(0)));
        e = emplacement(principale.Text3.Text());
        if (e.a_dossier) {
            principale.Text3.setText(e.dossier);
            if (dossier_existe(e.dossier)) {
                ajout_fichier& gestionnaire = ajout_fichier::instance();
                gestionnaire.Dir1.setPath(e.dossier);
                gestionnaire.File1.setPath(gestionnaire.Dir1.Path());
                QDir::setCurrent(e.dossier);
                if (fichier_present(e.dossier, e.nom))
                    MsgBox(QStringLiteral("Fichier : ") + e.nom + QStringLiteral(" Ok "), boites::Information);
                else
                    MsgBox(QStringLiteral("Fichier : ") + e.nom + QStringLiteral(" Non trouvé "), boites::Critique);
            } else {
                ListView1.setSelectedItem(item);
                MsgBox(QStringLiteral("Dossier : ") + e.dossier + QStringLiteral(" Non trouvé ") + Supprime,
                       boites::Critique);
                delete item;
                sauve_tout();
            }
        }
    } catch (const Erreur& x) {
        const QString texte = QStringLiteral("Fichier : ") + e.nom + QStringLiteral(" Non trouvé ");
        if (erreur_de_fichier(x.numero()) && x.numero() != err::PeripheriqueNonDisponible) {
            MsgBox(texte + Supprime, boites::Critique);
            delete ListView1.SelectedItem();
            gestionnaire::pointeur_defaut();
            sauve_tout();
        } else {
            MsgBox(texte, boites::Critique);
        }
    }
    gestionnaire::pointeur_defaut();
}
