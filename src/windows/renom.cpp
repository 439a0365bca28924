#include "windows/renom.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "filemanager/operations.h"
#include "filemanager/progression.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/ajout_fichier.h"

using namespace Radio;
using gestionnaire::retour_ligne;
using gestionnaire::saut_paragraphe;

namespace {
const QString ModeBloc = QStringLiteral("Renommer par bloc");

// The new name of a file: the name typed and the old extension (after the last dot).
QString nouveau_nom(const QString& saisi, const QString& ancien) {
    const int point = ancien.lastIndexOf(QLatin1Char('.'));
    return point > 0 ? saisi + ancien.mid(point) : saisi;
}

// The error path of both modes: the dialog stays open.
void signaler(const QString& source, const QString& destination, const Erreur& e) {
    ProgressionFichiers::cacher();
    gestionnaire::message(QStringLiteral("Origine      :") + source + retour_ligne + QStringLiteral("destination :") +
                              destination + saut_paragraphe + QStringLiteral(" Impossible. ") + e.description() +
                              retour_ligne + QStringLiteral(" réessayez."),
                          boites::Exclamation);
}
}  // namespace

renom::renom() {
    setCaption(QStringLiteral("Renommer un fichier ou un dossier complet"));
    Image1.setGeometry(12, 12, 48, 48);
    Image1.setStretch(true);
    Image1.setPicture(chemins::joindre(programme::dossier(), QStringLiteral("Sonavel_V5.png")));
    Label4.setGeometry(72, 8, 390, 110);
    Label4.setWordWrap(true);
    Label4.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    disposer();
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6}) l->setBackStyle(0);
    gestionnaire::labels_boutons({&Label5, &Label6});
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Text1.Click = [this] { Text1_Click(); };
    setMouseTracking(true);
}

void renom::Form_Load() { afficher_dossier(); }

void renom::disposer() {
    // The instructions take the height of their text; everything else follows below them.
    Label4.setAutoSize(true);
    const int y = std::max(118, Label4.geometry().bottom()) + 6;
    Label2.setGeometry(12, y, 450, 20);
    Label1.setGeometry(12, y + 24, 450, 20);
    Label3.setGeometry(12, y + 52, 150, 24);
    Text1.setGeometry(162, y + 52, 300, 24);
    Label6.setGeometry(232, y + 88, 130, 28);
    Label5.setGeometry(372, y + 88, 90, 28);
    setFixedSize(470, y + 126);
}

void renom::afficher_dossier() {
    Label2.setCaption(QStringLiteral("Dossier courant : ") + ajout_fichier::instance().Dir1.Path());
}

void renom::preparer_fichier(const QString& nom) {
    afficher_dossier();
    Label4.setCaption(QStringLiteral("Info renommer un fichier") + saut_paragraphe +
                      QStringLiteral("Inscrivez uniquement le nom (sans l'extention)") + retour_ligne +
                      QStringLiteral("l'extention est conservée"));
    setCaption(QStringLiteral("Renommer un fichier"));
    Label6.setCaption(QStringLiteral("Renommer"));
    Label1.setCaption(QStringLiteral("fichier : ") + nom);
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    Text1.setText(point > 0 ? nom.left(point) : nom);
    disposer();
}

void renom::preparer_bloc() {
    afficher_dossier();
    Label4.setCaption(QStringLiteral("Info Renommer par bloc") + retour_ligne +
                      QStringLiteral("Si vous desirez renommer les fichiers par bloc") + retour_ligne +
                      QStringLiteral("Attention tous les fichiers du dossier sélectionné  ci dessous sont renommés") +
                      retour_ligne +
                      QStringLiteral("Il est recommandé de n'utiliser (Renommer par bloc) que pour les dossiers") +
                      retour_ligne + QStringLiteral("Ou ont étés copiés des CD") + retour_ligne +
                      QStringLiteral("Inscrivez uniquement le nom (sans l'extention) les 6 dernieres lettres sont "
                                     "conservées"));
    setCaption(QStringLiteral("Renommer tous les fichiers de ce dossier"));
    Label6.setCaption(ModeBloc);
    Label1.setCaption(QStringLiteral("Tous les fichiers"));
    disposer();
}

void renom::Text1_Click() { Text1.selectAll(); }

void renom::Label5_Click() { hide(); }

void renom::closeEvent(QCloseEvent* e) {
    // The dialog stays loaded; closing it hides it as "Annuler" does.
    e->ignore();
    hide();
}

void renom::mouseMoveEvent(QMouseEvent* e) {
    fin_survol();
    Form::mouseMoveEvent(e);
}

void renom::fin_survol() { gestionnaire::fin_survol({&Label5, &Label6}); }

void renom::Label6_Click() {
    // A "/" would move the file into another folder.
    if (Text1.Text().contains(QLatin1Char('/')) || Text1.Text().contains(QChar(0))) {
        MsgBox(QStringLiteral(" Le nom ne doit pas contenir de / "), boites::Critique,
               QStringLiteral("Renommer fichier impossible "));
        Text1.setFocus();
        return;
    }
    if (Label6.Caption() == ModeBloc)
        renommer_bloc();
    else
        renommer_fichier();
}

void renom::renommer_fichier() {
    ajout_fichier& a = ajout_fichier::instance();
    if (Text1.Text().isEmpty()) {
        gestionnaire::message(QStringLiteral(" Vous devez lui donner un nouveau nom "), boites::Critique,
                              QStringLiteral("Renommer fichier impossible "));
        Text1.setFocus();
        return;
    }
    const QString ancien = a.File1.FileName();
    const QString nom = nouveau_nom(Text1.Text(), ancien);
    const QString dossier = a.Dir1.Path();
    const QString source = chemins::joindre(dossier, ancien);
    const QString destination = chemins::joindre(dossier, nom);
    try {
        if (ancien.isEmpty() || !operations::nom_valide(nom))
            throw Erreur(err::NomFichierIncorrect,
                         Erreur::description_standard(err::NomFichierIncorrect) + QStringLiteral(" : ") + nom);
        QDir::setCurrent(dossier);
        bool remplacer = false;
        if (operations::existe(destination) && destination != source) {
            const int r = gestionnaire::message(
                QStringLiteral(" Attention  ce fichier existe déja ! ") + retour_ligne + QStringLiteral("< ") + nom +
                    QStringLiteral(" >") + retour_ligne + QStringLiteral("  Voulez vous continuer ? "),
                boites::OuiNon + boites::Critique + boites::DeuxiemeBouton, QStringLiteral(" Renommer un fichier ?"));
            if (r != boites::Oui) return;
            remplacer = true;
        }
        if (destination != source) operations::renommer(source, destination, remplacer);
        a.A_Rafraichir_Click();
        gestionnaire::message(QStringLiteral(" fichier renommé OK "), boites::Information);
        hide();
    } catch (const Erreur& e) {
        signaler(source, destination, e);
    }
}

void renom::renommer_bloc() {
    ajout_fichier& a = ajout_fichier::instance();
    const QString dossier = a.Dir1.Path();
    const int n = a.File1.ListCount();
    QString source, destination;
    try {
        if (n > 0) {
            a.File1.setListIndex(0);
            ProgressionFichiers p(n);
            for (int i = 0; i < n; ++i) {
                // The list is not refreshed during the run: each row names the file as it was.
                const QString ancien = a.File1.List(i);
                source = chemins::joindre(dossier, ancien);
                destination = chemins::joindre(dossier, Text1.Text() + QLatin1Char('_') + rt::Right(ancien, 6));
                fsauve::instance().repaint();
                // A name already taken is never overwritten: that file fails.
                if (destination != source) operations::renommer(source, destination, false);
                if (i == n - 1) break;
                a.File1.setListIndex(i + 1);
            }
        }
        ProgressionFichiers::cacher();
        Label6.setCaption(QStringLiteral("Renommer"));
        gestionnaire::pointeur_defaut();
        a.A_Rafraichir_Click();
        gestionnaire::message(QStringLiteral("Renommer par bloc : éffectuée "), boites::Information);
        hide();
    } catch (const Erreur& e) {
        gestionnaire::pointeur_defaut();
        signaler(source, destination, e);
    }
}
