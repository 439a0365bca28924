#pragma once
// The options dialog "Paramètres / Options": the settings of chaining and mixing and the two
// automatic insertions. Fields are checked when they lose the focus; the store is written
// only by "Sauvegarder". It is hidden, never unloaded, when closed.
#include <QPixmap>
#include <cstdint>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class Form_options : public FormInstance<Form_options> {
public:
    Form_options();

    Label Label1{this};   // name and version
    Label Label2{this};   // "Paramètres Sonavel V5"
    Image Image1{this};   // close picture
    CheckBox Check1{this};
    TextBox Text1{this};
    CommandButton Command1{this};
    TextBox Text2{this};
    Label Label3{this};
    TextBox Text3{this};
    Label Label4{this};
    TextBox Text4{this};
    Label Label5{this};
    TextBox Text5{this};
    Label Label6{this};
    TextBox Text6{this}, Text14{this};
    Label Label7{this};
    TextBox Text7{this};
    Label Label8{this};
    TextBox Text8{this};
    CheckBox Check2{this};
    TextBox Text13{this};
    CommandButton Command4{this};
    TextBox Text12{this};
    Label Label12{this};
    TextBox Text11{this};
    Label Label10{this};
    TextBox Text10{this};
    ComboBox Cb1{this}, Cb2{this};
    Label Label9{this}, Label13{this};
    CommandButton Command3{this};  // "Sauvegarder"
    CommandButton Command2{this};  // "Annuler"
    Label Label11{this};           // information panel

    void Form_Load() override;
    void Form_MouseMove();
    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void Command2_Click();
    void Image1_Click();
    void Image1_MouseDown();
    void Image1_MouseUp();
    void Image1_MouseMove();
    void recup_nom1();
    void recup_nom2();

    void Text1_LostFocus();
    void Text13_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void Text5_LostFocus();
    void Text6_LostFocus();
    void Text14_LostFocus();
    void Text7_LostFocus();
    void Text8_LostFocus();
    void Text11_LostFocus();
    void Text10_LostFocus();
    void Check1_Click();
    void Check2_Click();
    void Check1_LostFocus();
    void Check2_LostFocus();
    void Label12_DblClick();

    // The help text of a control, as the pointer over it puts it in Label11 (the window
    // itself gives the background's text).
    QString texte_aide(const QWidget* controle);
    // Shows the help text of a control in Label11 (Text2 and Text12 update their tooltip).
    void aide_survol(QWidget* controle);

    // Private flags, -1 true.
    int16_t images_trouvees = 0;
    int16_t jingle_coche = 0;
    int16_t new_coche = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void disposer();
    QPixmap m_fond;
};
