#pragma once
// Long work without a nested event loop. The slow part of each step (stat a file, measure it,
// read a folder) runs on a worker thread, the steps one after the other; what a step found is
// applied on the window thread as an event, in step order. The window thread never waits on
// the disk, so the list on air goes on between two applications.
//
//   auto t = travail::lancer(n,
//       [chemins](int i) -> travail::Application {   // worker thread: no widget here
//           const bool existe = QFileInfo::exists(chemins[i]);
//           return [i, existe] { ... };               // window thread: find the row again
//       },
//       [](bool complet) { ... });                    // window thread, once, always
//
// `fin` runs once whatever happens: every step applied (complet), or the work stopped by
// arreter(), by an Erreur thrown while a step was applied, or by its owner's destruction.
#include <QObject>
#include <functional>
#include <memory>

namespace travail {
using Application = std::function<void()>;
using Etape = std::function<Application(int index)>;
// A step of a work whose number of steps is known only as it goes: it sets `dernier` on its
// last step.
using EtapeOuverte = std::function<Application(int index, bool& dernier)>;
using Fin = std::function<void(bool complet)>;

class Travail {
public:
    virtual ~Travail() = default;
    // Asks the work to stop: no step starts after the one running; `fin(false)` follows.
    virtual void arreter() = 0;
    virtual bool fini() const = 0;
};

// Starts a work of `etapes` steps (0 is allowed: `fin(true)` comes as an event). Steps 0 ..
// etapes - 1 run on one worker in order. A step that throws applies nothing. When `proprietaire`
// is given, its destruction stops the work and `fin` is not run any more (nothing is left to
// restore).
std::shared_ptr<Travail> lancer(int etapes, Etape etape, Fin fin, QObject* proprietaire = nullptr);
// The same, for steps 0, 1, ... until one sets `dernier` (its own application is the last).
std::shared_ptr<Travail> lancer_jusqu_au_bout(EtapeOuverte etape, Fin fin, QObject* proprietaire = nullptr);

// Number of works started and not yet ended (their `fin` not yet run).
int en_cours();
}  // namespace travail
