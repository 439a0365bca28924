#include "windows/impression.h"

#include <QKeyEvent>
#include <QMenuBar>

impression::impression() {
    setWindowTitle(QStringLiteral("Impression"));
    Text2.hide();
    fichier.ajouter(imprime_moteur);
    fichier.ajouter(enregistre);
    fichier.ajouter_separateur();  // barre1
    fichier.ajouter(quit);
    imprim_.ajouter(imp_page);
    imprim_.ajouter(imp_select);
    menu_text.ajouter(tout);
    menu_text.ajouter(dat);
    menu_text.ajouter(ajout_img);
    menu_text.ajouter(ajout_pol);
    menu_text.ajouter(ajout_coul);
    m_barre = new QMenuBar(this);
    m_barre->setNativeMenuBar(false);
    ajouter_menu(m_barre, fichier);
    ajouter_menu(m_barre, imprim_);
    ajouter_menu(m_barre, menu_text);

    imprime_moteur.Click = [this] { imprime_moteur_Click(); };
    enregistre.Click = [this] { enregistre_Click(); };
    quit.Click = [this] { quit_Click(); };
    imp_page.Click = [this] { imp_page_Click(); };
    imp_select.Click = [this] { imp_select_Click(); };
    tout.Click = [this] { tout_Click(); };
    dat.Click = [this] { dat_Click(); };
    ajout_img.Click = [this] { ajout_img_Click(); };
    ajout_pol.Click = [this] { ajout_pol_Click(); };
    ajout_coul.Click = [this] { ajout_coul_Click(); };
    RichTextBox1.MouseUp = [this](int b, int s, float x, float y) { RichTextBox1_MouseUp(b, s, x, y); };
    // Key preview: Esc reaches the window while the text has the focus.
    RichTextBox1.installEventFilter(this);
    resize(640, 480);
}

void impression::Form_Resize() {
    const int haut = m_barre->sizeHint().height();
    m_barre->setGeometry(0, 0, width(), haut);
    RichTextBox1.setGeometry(0, haut, width(), qMax(0, height() - haut));
}

void impression::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    Form_Resize();
}

void impression::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return;
    }
    Form::keyPressEvent(e);
}

bool impression::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &RichTextBox1 && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return true;
    }
    return Form::eventFilter(objet, e);
}
