#pragma once
// The help viewer's window: shows the help file of the program folder in a rich-text box,
// lets the user edit, format, print and regenerate it, and saves it whenever it is left.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "platform/controles.h"
#include "platform/dialogue_commun.h"
#include "platform/form.h"
#include "platform/rtf_boite.h"

// The viewer's own version information (the regenerated help names it).
struct InfoApplication {
    QString EXEName = QStringLiteral("Aide_Sonavel");
    QString Title = QStringLiteral("Aide Sonavel");
    QString FileDescription = QStringLiteral("Aide Sonavel");
    int Major = 5, Minor = 8, Revision = 0;
};

class aide_prog : public FormInstance<aide_prog> {
public:
    aide_prog();

    using Application = InfoApplication;
    static inline Application App;

    // The help file, one exact name for reading and writing.
    static constexpr const char* NomFichierAide = "aide_sonavel_V5.rtf";
    static QString chemin_aide();
    // Ends the program (tests replace it).
    static inline std::function<void()> fin_programme;

    Label Label1{this, QStringLiteral("Aide Sonavel V5")};
    Label Label2{this, QStringLiteral("Fermer")};
    CommandButton Command2{this, QStringLiteral("Sauvez les données")};
    CommandButton HLBSoftBttn1{this, QStringLiteral("Créer ou mettre a jour l'aide (la mise en forme est perdu)")};
    RichTextBox RichTextBox1{this};
    DialogueCommun Dialogue1{this};
    MenuItem menu_text{this, QStringLiteral("Menu"), MenuItem::SousMenu};
    MenuItem tout{this, QStringLiteral("Effacer tout")};
    MenuItem dat{this, QStringLiteral("Insérer la date")};
    MenuItem ajout_img{this, QStringLiteral("Ajouter une image")};
    MenuItem ajout_pol{this, QStringLiteral("Modifier la police de la sélection")};
    MenuItem ajout_coul{this, QStringLiteral("Modifier la couleur de la sélection")};
    MenuItem imp_select{this, QStringLiteral("Imprimer la sélection")};
    MenuItem imp_page{this, QStringLiteral("Imprimer la page")};

    // The theme colours of the shared settings, as stored (decimal text).
    QString coul_texte_liste, coul_text_bouton, coul_label, coul_fond_liste, coul_fenètre, coul_bouton;

    void Form_Load() override;
    void Form_Resize();
    void Form_KeyPress(int16_t KeyAscii);
    void Form_Unload(int16_t& Cancel);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Label2_Click();
    void Label2_MouseMove(int Button, int Shift, float X, float Y);
    void RichTextBox1_MouseUp(int Button, int Shift, float X, float Y);
    void Command2_Click();
    void HLBSoftBttn1_Click();
    void tout_Click();
    void dat_Click();
    void ajout_coul_Click();
    void ajout_pol_Click();
    void ajout_img_Click();
    void imp_page_Click();
    void imp_select_Click();
    // Writes the built-in help text as plain lines into the help file and shows it.
    void info();

    // The built-in help text, one entry per line.
    static QStringList texte_aide(const Application& app);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void sauver_et_terminer();
    // Saves the help file; false, after saying so, when it could not be written.
    bool sauver();
    void imprimer();

    bool m_en_sortie = false;  // the help file is saved and the program is ending
};
