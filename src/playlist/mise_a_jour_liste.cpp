// The information update: each entry's file is measured in a graph that never plays, its tag
// read, and the row takes the file's length as its end point, its genre, volume 100 and its
// duration. A file that cannot be measured leaves its row as it was and is reported.
#include <cmath>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/attente.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;

namespace {
// Names of files not updated listed in the closing notice; the rest are counted.
constexpr int NomsEchecsMontres = 10;

const QString CR = QStringLiteral("\r");
const QString Paragraphe = QStringLiteral("\n\r\n\r");

// The cells of a row after a successful measurement; its text stays as displayed.
void reecrire_ligne(QTreeWidgetItem* ligne) {
    const double debut = fichier_liste::entree_de_ligne(ligne).debut_lecture;
    const QString cellules[] = {rt::format_nombre(debut), rt::format_nombre(duree_fichier), genre_fichier,
                                QStringLiteral("100"), duree_texte};
    for (int i = 1; i <= 5; ++i) ListView::setSubItem(ligne, i, cellules[i - 1]);
}
}  // namespace

void Liste_son::met_ajour() {
    erreur_maj.clear();
    try {
        graphe_maj = FilgraphManager::creer();
        position_maj = graphe_maj;
        audio_maj = graphe_maj;
        IMediaControl(graphe_maj).RenderFile(chemin_fichier_maj);
        // A count that reads on, however slowly, is waited for, the windows answering
        // meanwhile; only one that stalled makes the file unreadable. The load itself has the
        // media layer's own limit.
        if (!position_maj.AttendreDuree(GrapheFiltres::DelaiComptageBloque_ms))
            throw Erreur(err::RenduImpossible, QStringLiteral("Durée du fichier introuvable : ") + chemin_fichier_maj);
        const double duree = position_maj.Duration();
        if (!(duree > 0))
            throw Erreur(err::RenduImpossible, QStringLiteral("Durée du fichier introuvable : ") + chemin_fichier_maj);
        duree_fichier = duree;
        try {
            Radio_FM::instance().format_heure();
        } catch (const Erreur& e) {
            // Past 16-bit seconds (over nine hours) the hours take more digits.
            if (e.numero() != err::Depassement) throw;
            duree_texte = gestionnaire::texte_duree(std::llrint(duree));
        }
        // An untagged file has no genre: never the one of the file measured before.
        genre_fichier.clear();
        ajout_fichier::instance().loadtags(chemin_fichier_maj);
    } catch (const Erreur& e) {
        maj_fichier_echec = Vrai;
        erreur_maj = e.description();
    }
    graphe_maj = nullptr;
    position_maj = nullptr;
    audio_maj = nullptr;
}

void Liste_son::a_mettre_a_jour_Click() {
    volume_nul_signale = Vrai;
    if (ListView1.ListCount() == 0) return;
    gestionnaire::pointeur_sablier();
    try {
        int32_t index;
        if (fichier_depose == Vrai) {
            index = ligne_insertion;
        } else {
            index = ListView1.Index(ListView1.SelectedItem());
            index_liste_en_cours = index;
        }
        QTreeWidgetItem* ligne = ListView1.ListItem(index);
        num_enreg_destinataire = index;
        chemin_fichier_maj = rt::Trim(ligne->text(0));
        met_ajour();
        if (maj_fichier_echec == Vrai) {
            // The row stays as it was and the user is told which file could not be read.
            maj_fichier_echec = Faux;
            fichier_depose = Faux;
            gestionnaire::pointeur_defaut();
            MsgBox(QStringLiteral("Impossible de mettre a jour.  ") + erreur_maj, boites::Exclamation);
            return;
        }
        reecrire_ligne(ligne);
        sauve_tout();
        fichier_depose = Faux;
    } catch (const Erreur& e) {
        maj_fichier_echec = Faux;
        fichier_depose = Faux;
        gestionnaire::pointeur_defaut();
        MsgBox(QStringLiteral("Impossible de mettre a jour.  ") + e.description(), boites::Exclamation);
        return;
    }
    gestionnaire::pointeur_defaut();
}

void Liste_son::a_mettre_a_jour_liste_Click() {
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
    if (maj_sans_prechargement != Vrai) {
        prechar_Click();
        if (maj_liste_en_cours != Vrai) return;
        // A list of one entry is checked as one entry, which may take it out.
        if (ListView1.ListCount() == 0) {
            Radio_FM::instance().showNormal();
            show();
            gestionnaire::pointeur_defaut();
            MsgBox(QStringLiteral("Mise a jour annulé/ aucun fichier de trouvé"), boites::Information);
            maj_liste_en_cours = Faux;
            return;
        }
    }

    fsauve& progression = fsauve::instance();
    progression.show();
    progression.Label1.setCaption(QStringLiteral("Traitement en cours ......Patientez !"));
    progression.ProgressBar1.setValue(0);
    ListView1.setSelectedItem(ListView1.ListItem(1));

    const int32_t n = ListView1.ListCount();
    QStringList echecs;  // names of the files that could not be measured
    for (int32_t i = 1; i <= n; ++i) {
        progression.ProgressBar1.setMax(float(n));
        progression.setCaption(QStringLiteral("Traitement en cours ") + QString::number(i) + QStringLiteral(" / ") +
                               QString::number(n));
        QTreeWidgetItem* ligne = ListView1.ListItem(i);
        index_liste_en_cours = i;
        num_enreg_destinataire = i;
        chemin_entree_liste = rt::Trim(ligne->text(0));
        chemin_fichier_maj = chemin_entree_liste;
        met_ajour();
        if (maj_fichier_echec == Vrai)
            echecs << chemins::nom_fichier(chemin_fichier_maj);
        else
            reecrire_ligne(ligne);
        maj_fichier_echec = Faux;
        if (i < n) {
            progression.ProgressBar1.setValue(i + 1);
            progression.Label1.setCaption(chemins::nom_fichier(chemin_fichier_maj));
        }
        // The progress shows while the loop holds the window thread.
        progression.repaint();
        attente::laisser_repondre();
    }

    sauve_tout();
    progression.hide();
    gestionnaire::pointeur_defaut();
    Radio_FM& principale = Radio_FM::instance();
    principale.showNormal();
    show();
    maj_liste_en_cours = Faux;

    if (!echecs.isEmpty()) {
        QString texte = QStringLiteral("Fichier(s) non mis a jour (lecture impossible) : ") +
                        QString::number(echecs.size()) + Paragraphe +
                        QStringList(echecs.mid(0, NomsEchecsMontres)).join(CR);
        if (echecs.size() > NomsEchecsMontres) texte += CR + QStringLiteral("...");
        MsgBox(texte, boites::Exclamation);
    }
    if (MsgBox(QStringLiteral("Sauvegarder la liste ?"), boites::OuiNon + boites::Question + boites::DeuxiemeBouton,
               programme::nom()) == boites::Oui) {
        CommonDialog1.FileName = chemin_liste_ouverte;
        Label8_Click();
    }
    Label1.setCaption(QStringLiteral("Nb de morceaux : ") + QString::number(ListView1.ListCount()) +
                      QStringLiteral(" (") + QString::number(n) + QStringLiteral(")"));
    principale.Timer4.setEnabled(true);
    principale.Timer1.setEnabled(true);
    gestionnaire::pointeur_defaut();
}
