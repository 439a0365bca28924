// The file manager's file and folder commands: the two pop-up menus of its lists. Renaming
// and copying open their dialogs; deleting, and the folder commands, act here.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "filemanager/operations.h"
#include "filemanager/progression.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"
#include "windows/renom.h"

using namespace Radio;
using gestionnaire::retour_ligne;
using gestionnaire::saut_paragraphe;

namespace {
const QString TitreSuppression = QStringLiteral(" Suppréssion Fichier ?");

// The files of a list as the run starts: the list is not read again while files go.
QStringList lignes(const FileListBox& liste) {
    QStringList noms;
    for (int i = 0; i < liste.ListCount(); ++i) noms << liste.List(i);
    return noms;
}
}  // namespace

QString ajout_fichier::nouveau_dossier_sauvegarde() {
    // Made by this run, this user's only (mode 700): a folder or link found at a known name
    // could send the copies anywhere.
    QByteArray modele = QFile::encodeName(chemins::joindre(QDir::tempPath(), QStringLiteral("Sonavel_sauvegarde_XXXXXX")));
    if (!::mkdtemp(modele.data()))
        throw Erreur(err::AccesCheminFichier, QStringLiteral("Copie de secours impossible dans ") + QDir::tempPath());
    const QString cree = QFile::decodeName(modele);
    const QString reel = QFileInfo(cree).canonicalFilePath();  // the messages name the real place
    return reel.isEmpty() ? cree : reel;
}

void ajout_fichier::A_menu_Click() {
    A_supprime.setCaption(QStringLiteral("Supprimer le fichier - ") + File1.FileName());
    A_deplace.setCaption(QStringLiteral("Copier le fichier - ") + File1.FileName());
}

void ajout_fichier::A_Rafraichir_Click() {
    try {
        File1.setPath(Dir1.Path());
    } catch (const Erreur&) {
    }
    File1.Refresh();
}

void ajout_fichier::A_Renome_Click() {
    liberer_du_dessus();
    // With nothing selected there is nothing to rename: the dialog does not open.
    const QString nom = File1.FileName();
    if (nom.isEmpty()) return;
    renom& r = renom::instance();
    r.preparer_fichier(nom);
    r.Show(true);
}

void ajout_fichier::A_renommer_bloc_Click() {
    liberer_du_dessus();
    renom& r = renom::instance();
    r.preparer_bloc();
    r.Show();
}

void ajout_fichier::A_deplace_Click() {
    liberer_du_dessus();
    if (File1.FileName().isEmpty()) {
        MsgBox(QStringLiteral("Vous devez sélectionner un fichier"), boites::Critique,
               QStringLiteral("Copie de fichier impossible"));
        return;
    }
    copie& c = copie::instance();
    c.preparer_fichier(File1.FileName());
    c.Show();
}

void ajout_fichier::A_deplace_tout_Click() {
    liberer_du_dessus();
    copie& c = copie::instance();
    c.preparer_tout(Dir1.Path(), Drive1.Drive());
    c.Show();
}

void ajout_fichier::A_supprime_Click() {
    liberer_du_dessus();
    const QString nom = File1.FileName();
    // Nothing selected: nothing to delete, and no question naming no file.
    if (nom.isEmpty()) {
        MsgBox(QStringLiteral("Vous devez sélectionner un fichier"), boites::Critique,
               QStringLiteral(" Suppréssion Fichier impossible "));
        return;
    }
    if (MsgBox(QStringLiteral(" Vous allez supprimer le fichier :  ") + nom + saut_paragraphe +
                   QStringLiteral("Voulez vous continuer ? "),
               boites::OuiNon + boites::Critique + boites::DeuxiemeBouton, TitreSuppression) != boites::Oui)
        return;
    try {
        QDir::setCurrent(Dir1.Path());
        operations::supprimer_fichier(chemins::joindre(Dir1.Path(), nom));
        Dir1.Refresh();
        A_Rafraichir_Click();
        HLBSoftBttn2_Click();
    } catch (const Erreur&) {
        File1.Refresh();
        MsgBox(QStringLiteral("Autorisation de suppréssion refusée") + saut_paragraphe +
                   QStringLiteral("vérifier si le fichier n'est pas caché ou protégé ou en lecture") + retour_ligne +
                   QStringLiteral("Ou bien s'il vient d'ètre supprimé "),
               boites::Critique, QStringLiteral(" Suppréssion Fichier impossible "));
        File1.Refresh();
        HLBSoftBttn2_Click();
    }
}

void ajout_fichier::A_supprime_tout_Click() {
    liberer_du_dessus();
    const QString dossier = Dir1.Path();
    const QString motif = Combo1.Text();
    QString sauvegarde;
    try {
        // Through a link the files are those of another folder: nothing is deleted there.
        if (QFileInfo(dossier).isSymLink())
            throw Erreur(err::AccesCheminFichier, QStringLiteral(" : ce dossier est un lien vers ") +
                                                      QFileInfo(dossier).symLinkTarget());
        QDir::setCurrent(dossier);
        if (File1.ListCount() == 0) {
            MsgBox(retour_ligne + QStringLiteral("Aucun fichier a supprimer"), boites::Exclamation,
                   QStringLiteral("Suppréssion Multiple"));
            Combo1.setText(QStringLiteral("*.*"));
            File1.setPattern(Combo1.Text());
            return;
        }
        if (MsgBox(QStringLiteral("Vous ètes sur le point de SUPPRIMER TOUS les FICHIERS  ") + motif + retour_ligne +
                       QStringLiteral("du dossier : ") + Text1.Text() + saut_paragraphe +
                       QStringLiteral("Voulez vous continuer ? "),
                   boites::OuiNon + boites::Critique + boites::DeuxiemeBouton, TitreSuppression) != boites::Oui)
            return;

        const QStringList noms = lignes(File1);
        const int n = int(noms.size());
        // The backup first: a file that cannot be saved is never deleted.
        sauvegarde = nouveau_dossier_sauvegarde();
        gestionnaire::pointeur_sablier();
        {
            ProgressionFichiers p(n);
            File1.setListIndex(0);
            for (int i = 0; i < n; ++i) {
                p.legende(QStringLiteral("Copie de secours en cours"));
                operations::copier(chemins::joindre(dossier, noms[i]), chemins::joindre(sauvegarde, noms[i]), true);
                if (i == n - 1) break;
                File1.setListIndex(i + 1);
                p.avancer(i + 1);
            }
            ProgressionFichiers::cacher();
        }
        QDir::setCurrent(dossier);
        {
            ProgressionFichiers p(n);
            File1.setListIndex(0);
            for (int i = 0; i < n; ++i) {
                p.legende(QStringLiteral("Suppréssion en cours"));
                operations::supprimer_fichier(chemins::joindre(dossier, noms[i]));
                if (i == n - 1) break;
                File1.setListIndex(i + 1);
                p.avancer(i + 1);
            }
        }
        File1.Refresh();
        graphe_mesure = nullptr;
        position_mesure = nullptr;
        audio_mesure = nullptr;
        ProgressionFichiers::cacher();
        gestionnaire::pointeur_defaut();
        QDir::setCurrent(programme::dossier());
        File1.Refresh();
        MsgBox(QStringLiteral("Suppréssion éffectuée..une copie de secours se trouve ") + sauvegarde,
               boites::Information);
        MsgBox(QStringLiteral("Suppréssion éffectuée...! dans dossier temporaire...") + sauvegarde,
               boites::Information);
    } catch (const Erreur& e) {
        File1.Refresh();
        MsgBox(QStringLiteral("Suppression impossible de certains fichiers") + retour_ligne +
                   QStringLiteral("vérifier les fichiers cachés et protégés ou , actualiser le dossier") +
                   e.description(),
               boites::Critique + boites::DeuxiemeBouton, TitreSuppression);
        gestionnaire::pointeur_defaut();
        ProgressionFichiers::decharger();
    }
}

void ajout_fichier::a_modifie_Click() {
    if (Chemin_editeur_audio == QStringLiteral("X") || Chemin_editeur_audio.isEmpty()) {
        MsgBox(QStringLiteral("Aucun éditeur audio"), boites::Exclamation);
        return;
    }
    try {
        const QString fichier = chemins::joindre(Dir1.Path(), File1.FileName());
        if (!lancement::demarrer(Chemin_editeur_audio, {fichier}))
            throw Erreur(err::FichierIntrouvable,
                         QStringLiteral("Impossible de lancer l'éditeur audio : ") + Chemin_editeur_audio);
        if (Liste_son::existe()) Liste_son::instance().hide();
        if (Radio_FM::existe()) Radio_FM::instance().setWindowState(Qt::WindowMinimized);
        hide();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Information);
    }
}

void ajout_fichier::nom_de_dossier() {
    const QString texte = rt::Trim(Text1.Text());
    nom_dossier = texte.mid(texte.lastIndexOf(QLatin1Char('/')) + 1);
}

void ajout_fichier::A_Creer_un_dossier_Click() {
    liberer_du_dessus();
    const QString nom =
        InputBox(QStringLiteral("Création d'un dossier") + retour_ligne + QStringLiteral("Entrez le nom désiré"),
                 QStringLiteral("Création d'un dossier"), QStringLiteral("Nouveau_dossier"));
    if (nom.isEmpty()) return;
    try {
        const QString dossier = Dir1.Path();
        QDir::setCurrent(dossier);
        if (!operations::nom_valide(nom)) {
            MsgBox(QStringLiteral("Nom de dossier non valide : ") + nom, boites::Exclamation);
            return;
        }
        const QString chemin = chemins::joindre(dossier, nom);
        if (operations::existe(chemin)) {
            MsgBox(nom + QStringLiteral(" existe déja !"), boites::Exclamation);
            return;
        }
        if (!QDir(dossier).mkdir(nom))
            throw Erreur(err::AccesCheminFichier, QStringLiteral("Création du dossier impossible : ") + chemin);
        Dir1.Refresh();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void ajout_fichier::A_renommer_dossier_Click() {
    liberer_du_dessus();
    // The folder shown is renamed, in its parent.
    const QString source = Dir1.Path();
    const QString nom =
        InputBox(QStringLiteral("Renommer un dossier") + retour_ligne + QStringLiteral("Entrez le nom désiré"),
                 QStringLiteral("Renommer un dossier"), chemins::nom_fichier(source));
    if (nom.isEmpty()) return;
    try {
        const QString parent = chemins::dossier(source);
        if (parent.isEmpty() || source == QStringLiteral("/"))
            throw Erreur(err::AccesCheminFichier, QStringLiteral("Ce dossier ne peut pas être renommé : ") + source);
        if (!operations::nom_valide(nom))
            throw Erreur(err::NomFichierIncorrect, QStringLiteral("Nom de dossier non valide : ") + nom);
        const QString destination = chemins::joindre(parent, nom);
        if (destination == source) return;
        operations::renommer(source, destination, false);
        // The process may have stood in the old folder.
        if (QDir::currentPath() == source) QDir::setCurrent(destination);
        Dir1.setPath(destination);
        A_Rafraichir_Click();
        gestionnaire::message(QStringLiteral(" Dossier renommé OK "), boites::Information);
    } catch (const Erreur& e) {
        MsgBox(e.description(), 0);
    }
}

void ajout_fichier::A_Supprimer_un_dossier_Click() {
    liberer_du_dessus();
    if (Text1.Text().isEmpty()) return;
    // One path is checked, emptied and removed: the folder open in the list.
    const QString cible = Dir1.Path();
    const QString titre_erreur = QStringLiteral("Suppréssion dossier  :") + cible + QStringLiteral("  ?");
    try {
        const QString parent = chemins::dossier(cible);
        if (parent.isEmpty() || cible == QStringLiteral("/"))
            throw Erreur(err::AccesCheminFichier, QStringLiteral("Ce dossier ne peut pas être supprimé : ") + cible);
        nom_dossier = chemins::nom_fichier(cible);
        Dir1.setPath(parent);
        QDir::setCurrent(parent);
        if (!QFileInfo(cible).isDir()) {
            gestionnaire::message(QStringLiteral("Le dossier : ") + nom_dossier + QStringLiteral(" n'existe pas !  "),
                                  boites::Critique + boites::DeuxiemeBouton,
                                  QStringLiteral(" Dossier  :") + nom_dossier + QStringLiteral("  ?"));
            return;
        }
        // A folder shown through a link: the link goes, never the files of the folder it names.
        const QFileInfo info(cible);
        const bool lien = info.isSymLink();
        const QStringList fichiers = lien ? QStringList() : operations::tous_les_fichiers(cible);
        if (!fichiers.isEmpty()) {
            const int r = gestionnaire::message(QStringLiteral("Le Dossier  : ") + nom_dossier +
                                                    QStringLiteral(" contient un ou des fichiers") + retour_ligne +
                                                    QStringLiteral("Ce ou ces fichiers vont étre supprimés") +
                                                    saut_paragraphe + QStringLiteral(" Voulez vous continuer ? "),
                                                boites::OuiNon + boites::Critique + boites::DeuxiemeBouton,
                                                QStringLiteral("Suppréssion des fichiers existants"));
            if (r != boites::Oui) return;
            for (const QString& f : fichiers) operations::supprimer_fichier(chemins::joindre(cible, f));
            A_Rafraichir_Click();
        }
        const int r = gestionnaire::message(QStringLiteral("Attention suppréssion dossier") + saut_paragraphe +
                                                QStringLiteral("Suppréssion de : ") + cible + retour_ligne +
                                                (lien ? QStringLiteral("(lien vers ") + info.symLinkTarget() +
                                                            QStringLiteral(" : seul le lien est supprimé)") + retour_ligne
                                                      : QString()) +
                                                QStringLiteral("Continuer ?"),
                                            boites::OuiNon + boites::Critique + boites::DeuxiemeBouton,
                                            QStringLiteral("Suppréssion dossier :") + cible + QStringLiteral("  ?"));
        if (r != boites::Oui) return;
        Dir1.setPath(parent);
        QDir::setCurrent(parent);
        if (lien ? !QFile::remove(cible) : !QDir(parent).rmdir(nom_dossier))
            throw Erreur(err::AccesCheminFichier,
                         QStringLiteral("Le dossier n'est pas vide ou est protégé : ") + cible);
        Dir1.Refresh();
        MsgBox(QStringLiteral("Suppréssion éffectuée!"), boites::Information);
        Text1.setText(QString());
        graphe_mesure = nullptr;
        position_mesure = nullptr;
        audio_mesure = nullptr;
        Dir1.Refresh();
        Text1.setEnabled(true);
    } catch (const Erreur& e) {
        gestionnaire::message(QStringLiteral("Suppression suspendu ") + e.description() + retour_ligne +
                                  QStringLiteral("Recommencez SVP"),
                              boites::Critique + boites::DeuxiemeBouton, titre_erreur);
    }
}
