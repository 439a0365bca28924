#include "support/repondeur.h"

#include <QTest>

namespace {
const char* nom_genre(boites::Genre g) {
    switch (g) {
        case boites::Genre::Message: return "message";
        case boites::Genre::Saisie: return "saisie";
        case boites::Genre::Ouvrir: return "ouverture";
        case boites::Genre::Enregistrer: return "enregistrement";
        case boites::Genre::Couleur: return "couleur";
        case boites::Genre::Police: return "police";
        case boites::Genre::Imprimante: return "imprimante";
    }
    return "?";
}

// The answer to a box nobody expected: its default button, or a cancel.
boites::Reponse reponse_imprevue(const boites::Demande& d) {
    boites::Reponse r;
    r.annule = true;
    if (d.genre == boites::Genre::Message) r.code = boites::reponse_par_defaut(d.style);
    return r;
}

QString decrire(const boites::Demande& d) {
    return QStringLiteral("boîte de %1 imprévue, titre « %2 », texte « %3 », style %4")
        .arg(QLatin1String(nom_genre(d.genre)), d.titre, d.texte)
        .arg(d.style);
}
}  // namespace

namespace sonavel_test {
namespace {
CaptureEchecs* capture_active = nullptr;
}

CaptureEchecs::CaptureEchecs() : m_precedente(capture_active) { capture_active = this; }
CaptureEchecs::~CaptureEchecs() { capture_active = m_precedente; }

void echec(const QString& message) {
    if (capture_active) {
        capture_active->m_messages << message;
        return;
    }
    if (!QTest::currentTestFailed()) QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
    else qWarning("%s", message.toUtf8().constData());
}

void installer_gardes() {
    boites::definir_interception([](const boites::Demande& d) {
        echec(decrire(d));
        return reponse_imprevue(d);
    });
    lancement::definir_interception([](const lancement::Demande& d) {
        echec(QStringLiteral("lancement imprévu de « %1 »").arg(d.cible));
        return false;
    });
}
}  // namespace sonavel_test

Repondeur::Repondeur() {
    m_precedente = boites::definir_interception([this](const boites::Demande& d) { return repondre(d); });
}

Repondeur::~Repondeur() {
    boites::definir_interception(std::move(m_precedente));
    if (!m_reponses.empty())
        sonavel_test::echec(QStringLiteral("%1 réponse(s) préparée(s) sans boîte").arg(m_reponses.size()));
}

Repondeur& Repondeur::ajouter(Prevue::Type type, const std::function<void(boites::Reponse&)>& remplir) {
    boites::Reponse r;
    remplir(r);
    m_reponses.push_back(Prevue{type, r});
    return *this;
}

Repondeur& Repondeur::attendre_message(int code) {
    return ajouter(Prevue::Message, [&](boites::Reponse& r) { r.code = code; });
}
Repondeur& Repondeur::attendre_saisie(const QString& texte) {
    return ajouter(Prevue::Saisie, [&](boites::Reponse& r) { r.texte = texte; });
}
Repondeur& Repondeur::attendre_fichier(const QString& chemin, int index_filtre) {
    return ajouter(Prevue::Fichier, [&](boites::Reponse& r) {
        r.fichier = chemin;
        r.index_filtre = index_filtre;
    });
}
Repondeur& Repondeur::attendre_couleur(int32_t couleur) {
    return ajouter(Prevue::Couleur, [&](boites::Reponse& r) { r.couleur = couleur; });
}
Repondeur& Repondeur::attendre_police(const QFont& police) {
    return ajouter(Prevue::Police, [&](boites::Reponse& r) { r.police = police; });
}
Repondeur& Repondeur::attendre_impression(const QString& fichier_pdf) {
    return ajouter(Prevue::Impression, [&](boites::Reponse& r) { r.fichier = fichier_pdf; });
}
Repondeur& Repondeur::attendre_annulation() {
    return ajouter(Prevue::Annulation, [](boites::Reponse& r) { r.annule = true; });
}

QVector<Repondeur::Boite> Repondeur::messages() const {
    QVector<Boite> r;
    for (const Boite& b : m_boites)
        if (b.genre == boites::Genre::Message) r.append(b);
    return r;
}

boites::Reponse Repondeur::repondre(const boites::Demande& d) {
    m_boites.append(Boite{d.genre, d.texte, d.titre, d.style, d.defaut, d.dossier, d.filtre, d.fichier, d.flags, false});
    auto convient = [&d](Prevue::Type t) {
        switch (t) {
            case Prevue::Message: return d.genre == boites::Genre::Message;
            case Prevue::Saisie: return d.genre == boites::Genre::Saisie;
            case Prevue::Fichier: return d.genre == boites::Genre::Ouvrir || d.genre == boites::Genre::Enregistrer;
            case Prevue::Couleur: return d.genre == boites::Genre::Couleur;
            case Prevue::Police: return d.genre == boites::Genre::Police;
            case Prevue::Impression: return d.genre == boites::Genre::Imprimante;
            case Prevue::Annulation: return true;
        }
        return false;
    };
    if (m_reponses.empty() || !convient(m_reponses.front().type)) {
        m_boites.last().imprevue = true;
        sonavel_test::echec(decrire(d));
        return reponse_imprevue(d);
    }
    const boites::Reponse r = m_reponses.front().reponse;
    m_reponses.pop_front();
    return r;
}

Lancements::Lancements(bool r) : reussite(r) {
    m_precedente = lancement::definir_interception([this](const lancement::Demande& d) {
        m_demandes.append(d);
        return reussite;
    });
}

Lancements::~Lancements() { lancement::definir_interception(std::move(m_precedente)); }
