#include "decks/lecteur.h"

#include "config/etat.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

ControlesLecteur Radio_FM::deck(int n) {
    using namespace Radio;
    switch (n) {
    case 1:
        return {1, Label2, Timer5, Label6, picProgBack, Slider, Label21, Command1, Command3,
                HLBSoftBttn1, HLBSoftBttn8, HLBSoftBttn9, HLBSoftBttn12, HLBSoftBttn15,
                HLBSoftBttn18, ReyCommand1, lecteur1, chemin_lecteur1, duree_lecteur1,
                fin_lecture_lecteur1};
    case 2:
        return {2, Label3, Timer6, Label1, picProgBack1, Slider1, Label22, Command2, Command4,
                HLBSoftBttn2, HLBSoftBttn6, HLBSoftBttn10, HLBSoftBttn13, HLBSoftBttn16,
                HLBSoftBttn19, ReyCommand2, lecteur2, chemin_lecteur2, duree_lecteur2,
                fin_lecture_lecteur2};
    case 3:
        return {3, Label4, Timer7, Label9, picProgBack2, Slider2, Label23, Command7, Command6,
                HLBSoftBttn3, HLBSoftBttn7, HLBSoftBttn11, HLBSoftBttn14, HLBSoftBttn17,
                HLBSoftBttn20, ReyCommand3, lecteur3, chemin_lecteur3, duree_lecteur3,
                fin_lecture_lecteur3};
    }
    throw Erreur(err::IndiceHorsLimites);
}
