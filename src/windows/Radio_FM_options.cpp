// The main window's Option menu and its neighbours: the file manager, the path choices made
// through it, drag and drop, the journal switches and file, the CD player, the volume mixer,
// the help viewer, the about box and the file-type association.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "config/etat.h"
#include "config/journal.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "windows/Association.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/frmAbout.h"

using namespace Radio;

// An audio CD is opened as "cdda://" by the players that read one.
const QStringList Radio_FM::LecteursCD = {QStringLiteral("kscd"), QStringLiteral("audacious")};
const QStringList Radio_FM::LecteursMultimedia = {QStringLiteral("vlc"), QStringLiteral("totem"),
                                                  QStringLiteral("celluloid"), QStringLiteral("mpv")};
const QStringList Radio_FM::MixeursVolume = {QStringLiteral("pavucontrol"), QStringLiteral("pavucontrol-qt")};
const QStringList Radio_FM::EditeursTexte = {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
                                             QStringLiteral("kate"), QStringLiteral("kwrite"),
                                             QStringLiteral("mousepad"), QStringLiteral("pluma"),
                                             QStringLiteral("xed")};

void Radio_FM::brancher_options() {
    A_lecteur_CD_Win.Click = [this] { A_lecteur_CD_Win_Click(); };
    a_assosiation.Click = [this] { a_assosiation_Click(); };
    A_glisser_déplacer.Click = [this] { A_glisser_déplacer_Click(); };
    Active_journal.Click = [this] { Active_journal_Click(); };
    Active_journal1.Click = [this] { Active_journal1_Click(); };
    A_desacive_J.Click = [this] { A_desacive_J_Click(); };
    A_purger_journal.Click = [this] { A_purger_journal_Click(); };
    A_ouvre_journal.Click = [this] { A_ouvre_journal_Click(); };
    A_def_jingles.Click = [this] { A_def_jingles_Click(); };
    A_def_musique.Click = [this] { A_def_musique_Click(); };
    a_editeur_audio.Click = [this] { a_editeur_audio_Click(); };
    a_vol.Click = [this] { a_vol_Click(); };
    a_pp.Click = [this] { a_pp_Click(); };
    A_Ouvrir_CD.Click = [this] { A_Ouvrir_CD_Click(); };
    A_fermer_CD.Click = [this] { A_fermer_CD_Click(); };
}

void Radio_FM::A_gere_Click() {
    ajout_fichier& a = ajout_fichier::instance();
    try {
        // The music folder, when one is set; a folder gone since ends the command silently.
        if (!Chemin_dernier_fichier.isEmpty()) {
            const QString dossier = rt::Trim(Chemin_dernier_fichier);
            if (!QDir::setCurrent(dossier)) throw Erreur(err::CheminIntrouvable);
            a.Dir1.setPath(dossier);
            a.Drive1.setDrive(dossier);
        }
        a.Label7.setEnabled(false);
        a.setCaption(QStringLiteral("Gestion de fichier (Click droit sur élément)"));
        a.Show();
    } catch (const Erreur&) {
    }
}

void Radio_FM::choisir_chemin(CheminChoisi choix) {
    struct Mode {
        const char* legende;
        bool liste_fichiers;
        const char* type;
        const char* cle;
        QString* chemin;
    };
    // The audio editor is a program: programs here have no extension to filter on.
    const Mode modes[] = {
        {"Définir chemin des jingles", false, "*.mp3", cle::Chemin_dossier_jingles, &Chemin_dossier_jingles},
        {"Définir chemin du dossier Musique", false, "*.mp3", cle::Chemin_dernier_fichier, &Chemin_dernier_fichier},
        {"Définir chemin de l'editeur audio", true, "*", cle::Chemin_editeur_audio, &Chemin_editeur_audio},
    };
    const Mode& m = modes[int(choix)];

    Affiche_Fenetre_P_Click();
    ajout_fichier& a = ajout_fichier::instance();
    a.setCaption(QString::fromUtf8(m.legende));
    a.File1.setEnabled(m.liste_fichiers);
    a.Combo1.setText(QString::fromUtf8(m.type));
    a.Combo1_Change();
    a.Combo1.setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3, &a.Label7})
        w->hide();
    a.Label8.setCaption(QStringLiteral("Valider"));

    a.hide();  // a window already shown takes its modality only when shown again
    a.Show(true);

    // Whatever the variable holds now is stored, a path validated or not.
    ecrire_reglage(cle::Config, m.cle, rt::Trim(*m.chemin));

    a.File1.setEnabled(true);
    a.Combo1.setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3, &a.Label7})
        w->show();
    if (choix != CheminChoisi::Jingles) a.Label6.show();
    a.Label8.setCaption(QStringLiteral("Valider"));
    if (choix == CheminChoisi::Editeur) {
        a.Combo1.setText(QStringLiteral("*.mp3"));
        a.Combo1_Change();
    }
    a.setCaption(QStringLiteral("Ajout / recherche fichier (s)"));
}

void Radio_FM::A_def_jingles_Click() { choisir_chemin(CheminChoisi::Jingles); }
void Radio_FM::A_def_musique_Click() { choisir_chemin(CheminChoisi::Musique); }
void Radio_FM::a_editeur_audio_Click() { choisir_chemin(CheminChoisi::Editeur); }

void Radio_FM::A_glisser_déplacer_Click() {
    // The item stays checked; its caption says what is in force now.
    if (glisser_deplacer_actif) {
        A_glisser_déplacer.setCaption(QStringLiteral("Ne pas autoriser sur la liste, le glisser / déplacer"));
        glisser_deplacer_actif = Faux;
    } else {
        A_glisser_déplacer.setCaption(QStringLiteral("Autoriser sur la liste, le glisser / déplacer"));
        glisser_deplacer_actif = Vrai;
    }
    A_glisser_déplacer.setChecked(true);
}

void Radio_FM::A_desacive_J_Click() {
    journal_actif = Faux;
    A_desacive_J.setChecked(true);
    Active_journal.setChecked(false);
    Active_journal1.setChecked(false);
}

void Radio_FM::Active_journal_Click() {
    A_desacive_J.setChecked(false);
    Active_journal.setChecked(true);
    Active_journal1.setChecked(false);
    journal_actif = Vrai;
}

void Radio_FM::Active_journal1_Click() {
    A_desacive_J.setChecked(false);
    Active_journal.setChecked(false);
    Active_journal1.setChecked(true);
    journal_actif = Vrai;
}

void Radio_FM::A_purger_journal_Click() {
    programme::aller_au_dossier();
    // No journal to delete: nothing to say.
    if (!QFile::remove(chemins::joindre(programme::dossier(), QString::fromUtf8(journal::Fichier)))) return;
    MsgBox(QStringLiteral("Ok journal supprimé"), boites::Information);
}

void Radio_FM::A_ouvre_journal_Click() {
    programme::aller_au_dossier();
    const QString chemin = chemins::joindre(programme::dossier(), QString::fromUtf8(journal::Fichier));
    // A missing journal and a journal nothing could open are two different troubles.
    if (!QFileInfo::exists(chemin)) {
        MsgBox(QStringLiteral("Pas de journal à ouvrir : ") + chemin + QStringLiteral(" n'existe pas"),
               boites::Information);
        return;
    }
    QStringList essayes;
    if (lancement::demarrer_premier(EditeursTexte, {chemin}, {}, &essayes) || lancement::ouvrir_et_verifier(chemin)) return;
    essayes << QStringLiteral("l'application par défaut du bureau");
    MsgBox(QStringLiteral("Aucun programme n'a pu ouvrir le journal ") + chemin + saut_ligne +
               QStringLiteral("Essayés : ") + essayes.join(QStringLiteral(", ")),
           boites::Information);
}

void Radio_FM::A_lecteur_CD_Win_Click() {
    const QStringList disque = {QStringLiteral("cdda://")};
    if (lancement::demarrer_premier(LecteursCD, disque)) return;
    MsgBox(QStringLiteral("CDPLAYER.EXE (sous windows 95/98) est introuvable") +
               QStringLiteral("Windows Media Player sous windows XP va etre testé"),
           boites::Information);
    if (!lancement::demarrer_premier(LecteursMultimedia, disque))
        MsgBox(Erreur(err::FichierIntrouvable).description(), boites::Information);
}

void Radio_FM::a_vol_Click() {
    if (!lancement::demarrer_premier(MixeursVolume))
        MsgBox(QStringLiteral("sndvol32.exe est introuvable"), boites::Information);
}

void Radio_FM::aideprog_Click() {
    const QString dossier = Chemin_programme.isEmpty() ? programme::dossier() : Chemin_programme;
    QDir::setCurrent(dossier);
    if (!lancement::demarrer(chemins::joindre(dossier, QStringLiteral("Aide_Sonavel")), {}, dossier))
        MsgBox(QStringLiteral("L'aide est introuvable . Télécharger le sur ") +
                   QString::fromLatin1(frmAbout::AdresseTelechargement),
               boites::Exclamation);
}

void Radio_FM::a_pp_Click() { frmAbout::instance().Show(); }
void Radio_FM::a_assosiation_Click() { Association::instance().Show(true); }
