#pragma once
// The playlist's long work (file check, information update): one at a time, from its start to
// the end of its closing boxes. What must wait for it (an unload of the playlist window) runs
// once it is over. The file check and the update share it because the update begins with the
// check.
#include <QPersistentModelIndex>
#include <functional>

class ListView;
class Liste_son;
class QObject;

namespace travail_liste {
// A check or an update of the list is under way, its closing boxes included.
bool occupe();
// A second start while one runs: says so and returns true.
bool refuser_si_occupe();
// The work begins; the destruction of `fenetre` (its owner) ends the busy state.
void commencer(QObject* fenetre);
// The work is over: what waited for it runs now, once.
void terminer();
// Runs `action` once the work under way is over, at once when none is.
void apres(std::function<void()> action);

// A work's own cursor: each row it works on is followed by a persistent index taken at its
// start. The row it stands for now, 1-based; 0 once the row left the list.
int ligne_de(const QPersistentModelIndex& p);
QPersistentModelIndex index_de(ListView& vue, int ligne);

// The whole-list check; `suite`, when given, is the information update that follows it when
// rows remain (the update's own cancellation is said by the check's closing).
void verifier_liste(Liste_son& liste, std::function<void()> suite);
// The one-entry check of the selected row (or the first); `suite` as above.
void verifier_entree(Liste_son& liste, std::function<void()> suite);
}  // namespace travail_liste
