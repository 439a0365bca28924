#pragma once
// The web-information box: the program's name and version, its web site, download page and
// author's e-mail, and how to update the program by hand.
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class infoplus : public FormInstance<infoplus> {
public:
    infoplus();
    void Form_Load() override;

    Label Label2{this, QStringLiteral("cWEB")};
    Label Label4{this, QStringLiteral("Info mise a jour")};
    Label Label3{this, QStringLiteral("Mise a jour")};
    Label Label1{this};  // the author's e-mail address
    Image Image1{this};
    TextBox Text2{this};

    bool WebJump(const QString& adresse);
    void Image1_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label3_MouseMove();
    void Label4_Click();
};
