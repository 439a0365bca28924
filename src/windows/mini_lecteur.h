#pragma once
// The mini player: a small remote control of the decks of the main window. Its buttons act
// on the deck on air through the main window's handlers.
#include "platform/controles.h"
#include "platform/form.h"

class mini_lecteur : public FormInstance<mini_lecteur> {
public:
    mini_lecteur();

    CommandButton Command1{this};  // play
    CommandButton Command2{this};  // zap to the next deck
    CommandButton Command3{this};  // stop
    CommandButton Command4{this};  // back to the playlist window
    CommandButton Command5{this};  // close
    CommandButton Command6{this};  // rewind
    CommandButton Command7{this};  // skip forward
    TextBox Label1{this};          // seconds left of the deck on air
};
