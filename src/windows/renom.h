#pragma once
// Renames the selected file of the file manager (its extension kept), or every listed file
// to a common name followed by "_" and the last six characters of its own name. The mode is
// the caption of Label6: "Renommer" or "Renommer par bloc".
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class renom : public FormInstance<renom> {
public:
    renom();
    void Form_Load() override;

    TextBox Text1{this};                                       // the new name
    Label Label6{this, QStringLiteral("Renommer")};            // action, and the mode
    Label Label5{this, QStringLiteral("Annuler")};
    Image Image1{this};
    Label Label4{this, QStringLiteral("Label4")};              // what the mode does
    Label Label3{this, QStringLiteral("Renommer comme :")};
    Label Label2{this, QStringLiteral("Label2")};              // the folder
    Label Label1{this, QStringLiteral("Fichier :")};

    // The texts of each mode, as the file manager's commands open the dialog.
    void preparer_fichier(const QString& nom);
    void preparer_bloc();

    void Text1_Click();
    void Label5_Click();
    void Label6_Click();
    void fin_survol();

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void renommer_fichier();
    void renommer_bloc();
    void afficher_dossier();
    void disposer();
};
