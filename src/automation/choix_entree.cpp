#include "automation/choix_entree.h"

#include <QDateTime>
#include <QRegularExpression>
#include <random>

namespace choix {

namespace {
std::mt19937& generateur() {
    static std::mt19937 g(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    return g;
}
// Random candidates tried before the draw takes the first free row.
constexpr int TiragesMax = 64;
}  // namespace

void semer(uint32_t graine) { generateur().seed(graine); }

double aleatoire() { return std::uniform_real_distribution<double>(0.0, 1.0)(generateur()); }

int32_t boucler(int32_t index, int32_t lignes) { return index == lignes + 1 ? 1 : index; }

int32_t suivant(int32_t index, int32_t lignes) { return boucler(index + 1, lignes); }

Tirage tirer(QVector<int32_t>& historique, int32_t& nombre, int32_t quitte, int32_t lignes) {
    Tirage t;
    nombre += 1;
    if (nombre >= lignes) {
        historique.clear();
        nombre = 1;
        t.historique_vide = true;
    }
    historique.resize(nombre);
    historique[nombre - 1] = quitte;
    if (lignes < 1) return t;  // nothing to draw from: the caller's row read fails
    auto libre = [&](int32_t i) { return !historique.contains(i); };
    for (int essai = 0; essai < TiragesMax; ++essai) {
        const int32_t candidat = int32_t(aleatoire() * lignes) + 1;
        if (libre(candidat)) {
            t.index = candidat;
            return t;
        }
        t.rejetes.append(candidat);
    }
    const int32_t depart = int32_t(aleatoire() * lignes);
    for (int32_t k = 0; k < lignes; ++k) {
        const int32_t candidat = (depart + k) % lignes + 1;
        if (libre(candidat)) {
            t.index = candidat;
            return t;
        }
    }
    // Every row is in the history: only a one-row list gets here, and its row repeats.
    t.index = 1;
    return t;
}

bool a_sauter(const QString& chemin, const QString& dernier_chemin, int32_t lignes) {
    if (chemin.isEmpty()) return true;
    return chemin == dernier_chemin && lignes > 1;
}

bool Passe::encore(int32_t index, int32_t lignes) {
    m_vus.insert(index);
    ++m_essais;
    return m_vus.size() < lignes && m_essais <= 2 * lignes + TiragesMax;
}

void Passe::recommencer() {
    m_vus.clear();
    m_essais = 0;
}

bool chemin_reseau(const QString& chemin) {
    static const QRegularExpression schema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    return chemin.startsWith(QStringLiteral("//")) || chemin.startsWith(QStringLiteral("\\\\")) ||
           schema.match(chemin).hasMatch();
}

bool moment_preparation(int32_t duree, int32_t superposition, int32_t prechargement, int32_t seconde) {
    return seconde == duree - (superposition + prechargement);
}

Bascule bascule(int32_t duree, int32_t seconde, int32_t superposition, int32_t max_jingles, bool fin_barre) {
    if (fin_barre) return Bascule::FinPiste;
    if (duree - superposition != seconde) return Bascule::Attendre;
    if (duree == 0) return Bascule::Effacer;
    if (duree >= 1 && duree <= max_jingles) return Bascule::Jingle;
    if (duree > max_jingles) return Bascule::Zap;
    return Bascule::Attendre;
}

}  // namespace choix
