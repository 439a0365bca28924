#pragma once
// Copies the file manager's selected file, under the name of Text2, or every listed file into
// the folder chosen here. The mode is the caption of Command5: "Copie multiple" copies all.
#include <QGroupBox>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/listes_fichiers.h"

class copie : public FormInstance<copie> {
public:
    copie();
    void Form_Load() override;

    QGroupBox Frame1{QStringLiteral("Choix du dossier de destination"), this};
    TextBox Text1{&Frame1};   // the destination folder
    DriveListBox Drive1{&Frame1};
    DirListBox Dir1{&Frame1};
    TextBox Text2{&Frame1};   // the name of the copy (one file)
    Label Command1{&Frame1, QStringLiteral("Annuler/Fermer")};
    Label Command5{&Frame1, QStringLiteral("Copier")};  // action, and the mode
    Label Label5{&Frame1, instruction()};

    static QString instruction() {
        return QStringLiteral("Sélectionner : Disque /  Dossier et, si vous le désirez un nouveau nom");
    }
    // The texts of each mode, as the file manager's commands open the dialog.
    void preparer_fichier(const QString& nom);
    void preparer_tout(const QString& dossier, const QString& volume);

    void Dir1_Change();
    void Drive1_Change();
    void Command1_Click();
    void Command5_Click();
    void fin_survol();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void copier_fichier();
    void copier_tout();
    // The state of a fresh load: what a completed single copy leaves for the next opening.
    void etat_initial();
};
