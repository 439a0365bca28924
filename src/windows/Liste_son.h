#pragma once
// The playlist window: the list and its commands. Its controls come with its own features.
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/liste_vue.h"

class Liste_son : public FormInstance<Liste_son> {
public:
    Liste_son();

    ListView ListView1{this};  // the playlist
    Label Label1{this};        // "En cours index N° : (row)"
    Label Label2{this};        // short name of the file on air
    Label Label4{this};        // time left, hh:mm:ss
    Label Label11{this};       // deck-mix status
    Label Label12{this};       // zapping state
    Image Image1{this};        // list play
    Image Image2{this};        // zap
    // ---- What the decks show here: the file on air and its time.
    // List play: 1 continuous by the decks, 2 random, 3 defined end, 4 track duration.
    OptionButton Option1{this, QStringLiteral("Lecture continue")};
    OptionButton Option2{this, QStringLiteral("Lecture aléatoire")};
    OptionButton Option3{this, QStringLiteral("Fin définie")};
    OptionButton Option4{this, QStringLiteral("Durée piste")};
    void Option1_Click();
};
