#pragma once
// Test stand-ins for the user at the boxes and for the desktop's launcher.
//
// While a Repondeur lives, every message box, input box and common dialog goes to it: it
// records each one and answers with the next prepared answer. A box that comes with no
// answer prepared (or with an answer of another kind) fails the current test and is answered
// as the box's default button or a cancel; prepared answers left unused when the Repondeur
// goes away fail the test too. Nothing ever waits for a user.
//
//   Repondeur r;
//   r.attendre_message(boites::Oui);
//   fenetre.commande();
//   QCOMPARE(r.messages().size(), 1);
//   QCOMPARE(r.messages()[0].style, 292);
//
// Without a Repondeur, the test main's guard fails any box the same way.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/boites.h"
#include "platform/lancement.h"

class Repondeur {
public:
    struct Boite {
        boites::Genre genre;
        QString texte;    // message text or input prompt, exactly as built
        QString titre;
        int style = 0;
        QString defaut;   // input box default
        QString dossier;  // file dialogs: initial folder
        QString filtre;
        QString fichier;  // file dialogs: name set before showing
        int flags = 0;
        bool imprevue = false;  // no fitting answer was prepared
    };

    Repondeur();
    ~Repondeur();
    Repondeur(const Repondeur&) = delete;
    Repondeur& operator=(const Repondeur&) = delete;

    // Prepared answers, used in order.
    Repondeur& attendre_message(int code = boites::OK);
    Repondeur& attendre_saisie(const QString& texte);
    Repondeur& attendre_fichier(const QString& chemin, int index_filtre = 0);  // open or save
    Repondeur& attendre_couleur(int32_t couleur);
    Repondeur& attendre_police(const QFont& police);
    Repondeur& attendre_impression(const QString& fichier_pdf = QString());
    Repondeur& attendre_annulation();  // cancels the next box or dialog, whatever its kind

    const QVector<Boite>& boites() const { return m_boites; }
    QVector<Boite> messages() const;  // message boxes only
    int reponses_restantes() const { return int(m_reponses.size()); }

private:
    struct Prevue {
        enum Type { Message, Saisie, Fichier, Couleur, Police, Impression, Annulation } type;
        boites::Reponse reponse;
    };
    boites::Reponse repondre(const boites::Demande& d);
    Repondeur& ajouter(Prevue::Type type, const std::function<void(boites::Reponse&)>& remplir);

    std::deque<Prevue> m_reponses;
    QVector<Boite> m_boites;
    boites::Interception m_precedente;
};

// Records the programs started and the documents opened instead of launching them; each
// launch answers `reussite`.
class Lancements {
public:
    explicit Lancements(bool reussite = true);
    ~Lancements();
    Lancements(const Lancements&) = delete;
    Lancements& operator=(const Lancements&) = delete;

    const QVector<lancement::Demande>& demandes() const { return m_demandes; }
    bool reussite = true;

private:
    QVector<lancement::Demande> m_demandes;
    lancement::Interception m_precedente;
};

namespace sonavel_test {
// Makes any box without a Repondeur, and any launch without a Lancements, fail the test
// instead of showing a window or starting a program.
void installer_gardes();
// Reports a fault found outside a test's own checks (fails the current test).
void echec(const QString& message);

// While it lives, the faults reported through echec are collected here instead of failing
// the test (to test the guards themselves).
class CaptureEchecs {
public:
    CaptureEchecs();
    ~CaptureEchecs();
    CaptureEchecs(const CaptureEchecs&) = delete;
    CaptureEchecs& operator=(const CaptureEchecs&) = delete;
    const QStringList& messages() const { return m_messages; }

private:
    friend void echec(const QString& message);
    QStringList m_messages;
    CaptureEchecs* m_precedente;
};
}  // namespace sonavel_test
