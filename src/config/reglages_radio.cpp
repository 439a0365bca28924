#include "config/reglages_radio.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/programme.h"
#include "platform/reglages.h"

namespace Radio {
namespace {
std::function<void()>& fin_choisie() {
    static std::function<void()> f;
    return f;
}
}  // namespace

QString lire_reglage(const char* section, const char* cle, const QString& defaut) {
    return reglages::lire(QString::fromUtf8(cle::Application), QString::fromUtf8(section), QString::fromUtf8(cle),
                          defaut);
}

namespace {
int commandes_en_cours = 0;  // nested CommandeReglages
bool refus_dit = false;      // the command under way has said its refusal
}  // namespace

CommandeReglages::CommandeReglages() {
    if (commandes_en_cours++ == 0) refus_dit = false;
}
CommandeReglages::~CommandeReglages() { --commandes_en_cours; }

bool ecrire_reglage_discret(const char* section, const char* cle, const QString& valeur) {
    return reglages::ecrire(QString::fromUtf8(cle::Application), QString::fromUtf8(section), QString::fromUtf8(cle),
                            valeur);
}

void signaler_reglage_non_enregistre() {
    if (commandes_en_cours > 0 && refus_dit) return;
    refus_dit = true;
    MsgBox(QStringLiteral("Réglage non enregistré : ") + reglages::chemin_fichier() + QStringLiteral("\r") +
               reglages::derniere_erreur(),
           boites::Exclamation);
}

bool ecrire_reglage(const char* section, const char* cle, const QString& valeur) {
    if (ecrire_reglage_discret(section, cle, valeur)) return true;
    signaler_reglage_non_enregistre();
    return false;
}

bool ecrire_position(const char* cle, int twips) {
    const int borne = std::clamp(twips, int(INT16_MIN), int(INT16_MAX));
    return ecrire_reglage_discret(cle::Position, cle, QString::number(borne));
}

QString dossier_programme() {
    QString d = programme::dossier();
    if (d.size() > 1 && d.endsWith(QLatin1Char('/'))) d.chop(1);
    return d;
}

void End() {
    if (fin_choisie()) fin_choisie()();
    // Settings and the journal are written through at once; nothing is pending.
    std::fflush(nullptr);
    std::_Exit(0);
}

std::function<void()> definir_fin(std::function<void()> fin) {
    std::function<void()> avant = std::move(fin_choisie());
    fin_choisie() = std::move(fin);
    return avant;
}
}  // namespace Radio
