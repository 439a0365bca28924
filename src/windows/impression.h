#pragma once
// The print window: the paths of a list file in a rich-text box, which the user may format
// (font and colour of the selection, date, pictures), save as RTF and print whole or in part.
// Its procedures live in src/playlist/impression_liste.cpp.
#include <QString>
#include <cstdint>

#include "platform/controles.h"
#include "platform/dialogue_commun.h"
#include "platform/form.h"
#include "platform/rtf_boite.h"

class QMenuBar;

class impression : public FormInstance<impression> {
public:
    impression();
    void Form_Load() override;
    void Form_Unload() override;

    RichTextBox RichTextBox1{this};
    DialogueCommun CommonDialog1{this};
    TextBox Text2{this};  // hidden: the list file's name, read for its extension
    QString extension;    // the text after the last "." of the list file's name

    MenuItem fichier{this, QStringLiteral("Fichier"), MenuItem::SousMenu};
    MenuItem imprime_moteur{this, QStringLiteral("Ouvrir")};
    MenuItem enregistre{this, QStringLiteral("Enregistre sous")};
    MenuItem quit{this, QStringLiteral("Quitter")};
    MenuItem imprim_{this, QStringLiteral("Imprimer"), MenuItem::SousMenu};
    MenuItem imp_page{this, QStringLiteral("Imprimer la page")};
    MenuItem imp_select{this, QStringLiteral("Imprimer la sélection")};
    MenuItem menu_text{this, QStringLiteral("Option"), MenuItem::SousMenu};
    MenuItem tout{this, QStringLiteral("Effacer tout")};
    MenuItem dat{this, QStringLiteral("Insérer la date")};
    MenuItem ajout_img{this, QStringLiteral("Ajouter une image")};
    MenuItem ajout_pol{this, QStringLiteral("Modifier la police de la sélection")};
    MenuItem ajout_coul{this, QStringLiteral("Modifier la couleur de la sélection")};

    void Form_Resize();
    void Form_KeyPress(int16_t KeyAscii);
    void RichTextBox1_MouseUp(int Button, int Shift, float X, float Y);
    void imprime_moteur_Click();
    void enregistre_Click();
    void quit_Click();
    void imp_page_Click();
    void imp_select_Click();
    void tout_Click();
    void dat_Click();
    void ajout_img_Click();
    void ajout_pol_Click();
    void ajout_coul_Click();
    void reup_extention();

    // True once the window is going away (a load failed, or the user left it): it is hidden
    // at once and unloaded when control returns to the event loop.
    bool fermeture_demandee() const { return m_fermeture; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // Fills the document from fichier_impression (asks for a file when there is none).
    void charger_liste();
    void imprimer();
    void fermer();
    QMenuBar* m_barre = nullptr;
    bool m_fermeture = false;
};
