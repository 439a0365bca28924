#include "support/graphe_simule.h"

#include <QHash>
#include <algorithm>

#include "platform/erreur.h"

namespace {
struct Fichier {
    double duree;
    bool son;
    bool image;
};
QHash<QString, Fichier>& table() {
    static QHash<QString, Fichier> t;
    return t;
}
std::vector<GrapheSimule*>& graphes() {
    static std::vector<GrapheSimule*> g;
    return g;
}
int& dernier_numero() {
    static int n = 0;
    return n;
}
}  // namespace

GrapheSimule::Installation::Installation() {
    reinitialiser();
    m_avant = FilgraphManager::installer_fabrique([] { return std::make_shared<GrapheSimule>(); });
}

GrapheSimule::Installation::~Installation() { FilgraphManager::installer_fabrique(m_avant); }

GrapheSimule::GrapheSimule() : m_numero(++dernier_numero()) { graphes().push_back(this); }

GrapheSimule::~GrapheSimule() {
    auto& g = graphes();
    g.erase(std::remove(g.begin(), g.end(), this), g.end());
}

void GrapheSimule::definir(const QString& chemin, double duree, bool son, bool image) {
    table().insert(chemin, {duree, son, image});
}

void GrapheSimule::reinitialiser() {
    table().clear();
    journal().clear();
    dernier_numero() = 0;
}

void GrapheSimule::avancer(double secondes) {
    for (GrapheSimule* g : graphes())
        if (g->m_etat == etat_graphe::EnLecture)
            g->m_position = std::min(g->m_duree, g->m_position + secondes);
}

const std::vector<GrapheSimule*>& GrapheSimule::vivants() { return graphes(); }

QStringList& GrapheSimule::journal() {
    static QStringList j;
    return j;
}

void GrapheSimule::noter(const QString& operation, const QString& argument) const {
    QString ligne = QString::number(m_numero) + QLatin1Char(' ') + operation;
    if (!argument.isNull()) ligne += QLatin1Char(' ') + argument;
    journal().append(ligne);
}

void GrapheSimule::RenderFile(const QString& chemin) {
    noter(QStringLiteral("RenderFile"), chemin);
    auto it = table().constFind(chemin);
    if (it == table().constEnd())
        throw Erreur(err::RenduImpossible, QStringLiteral("Resource not found."));
    m_chemin = chemin;
    m_duree = it->duree;
    m_son = it->son;
    m_image = it->image;
    m_position = 0;
    m_etat = etat_graphe::Arrete;
}

void GrapheSimule::Run() {
    noter(QStringLiteral("Run"));
    m_etat = etat_graphe::EnLecture;
}

void GrapheSimule::Pause() {
    noter(QStringLiteral("Pause"));
    m_etat = etat_graphe::EnPause;
}

void GrapheSimule::Stop() {
    noter(QStringLiteral("Stop"));
    m_etat = etat_graphe::Arrete;
}

int32_t GrapheSimule::GetState(int32_t) { return m_etat; }
double GrapheSimule::Duration() { return m_duree; }
double GrapheSimule::CurrentPosition() { return m_position; }

void GrapheSimule::setCurrentPosition(double secondes) {
    noter(QStringLiteral("CurrentPosition"), QString::number(secondes));
    m_position = std::clamp(secondes, 0.0, m_duree);
}

int32_t GrapheSimule::Volume() {
    exiger_son(m_son);
    return m_volume;
}

void GrapheSimule::setVolume(int32_t niveau) {
    noter(QStringLiteral("Volume"), QString::number(niveau));
    exiger_son(m_son);
    verifier_niveau(niveau);
    m_volume = niveau;
}

QString GrapheSimule::Caption() { return m_titre; }

void GrapheSimule::setCaption(const QString& titre) {
    noter(QStringLiteral("Caption"), titre);
    m_titre = titre;
}
