#pragma once
// A fresh main window over the simulated graph, with the settings the deck tests use, and a
// way to put a file on a deck. Files are also created on disk (empty), for the procedures that
// check that a deck's file exists.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "support/graphe_simule.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

struct SceneDecks {
    // The program is reset before the simulated graph is installed and the window made.
    bool remis_a_zero = (sonavel_test::nouveau_programme(), true);
    GrapheSimule::Installation simule;
    QTemporaryDir dossier;
    Radio_FM& f = Radio_FM::instance();

    SceneDecks() {
        using namespace Radio;
        Nom_radio_fm = QStringLiteral("Radio Test");
        Valeur_vitesse_timer = 1000;
        Mix = 6;
        Préchargement = 10;
        Forcer_Mix_Jingles = 2;
        valeur_max_jingles = 30;
        Mix_audio = 13;
        Mix_audio_vitesse = 40;
        Mix_audio_attenuation = 3;
    }

    // A file of that length on deck n; returns its path.
    QString fichier(int n, const QString& nom, double duree, bool image = false) {
        const QString chemin = dossier.filePath(nom);
        QFile(chemin).open(QIODevice::WriteOnly);
        GrapheSimule::definir(chemin, duree, true, image);
        f.deck(n).chemin = chemin;
        return chemin;
    }
    TypeLecteur& lecteur(int n) { return f.deck(n).lecteur; }
    // The simulated graph behind deck n (null when the deck holds none).
    GrapheSimule* graphe(int n) { return static_cast<GrapheSimule*>(lecteur(n).graphe.objet().get()); }
    bool en_lecture(int n) { return graphe(n) && graphe(n)->GetState(0) == etat_graphe::EnLecture; }
    // One supervision tick after s seconds of the clock.
    void seconde(double s = 1) {
        GrapheSimule::avancer(s);
        f.Timer2_Timer();
    }
    // The journal's records (lines ended by CR LF).
    QStringList journal() const {
        QFile j(QDir(sonavel_test::dossier_programme()).filePath(QStringLiteral("journal.doc")));
        if (!j.open(QIODevice::ReadOnly)) return {};
        QStringList r = QString::fromUtf8(j.readAll()).split(QStringLiteral("\r\n"));
        if (!r.isEmpty() && r.last().isEmpty()) r.removeLast();
        return r;
    }
};
