#pragma once
// The main program's access to the settings store (application "Sonavel V5"), and the small
// run-time services of its start-up: the program folder as the settings keep it, failing
// statements that are skipped, and the immediate end of the program.
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/erreur.h"

namespace Radio {
// The stored text of a key of application "Sonavel V5" (defaut when it is missing).
QString lire_reglage(const char* section, const char* cle, const QString& defaut = QString());
// Stores a setting the user changed; false when the store refused it. A refusal is said to
// the user (a warning naming the settings file and why), once per command: within a
// CommandeReglages only the first refusal is said.
bool ecrire_reglage(const char* section, const char* cle, const QString& valeur);
// The same without a word: start-up writes, and writers that report a failure themselves.
bool ecrire_reglage_discret(const char* section, const char* cle, const QString& valeur);
// The warning for a setting that could not be stored (once per command, as above).
void signaler_reglage_non_enregistre();
// One user command that stores several settings: its refusals are said once.
class CommandeReglages {
public:
    CommandeReglages();
    ~CommandeReglages();
    CommandeReglages(const CommandeReglages&) = delete;
    CommandeReglages& operator=(const CommandeReglages&) = delete;
};
// Stores a window position in twips. A window placed beyond the 16-bit range (far right on
// a wide desktop) is stored at the nearest bound, so the next start can still read it.
bool ecrire_position(const char* cle, int twips);

// The program folder as the platform gives it: no trailing "/" (except the root "/").
QString dossier_programme();

// Runs statements that may fail, skipping each failing one and remembering the last error
// number, as a procedure that goes on past its errors does.
class ReprendreSurErreur {
public:
    template <class F>
    void operator()(F&& instruction) {
        try {
            instruction();
        } catch (const Erreur& e) {
            m_numero = e.numero();
            m_description = e.description();
        }
    }
    int Number() const { return m_numero; }
    const QString& Description() const { return m_description; }

private:
    int m_numero = 0;
    QString m_description;
};

// Ends the program at once: no window is unloaded and nothing more is saved.
[[noreturn]] void End();
// Tests replace the end with a function that throws (an empty function restores the real
// end); the previous one is returned.
std::function<void()> definir_fin(std::function<void()> fin);
}  // namespace Radio
