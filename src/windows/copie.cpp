#include "windows/copie.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "filemanager/operations.h"
#include "filemanager/progression.h"
#include "platform/boites.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/ajout_fichier.h"

using namespace Radio;
using gestionnaire::retour_ligne;
using gestionnaire::saut_paragraphe;

namespace {
const QString ModeMultiple = QStringLiteral("Copie multiple");

QString question_ecraser(const QString& quoi) {
    return QStringLiteral(" Attention  ce fichier existe déja ! Vous allez ECRASER ") + retour_ligne + quoi +
           retour_ligne + QStringLiteral("  Voulez vous continuer ? ");
}
}  // namespace

copie::copie() {
    setCaption(QStringLiteral("Copie de fichier"));
    setFixedSize(460, 400);
    Frame1.setGeometry(8, 8, 444, 384);
    Text1.setGeometry(12, 24, 420, 24);
    Text1.setReadOnly(true);
    Drive1.setGeometry(12, 54, 200, 26);
    Dir1.setGeometry(12, 86, 420, 200);
    Label5.setGeometry(12, 292, 420, 36);
    Label5.setWordWrap(true);
    Text2.setGeometry(12, 330, 420, 24);
    Command5.setGeometry(222, 356, 100, 24);
    Command1.setGeometry(332, 356, 100, 24);
    for (Label* l : {&Command1, &Command5, &Label5}) l->setBackStyle(0);
    gestionnaire::labels_boutons({&Command1, &Command5});
    Command1.Click = [this] { Command1_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Drive1.Change = [this] { Drive1_Change(); };
    Frame1.setMouseTracking(true);
    Frame1.installEventFilter(this);
}

void copie::Form_Load() { Text1.setText(Dir1.Path()); }

void copie::etat_initial() {
    Command5.setCaption(QStringLiteral("Copier"));
    Text2.setVisible(true);
    Text2.setText(QString());
    Label5.setCaption(instruction());
    try {
        Dir1.setPath(QDir::currentPath());
    } catch (const Erreur&) {
    }
    gestionnaire::montrer_volume(Drive1, Dir1.Path());
    Text1.setText(Dir1.Path());
}

void copie::preparer_fichier(const QString& nom) {
    Command5.setCaption(QStringLiteral("Copier"));
    Text2.setVisible(true);
    Text2.setText(nom);
    Label5.setCaption(instruction());
}

void copie::preparer_tout(const QString& dossier, const QString& volume) {
    Command5.setCaption(ModeMultiple);
    Text2.setVisible(false);
    Label5.setCaption(QStringLiteral("Sélectionner disque/dossier"));
    try {
        Dir1.setPath(dossier);
    } catch (const Erreur&) {
    }
    gestionnaire::montrer_volume(Drive1, volume);
}

void copie::Dir1_Change() { Text1.setText(Dir1.Path()); }

void copie::Drive1_Change() { gestionnaire::changer_volume(Drive1, Dir1, 0, 0); }

void copie::Command1_Click() { hide(); }

void copie::closeEvent(QCloseEvent* e) {
    e->ignore();
    Command1_Click();
}

bool copie::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &Frame1 && evenement->type() == QEvent::MouseMove) fin_survol();
    return Form::eventFilter(objet, evenement);
}

void copie::fin_survol() { gestionnaire::fin_survol({&Command1, &Command5}); }

void copie::Command5_Click() {
    if (Command5.Caption() == ModeMultiple)
        copier_tout();
    else
        copier_fichier();
}

void copie::copier_fichier() {
    ajout_fichier& a = ajout_fichier::instance();
    const QString nom = Text2.Text();
    const QString source = chemins::joindre(a.Dir1.Path(), a.File1.FileName());
    const QString destination = chemins::joindre(Dir1.Path(), nom);
    try {
        if (a.File1.FileName().isEmpty() || !operations::nom_valide(nom))
            throw Erreur(err::NomFichierIncorrect,
                         Erreur::description_standard(err::NomFichierIncorrect) + QStringLiteral(" : ") + nom);
        QDir::setCurrent(Dir1.Path());
        // A file copied onto itself would be emptied: refused before any question.
        if (operations::meme_fichier(source, destination)) {
            MsgBox(QStringLiteral(" La source et la destination sont le même fichier ") + retour_ligne +
                       QStringLiteral("< ") + nom + QStringLiteral(" >"),
                   boites::Exclamation, QStringLiteral(" Copie de fichier ?"));
            return;
        }
        bool remplacer = false;
        if (operations::existe(destination)) {
            const int r = gestionnaire::message(question_ecraser(QStringLiteral("< ") + nom + QStringLiteral(" >")),
                                                boites::OuiNon + boites::Critique + boites::DeuxiemeBouton,
                                                QStringLiteral(" Copie de fichier ?"));
            if (r != boites::Oui) return;
            remplacer = true;
        }
        gestionnaire::pointeur_sablier();
        operations::copier(source, destination, remplacer);
        a.A_Rafraichir_Click();
        gestionnaire::pointeur_defaut();
        gestionnaire::message(QStringLiteral(" Copie fichier :") + destination + QStringLiteral(" éffectué "),
                              boites::Information);
        // The next opening starts as a fresh dialog.
        hide();
        etat_initial();
    } catch (const Erreur& e) {
        gestionnaire::pointeur_defaut();
        gestionnaire::message(QStringLiteral("Origine : ") + source + retour_ligne + QStringLiteral("destination : ") +
                                  destination + retour_ligne + QStringLiteral("Impossible. ") + retour_ligne +
                                  QStringLiteral("réessayez. ") + saut_paragraphe + e.description(),
                              boites::Critique);
    }
}

void copie::copier_tout() {
    ajout_fichier& a = ajout_fichier::instance();
    const QString source = chemins::avec_separateur(a.Dir1.Path());
    const QString cible = chemins::avec_separateur(Dir1.Path());
    const int n = a.File1.ListCount();
    if (n == 0) {
        MsgBox(QStringLiteral("Aucun fichier a copier"), boites::Exclamation,
               QStringLiteral(" Copie mutiple de fichier ?"));
        return;
    }
    // Every file would be copied onto itself.
    if (operations::meme_fichier(a.Dir1.Path(), Dir1.Path())) {
        MsgBox(QStringLiteral(" La source et la destination sont le même dossier ") + retour_ligne + cible,
               boites::Exclamation, QStringLiteral(" Copie mutiple de fichier ?"));
        return;
    }
    try {
        gestionnaire::pointeur_sablier();
        a.File1.setListIndex(0);
        ProgressionFichiers p(n);
        for (int i = 0; i < n; ++i) {
            const QString nom = a.File1.List(i);
            p.legende(ModeMultiple + QStringLiteral(" en cours"));
            fsauve::instance().Label3.setCaption(nom);
            const QString destination = cible + nom;
            if (operations::existe(destination)) {
                const int r = gestionnaire::message(question_ecraser(destination + QLatin1Char(' ') + nom),
                                                    boites::OuiNon + boites::Critique + boites::DeuxiemeBouton,
                                                    QStringLiteral(" Copie mutiple de fichier ?"));
                if (r == boites::Oui) operations::copier(source + nom, destination, true);
            } else {
                operations::copier(source + nom, destination, false);
            }
            if (i == n - 1) break;
            a.File1.setListIndex(i + 1);
            p.avancer(i + 1);
        }
        ProgressionFichiers::cacher();
        gestionnaire::pointeur_defaut();
        a.A_Rafraichir_Click();
        gestionnaire::message(QStringLiteral(" Copie multiple éffectuée sous ") + cible, boites::Information);
        hide();
        QDir::setCurrent(programme::dossier());
    } catch (const Erreur& e) {
        gestionnaire::pointeur_defaut();
        gestionnaire::message(
            QStringLiteral(" Impossible pour l'instant! réessayez. ") + saut_paragraphe + e.description(),
            boites::Critique);
        ProgressionFichiers::decharger();
        QDir::setCurrent(programme::dossier());
    }
}
