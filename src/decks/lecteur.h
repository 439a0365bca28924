#pragma once
// One deck of the main window: its graph views and the controls that show and drive it.
// The three decks share one implementation with the deck number as a parameter; the
// per-deck entry points (`charge_1`, `play2`, `HLBSoftBttn11_Click`, ...) call it.
#include <QString>

#include "platform/media.h"

class Label;
class Timer;
class PositionBar;
class Slider;
class Image;
class OwnerDrawnButton;
class MenuItem;

// The four views of a deck's graph; a load replaces graphe, position and audio together and
// leaves video.
struct TypeLecteur {
    IMediaControl graphe;
    IMediaPosition position;
    IBasicAudio audio;
    IVideoWindow video;
};

// The controls and module variables of deck n (1 to 3), by role.
struct ControlesLecteur {
    int numero;
    Label& titre;            // Label2 / Label3 / Label4
    Timer& defilement;       // Timer5 / Timer6 / Timer7
    Label& duree;            // Label6 / Label1 / Label9
    PositionBar& barre;      // picProgBack / picProgBack1 / picProgBack2
    Slider& volume;          // Slider / Slider1 / Slider2
    Label& pourcent;         // Label21 / Label22 / Label23
    Image& ouvrir;           // Command1 / Command2 / Command7
    Image& lire;             // Command3 / Command4 / Command6
    Image& zap;              // HLBSoftBttn1 / 2 / 3
    OwnerDrawnButton& mix_special;    // HLBSoftBttn8 / 6 / 7
    OwnerDrawnButton& stop;           // HLBSoftBttn9 / 10 / 11
    OwnerDrawnButton& pause;          // HLBSoftBttn12 / 13 / 14
    OwnerDrawnButton& garde_volume;   // HLBSoftBttn15 / 16 / 17
    OwnerDrawnButton& retour;         // HLBSoftBttn18 / 19 / 20
    OwnerDrawnButton& avance;         // ReyCommand1 / 2 / 3
    TypeLecteur& lecteur;
    QString& chemin;              // chemin_lecteur1..3
    QString& duree_liste;         // duree_lecteur1..3
    QString& fin_lecture;         // fin_lecture_lecteur1..3
};

// The next deck of the ring 1 -> 2 -> 3 -> 1, and the one before it (0 for no deck).
inline int lecteur_suivant(int n) { return n == 0 ? 0 : n % 3 + 1; }
inline int lecteur_precedent(int n) { return n == 0 ? 0 : (n + 1) % 3 + 1; }
