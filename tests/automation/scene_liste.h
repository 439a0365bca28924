#pragma once
// A list run on the simulated graph and clock: a fresh main window and playlist, entries whose
// files exist on disk (empty) and in the simulated graph's table, the list file in the program
// folder, and one-second ticks of the list timers. Every start of a graph is noted with the
// second it came at.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include "automation/choix_entree.h"
#include "config/etat.h"
#include "playlist/enregistrement_liste.h"
#include "support/graphe_simule.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

struct SceneListe {
    struct Entree {
        QString chemin;
        QString fin;
    };
    struct Depart {
        int seconde;
        QString chemin;
        int graphe;
    };

    bool remis_a_zero = (sonavel_test::nouveau_programme(), true);
    GrapheSimule::Installation simule;
    QTemporaryDir dossier;
    Radio_FM& f = Radio_FM::instance();
    Liste_son& l = Liste_son::instance();
    int seconde = 0;
    QVector<Depart> departs;
    QVector<Depart> chargements;  // every RenderFile
    QHash<int, QString> chemins_graphes;

    SceneListe() {
        reglages();
        choix::semer(20261210);
    }

    // The settings of a list run: overlap 6 and preload 7 for tracks above 30 s, 2 for the
    // shorter ones, a fade of 13 s.
    static void reglages() {
        using namespace Radio;
        Nom_radio_fm = QStringLiteral("Radio Test");
        Chemin_programme = sonavel_test::dossier_programme();
        Valeur_vitesse_timer = 1000;
        Mix = 6;
        Préchargement = 7;
        Forcer_Mix_Jingles = 2;
        valeur_max_jingles = 30;
        Mix_audio = 13;
        Mix_audio_vitesse = 40;
    }

    // A file of that length, on disk and in the graph's table.
    QString fichier(const QString& nom, double duree) {
        const QString chemin = dossier.filePath(nom);
        QFile(chemin).open(QIODevice::WriteOnly);
        GrapheSimule::definir(chemin, duree);
        return chemin;
    }
    // A file on disk that no deck can render (text named .mp3): not in the graph's table.
    QString illisible(const QString& nom) {
        const QString chemin = dossier.filePath(nom);
        QFile f(chemin);
        f.open(QIODevice::WriteOnly);
        f.write("pas du son\n");
        return chemin;
    }
    // A window on screen and active, for the operator's keys and clicks.
    static void montrer(QWidget& fenetre) {
        if (fenetre.isVisible() && fenetre.isActiveWindow()) return;
        fenetre.show();
        QApplication::setActiveWindow(&fenetre);
        // Keys sent to a window that never became active go nowhere: say so where it shows.
        if (!QTest::qWaitForWindowActive(&fenetre)) qWarning("window not active: %s", qPrintable(fenetre.windowTitle()));
    }
    void montrer() { montrer(f); }
    // A key pressed on a window, as the operator does it: it goes to the control that has
    // the focus.
    static void touche(QWidget& fenetre, Qt::Key k) {
        montrer(fenetre);
        QTest::keyClick(fenetre.focusWidget() ? fenetre.focusWidget() : &fenetre, k);
    }
    void touche(Qt::Key k) {
        touche(f, k);
        noter();
    }
    // A click on a control of the shown main window.
    void cliquer(QWidget& w) {
        montrer();
        QTest::mouseClick(&w, Qt::LeftButton);
        noter();
    }
    // The deck named on air plays, and no other deck plays under it unless it is the one
    // before it, fading out or within an overlap of its end.
    bool antenne_seule() {
        const int n = Radio::lecteur_en_cours;
        if (n < 1 || n > 3) return false;
        ControlesLecteur d = f.deck(n);
        if (d.lecteur.graphe.estNul() || d.lecteur.graphe.GetState(0) != etat_graphe::EnLecture) return false;
        const bool fondu = f.Timer3.Enabled() && f.Timer3.Interval() != 0;
        for (int i = 1; i <= 3; ++i) {
            if (i == n || (fondu && i == lecteur_precedent(n))) continue;
            TypeLecteur& l = f.deck(i).lecteur;
            if (l.graphe.estNul() || l.graphe.GetState(0) != etat_graphe::EnLecture) continue;
            const double reste = l.position.Duration() - l.position.CurrentPosition();
            if (reste > (i == lecteur_precedent(n) ? Radio::Mix : 0)) return false;
        }
        return true;
    }
    // The list file "liste.dfm" of the program folder, made the current list and shown.
    void liste(const QVector<Entree>& entrees) {
        using namespace Radio;
        const QString fichier = Chemin_programme + QStringLiteral("liste.dfm");
        QFile::remove(fichier);
        for (int i = 0; i < entrees.size(); ++i) {
            TypeEnregListe e;
            e.chemin = entrees[i].chemin;
            e.fin_lecture = entrees[i].fin;
            e.volume = 100;
            enreg_liste::ecrire(fichier, i + 1, e);
        }
        chemin_liste = fichier;
        l.charge_liste();
    }
    // n files "<prefix><i>.mp3" of `duree` seconds made the list, each ending at `fin`.
    QStringList pistes(const QString& prefixe, int n, double duree, const QString& fin) {
        QStringList p;
        QVector<Entree> e;
        for (int i = 1; i <= n; ++i) {
            p << fichier(prefixe + QString::number(i) + QStringLiteral(".mp3"), duree);
            e.append({p.last(), fin});
        }
        liste(e);
        return p;
    }
    // The list played from row `ligne` in the predefined mode, in list or random order.
    void demarrer(bool aleatoire, int ligne = 1) {
        f.a_mode_predefini_Click();
        if (aleatoire) f.A_ordre_aléatoire_Click();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(ligne));
        l.Image1_Click();
        noter();
    }
    // One second: the chaining tick, the sequencer tick, the insertion ticks, and the fade ticks
    // of that second.
    void tic() {
        GrapheSimule::avancer(1);
        ++seconde;
        if (f.Timer4.Enabled()) f.Timer4_Timer();
        if (f.Timer1.Enabled()) f.Timer1_Timer();
        if (f.Timer8.Enabled()) f.Timer8_Timer();
        if (f.Timer9.Enabled()) f.Timer9_Timer();
        for (int i = 0; i < 1000 / Radio::Mix_audio_vitesse; ++i) {
            if (!f.Timer3.Enabled() || f.Timer3.Interval() == 0) break;
            f.Timer3_Timer();
        }
        // What the widgets post for later (layouts, deferred deletes) is handled as the event
        // loop would; the timers themselves stay under the test's clock.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        noter();
    }
    void tics(int n) {
        for (int i = 0; i < n; ++i) tic();
    }
    // Runs until n graphs have started or the limit of seconds is reached.
    bool jusqu_a(int n, int limite) {
        for (int i = 0; i < limite && departs.size() < n; ++i) tic();
        return departs.size() >= n;
    }
    // The graph calls since the last look: the paths rendered and the starts.
    void noter() {
        QStringList& j = GrapheSimule::journal();
        for (const QString& ligne : j) {
            const int g = ligne.section(QLatin1Char(' '), 0, 0).toInt();
            const QString operation = ligne.section(QLatin1Char(' '), 1, 1);
            if (operation == QLatin1String("RenderFile")) {
                chemins_graphes[g] = ligne.section(QLatin1Char(' '), 2);
                chargements.append({seconde, chemins_graphes[g], g});
            } else if (operation == QLatin1String("Run"))
                departs.append({seconde, chemins_graphes.value(g), g});
        }
        j.clear();
        // Only the graphs alive can start later.
        for (auto i = chemins_graphes.begin(); i != chemins_graphes.end();)
            i = vivant(i.key()) ? std::next(i) : chemins_graphes.erase(i);
    }
    QStringList pistes() const {
        QStringList p;
        for (const Depart& d : departs) p.append(d.chemin);
        return p;
    }
    static bool vivant(int graphe) {
        for (GrapheSimule* g : GrapheSimule::vivants())
            if (g->numero() == graphe) return true;
        return false;
    }
};
