#pragma once
// Message boxes, input boxes and the requests of the common dialogs.
//
// Message styles are the platform's numbers, added together: buttons 0 OK, 1 OK/Cancel,
// 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel; icons 16 critical,
// 32 question, 48 exclamation, 64 information; default button 0 first, 256 second, 512 third.
// So 292 = Yes/No, question, No as default. The answer is the code of the button chosen.
//
// Every box and common dialog goes through one hook: while an interception is set (tests),
// it answers instead of a window.
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

namespace boites {
// Answer codes.
constexpr int OK = 1, Annuler = 2, Abandonner = 3, Reessayer = 4, Ignorer = 5, Oui = 6, Non = 7;
// Style parts.
constexpr int OuiNon = 4, Critique = 16, Question = 32, Exclamation = 48, Information = 64,
              DeuxiemeBouton = 256;

enum class Genre { Message, Saisie, Ouvrir, Enregistrer, Couleur, Police, Imprimante };

// What is asked, as the caller built it.
struct Demande {
    Genre genre = Genre::Message;
    QString texte;         // message text or input prompt, exactly as built
    QString titre;         // the title shown (the default one filled in)
    int style = 0;         // message style
    QString defaut;        // input box: the proposed text
    QString dossier;       // file dialogs: initial folder
    QString filtre;        // file dialogs: "description|patterns|..."
    QString fichier;       // file dialogs: the file name set before showing
    int index_filtre = 1;  // file dialogs: 1-based filter selected
    int32_t couleur = 0;   // colour dialog: the colour set before (platform layout)
    QFont police;          // font dialog: the font set before
    int flags = 0;         // common dialogs: the Flags property
};

// The answer. A cancelled box or dialog has annule set; a message box always has a code.
struct Reponse {
    bool annule = false;
    int code = 0;          // message box: the button's code
    QString texte;         // input box: the text entered
    QString fichier;       // file dialogs: the file chosen; printer: a PDF file to print to
    int index_filtre = 0;  // file dialogs: the filter chosen (0: unchanged)
    int32_t couleur = 0;   // colour dialog
    QFont police;          // font dialog
};

using Interception = std::function<Reponse(const Demande&)>;
// Sets the hook and returns the one it replaces (an empty function shows real windows).
Interception definir_interception(Interception interception);
// The hook's answer when one is set; otherwise the answer of the real window that
// `fenetre` shows.
Reponse obtenir(const Demande& demande, const std::function<Reponse()>& fenetre);

// The text as the box shows it: a carriage return alone, CR-LF and LF-CR each make one line
// break, so LF CR LF CR is an empty line between two lines.
QString texte_affiche(const QString& texte);
// The code of the default button of a style (292 -> 7, 0 -> 1).
int reponse_par_defaut(int style);
// The title shown when the caller gives none: the program's name.
QString titre_par_defaut();
}  // namespace boites

// Shows a message box and returns the code of the button chosen (Esc or closing the box
// answers Cancel when the box has it, else No, else OK).
int MsgBox(const QString& texte, int style = 0, const QString& titre = QString());
// Asks for a text; "" when cancelled.
QString InputBox(const QString& invite, const QString& titre = QString(), const QString& defaut = QString());
