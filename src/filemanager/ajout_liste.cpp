// The file manager's add commands: the selected file, a jingle or a whole folder become rows
// of the playlist, which then saves its list.
#include <QDir>
#include <QPointer>
#include <QTreeWidgetItem>
#include <memory>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
// The folder of the files added becomes current and, for the settings, the music or jingle
// folder.
QString aller_au_dossier(const ajout_fichier& a) {
    const QString dossier = a.dossier_courant();
    if (!QDir::setCurrent(dossier)) throw Erreur(err::CheminIntrouvable);
    return dossier;
}
}  // namespace

// Every file listed now (of the type chosen) is measured on a worker and appended as it comes,
// each row whole, so list play can take it at once; a file the media layer refuses is left
// out, the last one too. The files and their folder are taken here: what points the lists
// elsewhere meanwhile changes nothing. The list is saved once, at the end.
void ajout_fichier::ajouter_dossier() {
    QStringList noms;
    for (int i = 0; i < File1.ListCount(); ++i) noms << File1.List(i);
    const int n = int(noms.size());
    // An empty folder adds nothing and saves nothing.
    if (n == 0) return;
    const QString dossier = aller_au_dossier(*this);
    Chemin_dernier_fichier = dossier;
    gestionnaire::pointeur_sablier();
    File1.hide();
    Dir1.hide();

    struct Etat {
        QStringList refuses, trop_longs;
        QString erreur;
    };
    auto etat = std::make_shared<Etat>();
    QPointer<ajout_fichier> moi(this);
    QPointer<Liste_son> liste(&Liste_son::instance());
    m_travail = travail::lancer(
        n,
        [=](int i) -> travail::Application {
            const QString chemin = dossier + noms[i];
            // A path cut to its field would name another file: never added.
            const bool tient = champ::tient(chemin, enreg_liste::LargeurChemin);
            const Mesure m = tient ? mesurer(chemin) : Mesure();
            return [=] {
                if (moi)
                    moi->Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) : (") + QString::number(n) +
                                           QStringLiteral(") : ") + QString::number(i + 1));
                if (!tient) {
                    etat->trop_longs << chemin;
                    return;
                }
                if (!m.ok) {
                    etat->refuses << noms[i] + QStringLiteral(" : ") + m.erreur;
                    return;
                }
                if (!liste) return;
                gestionnaire::appliquer(etat->erreur, [&] {
                    // Complete as it appears: the genre a save would give an untagged file.
                    const QStringList cellules{chemin,
                                               QStringLiteral("0.10"),
                                               rt::format_nombre(m.duree),
                                               m.genre.isEmpty() ? QStringLiteral("divers") : m.genre,
                                               QStringLiteral("100"),
                                               gestionnaire::texte_duree(rt::CLng(m.duree))};
                    gestionnaire::inserer_lignes(liste->ListView1, {new QTreeWidgetItem(cellules)}, 0);
                });
            };
        },
        [=](bool) {
            gestionnaire::pointeur_defaut();
            if (moi) {
                moi->File1.show();
                moi->Dir1.show();
            }
            // The rows in the view are the list: the file holds them too, whatever ended the work.
            ecrire_reglage_discret(cle::Config, cle::Chemin_dernier_fichier, dossier);
            if (liste) liste->sauve_tout();
            if (!etat->trop_longs.isEmpty())
                MsgBox(gestionnaire::texte_omis(QStringLiteral("Chemin trop long pour une liste (") +
                                                    QString::number(enreg_liste::LargeurChemin) +
                                                    QStringLiteral(" octets au plus), fichier non ajouté :"),
                                                etat->trop_longs),
                       boites::Exclamation);
            if (!etat->refuses.isEmpty())
                MsgBox(gestionnaire::texte_omis(QStringLiteral("Fichier(s) non ajoutés (lecture impossible) : ") +
                                                    QString::number(etat->refuses.size()),
                                                etat->refuses),
                       boites::Exclamation);
            if (!etat->erreur.isEmpty())
                MsgBox(QStringLiteral(" Impossible sélectionner un emplacement !") + gestionnaire::saut_paragraphe +
                           etat->erreur,
                       boites::Critique);
        });
}

// A row for the file just selected (its measure is in enreg_dragdrop and the duration texts).
void ajout_fichier::ajouter_ligne(int position, bool jingle) {
    ListView& vue = Liste_son::instance().ListView1;
    const QString chemin = dossier_courant() + File1.FileName();
    if (!fichier_liste::chemin_accepte(chemin)) return;
    QTreeWidgetItem* ligne = vue.AddItem(chemin, position);
    const QString sous[] = {
        jingle ? QStringLiteral("0") : QStringLiteral("0.10"),
        jingle ? QString::number(duree_secondes_fichier) : rt::format_nombre(rt::CDbl(enreg_dragdrop.fin_lecture)),
        Combo2.Text(), QStringLiteral("100"), duree_texte};
    for (int i = 1; i <= 5; ++i) ListView::setSubItem(ligne, i, sous[i - 1]);
}

void ajout_fichier::Label7_Click() {
    // One long work at a time: a press while a folder is added or searched starts nothing.
    if (occupe()) return;
    Liste_son& liste = Liste_son::instance();
    ListView& vue = liste.ListView1;
    try {
        if (ligne_insertion == 0) ligne_insertion = 1;
        if (Combo1.Text() == QStringLiteral("*.*")) {
            MsgBox(QStringLiteral("Sélectionnez un type de fichier!"), boites::Information);
            return;
        }
        duree_fichier = 0;
        if (chemin_liste.isEmpty()) chemin_liste = QStringLiteral("liste.dfm");
        if (vue.ListCount() == 0) {
            ligne_cible_insertion = 1;
            ligne_insertion = 1;
        }
        if (liste.inser_fin.Checked()) {
            ligne_cible_insertion = vue.ListCount() + 1;
            ligne_insertion = vue.ListCount() + 1;
        }
        // An insertion row left past the end by an earlier list goes at the end.
        if (ligne_insertion > vue.ListCount() + 1) ligne_insertion = vue.ListCount() + 1;

        const QString action = Label7.Caption();
        if (action == QStringLiteral("Réinitialiser")) {
            lance_recherche();
        } else if (action == QStringLiteral("Rechercher")) {
            // The first press opens the highlighted folder, the next one searches it.
            const QString choisi = Dir1.List(Dir1.ListIndex());
            if (choisi != Dir1.Path())
                Dir1.setPath(choisi);
            else
                lancer_la_recherche();
        } else if (action == QStringLiteral("Ajouter un dossier")) {
            ajouter_dossier();
        } else {
            const bool jingle = action == QStringLiteral("Ajouter un jingles");
            if (File1.FileName().isEmpty()) return;
            // A file the media layer refused has no measure of its own: never added, jingle or not.
            if (fichier_illisible != Faux) return;
            Controle_existence();
            if (fichier_present == QStringLiteral("oui")) {
                if (!jingle) liberer_du_dessus();
                const int reponse = MsgBox(QStringLiteral("Vous allez ajouter le fichier :  ") + File1.FileName() +
                                               gestionnaire::saut_paragraphe + QStringLiteral("Une nouvelle fois ?"),
                                           boites::OuiNon + boites::Critique + boites::DeuxiemeBouton,
                                           QStringLiteral("Fichier déja présent dans la liste ?"));
                if (reponse != boites::Oui) return;
            }
            const QString dossier = aller_au_dossier(*this);
            if (jingle)
                Chemin_dossier_jingles = dossier;
            else
                Chemin_dernier_fichier = dossier;
            // Where the list's insertion option puts it (after the row in hand by default); the
            // next file goes after this one, so a list built file by file keeps its order.
            ligne_insertion = liste.ligne_de_depot();
            ajouter_ligne(ligne_insertion, jingle);
            vue.update();
            if (jingle)
                ecrire_reglage_discret(cle::Config, cle::Chemin_dossier_jingles, rt::Trim(Chemin_dossier_jingles));
            else
                ecrire_reglage_discret(cle::Config, cle::Chemin_dernier_fichier, Chemin_dernier_fichier);
            liste.sauve_tout();
        }
    } catch (const Erreur& e) {
        gestionnaire::pointeur_defaut();
        File1.show();
        Dir1.show();
        MsgBox(QStringLiteral(" Impossible sélectionner un emplacement !") + gestionnaire::saut_paragraphe +
                   e.description(),
               boites::Critique);
    }
}
