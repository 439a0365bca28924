#pragma once
// The decisions of a list run, apart from the windows and the decks: the next row in list
// order, the random draw without repeat against the history, which rows a search skips, when
// a search has done a full pass for nothing, and what the chaining tick does at a given second.
// The tick handlers read the view and the decks, call these and act.
#include <QSet>
#include <QString>
#include <QVector>
#include <cstdint>

namespace choix {

// ---- The one random generator of the program: seeded once from the clock at first use;
// tests seed it to get the same draws on every run.
void semer(uint32_t graine);
// A uniform value in [0, 1).
double aleatoire();

// ---- List order.
// The row after `index`; past the last row the list wraps to row 1.
int32_t suivant(int32_t index, int32_t lignes);
// rows + 1 names row 1 (the wrap every search makes before reading a row).
int32_t boucler(int32_t index, int32_t lignes);

// ---- The random draw without repeat.
struct Tirage {
    int32_t index = 0;          // the row drawn
    QVector<int32_t> rejetes;   // candidates drawn again because the history held them
    bool historique_vide = false;  // the history was emptied down to the row left
};
// Records `quitte` (the row on air, or the previous choice) as the last element of the
// history, then draws a row outside it. The history is emptied down to that element once its
// count reaches the number of rows, so a list that shrank under a full history draws again;
// a lone row repeats. The draw never loops for ever: after a bounded number of random
// candidates the first free row after a random start is taken.
Tirage tirer(QVector<int32_t>& historique, int32_t& nombre, int32_t quitte, int32_t lignes);

// ---- Searching for a playable row.
// A row is skipped when its path is empty (missing file) or is the path last sent to a deck;
// in a one-row list the lone row repeats.
bool a_sauter(const QString& chemin, const QString& dernier_chemin, int32_t lignes);

// The error text of a search that found nothing to play.
inline QString aucune_entree() { return QStringLiteral("Aucune entrée jouable dans la liste"); }

// Counts the rows a search has looked at: the search stops once it has seen every row (one
// full pass) or made more attempts than a pass can need, so a tick never spins.
class Passe {
public:
    // One more row looked at; false once the pass is over with nothing playable.
    bool encore(int32_t index, int32_t lignes);
    // A row was removed: the rows after it moved up, the pass starts again.
    void recommencer();

private:
    QSet<int32_t> m_vus;
    int32_t m_essais = 0;
};

// ---- Paths.
// A network path is not checked on disk: "//" or "\\" first, or a URL scheme ("smb://").
// An ordinary "/" path is local.
bool chemin_reseau(const QString& chemin);

// ---- Timing.
// The sequencer prepares the next entry on the one second duration - (overlap + preload).
bool moment_preparation(int32_t duree, int32_t superposition, int32_t prechargement, int32_t seconde);

// What the chaining tick does for the deck on air.
enum class Bascule {
    Attendre,   // nothing this second
    Effacer,    // a track without length at its mix point: no change-over, the current row is cleared
    FinPiste,   // the track has ended (bar at 100 %): next row, started at once
    Jingle,     // a short track at its mix point: next row started at once, no fade
    Zap,        // a longer track at its mix point: a list zap with a fade
};
// `duree` is the rounded duration label, `seconde` the rounded position shown, `fin_barre`
// the deck's bar reading 100 %.
Bascule bascule(int32_t duree, int32_t seconde, int32_t superposition, int32_t max_jingles, bool fin_barre);

}  // namespace choix
