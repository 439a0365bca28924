#pragma once
// The mini player: a small remote control of the decks of the main window, kept on top. Its
// buttons act on the deck on air through the main window's handlers.
#include <cstdint>

#include "platform/controles.h"
#include "platform/form.h"
#include "windows/Radio_FM.h"

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
    TextBox Label1{this};          // the title on air

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void pause_mini();
    // One command per typed key (upper and lower case alike); true when the key was used.
    bool Form_KeyPress(int16_t KeyAscii);
    void Form_GotFocus();
    void Form_DblClick();
    void Label1_Click();
    void Label1_DblClick();
    // Set by a click on the title, cleared by a double click: the title is being read.
    bool titre_selectionne = false;

    // Runs the main window's handler of the deck on air (deck 1, 2, 3); with no deck on air,
    // says so and returns false.
    bool sur_lecteur_en_cours(Radio_FM::Procedure deck1, Radio_FM::Procedure deck2, Radio_FM::Procedure deck3);
    // Leaves the top layer and stores the window's place.
    void sauver_position();
    // The program's end: the mini player shown keeps its place.
    void Form_Unload() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
