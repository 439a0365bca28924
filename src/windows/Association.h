#pragma once
// File-type association: one extension (the usual audio and video ones, the list files, or
// one typed by the user) opened by the program, with an icon for that type, written into
// the user's own desktop files. Closing only hides the window; the choices stay.
#include "platform/controles.h"
#include "platform/form.h"

class Association : public FormInstance<Association> {
public:
    Association();
    void Form_Load() override;

    // Controls, in their creation order.
    TextBox Text2{this};  // the chosen icon's name
    OptionButton Option6{this, QStringLiteral("fichier .dfm")};
    OptionButton Option5{this, QStringLiteral("Autre fichier audio ou vidéo")};
    OptionButton Option4{this, QStringLiteral("Fichier AVI")};
    OptionButton Option3{this, QStringLiteral("Fichier WMA")};
    OptionButton Option2{this, QStringLiteral("Fichier WAV")};
    OptionButton Option1{this, QStringLiteral("Fichier MP3")};
    TextBox Text1{this};  // a free extension, with its leading point
    Label Command3{this, QStringLiteral("Chercher icone pour fichier audio")};
    Shape Shape2{this}, Shape1{this};
    Label Label1{this, QStringLiteral("Personnaliser vos fichiers audio ou vidéo avec un icone par type de format")};
    Label CréationAssociation{this, QStringLiteral("Appliquer")};
    Label Command2{this, QStringLiteral("Annuler / Fermer")};
    Label Label3{this};

    QString chemin_icone;  // full path of the chosen icon ("" = none)

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Command3_Click();
    void CréationAssociation_Click();
    void Command2_Click();
    void survol(Label& l);
    void fin_survol();

    // The MIME type of the program's list files.
    static constexpr const char* TypeListe = "application/x-sonavel-liste";
    // A typed extension: a point and 1 to 10 letters or digits.
    static bool extension_valide(const QString& extension);

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void choisir(const QString& extension);
};
