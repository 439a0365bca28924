#pragma once
// What list play has to say while one of its ticks runs (the sequencer, the chaining, the
// supervision, the fades, the insertions): never a modal box, which would hold that tick and
// let the other timers run on half-done state, but the non-modal notice window and, while it
// is on, the journal. The tick finishes its state change and the list goes on.
#include <QString>

namespace avis {
// Held by each list-play tick for its run.
class DansUnTic {
public:
    DansUnTic();
    ~DansUnTic();
    DansUnTic(const DansUnTic&) = delete;
    DansUnTic& operator=(const DansUnTic&) = delete;
};
bool dans_un_tic();
// The notice window shows the text (and the journal gets it while on).
void signaler(const QString& texte);
// A message of a command that a tick may also run: a box for the user's own command, the
// notice inside a tick.
void message(const QString& texte, int style);
}  // namespace avis
