#pragma once
// The monitor of list play: the random-draw history, a trace of the draws, the entry last
// read and the play-order mode. The draw routines write into it directly, shown or not.
#include <QGroupBox>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/liste_simple.h"

class liste : public FormInstance<liste> {
public:
    liste();

    ListBox List1{this};  // the history, or the rows drawn and read
    ListBox List2{this};  // trace of the draws
    Label Label1{this, QStringLiteral("Index précédent validé")};
    Label Label2{this, QStringLiteral("Nom du fichier")};  // "Dans fichier " & list file
    Label Label3{this, QStringLiteral("Nombre a chercher / en cours")};
    Label Label4{this};  // lines of List1 last counted
    Label Label5{this};  // nb_index_tires
    Label Label6{this, QStringLiteral("Nouveau tableau (Nb Index validé)")};
    Label Label7{this, QStringLiteral("Trouvé")};
    Label Label8{this, QStringLiteral("Lecture durée piste")};  // play-order mode
    Label Label9{this, QStringLiteral("Validé")};
    QGroupBox Frame1{this};  // shown while the list plays at random
    Label Label10{&Frame1, QStringLiteral("Nb aléatoire")};
    // The entry last read.
    Label Label11{this, QStringLiteral("Info fichier chargé")};
    Label Label12{this, QStringLiteral("Nom")};
    Label Label13{this, QStringLiteral("Début a :")};
    Label Label14{this, QStringLiteral("fin a")};
    Label Label15{this, QStringLiteral("Volume")};
    Label Label16{this, QStringLiteral("Durée piste")};
    Label Label17{this, QStringLiteral("genre")};
    TextBox Text1{this};  // the row last recorded in the history
    TextBox Text2{this};  // "Total index ( n)" / "Oui ce nombre existe"
    TextBox Text3{this};  // the row drawn
    CommandButton Command1{this, QStringLiteral("Quitter")};
    CommandButton Command2{this, QStringLiteral("Charger tableau")};
    CommandButton Command3{this, QStringLiteral("Liste clear")};
    CommandButton Command4{this, QStringLiteral("Tableau clear")};
    CommandButton Command5{this, QStringLiteral("Charger dans le tableau")};

    // The entry just read into enreg_destinataire (its stored volume percent apart): its
    // details, and in list order its row and name added to the trace.
    void afficher_entree(int16_t pourcent);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
};
