#pragma once
// Start-up figures for bench/bench_demarrage. With SONAVEL_JALONS set in the environment, each
// step prints "jalon NAME NANOSECONDS" on stderr (the monotonic clock, which the bench shares);
// without it nothing is printed and a step costs one test of a flag.
class QWidget;

namespace jalons {
void marquer(const char* nom);
// Marks `nom` once `fenetre` has been painted for the first time (its first paint handled and
// flushed: the mark comes from the event loop right after that paint).
void au_premier_affichage(QWidget& fenetre, const char* nom);
}  // namespace jalons
