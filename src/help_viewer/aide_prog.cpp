#include "help_viewer/aide_prog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/couleurs.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/reglages.h"

namespace {
// A stored colour text as a colour value; false when it is missing or not a 32-bit number.
bool couleur_valide(const QString& texte, int32_t& valeur) {
    bool ok = false;
    const qint64 v = texte.trimmed().toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX) return false;
    valeur = int32_t(v);
    return true;
}
}  // namespace

aide_prog::aide_prog() {
    setWindowTitle(QStringLiteral("Aide programme Sonavel V5"));
    setWindowIcon(QIcon(programme::dossier() + QStringLiteral("Aide_Sonavel.png")));
    setMouseTracking(true);
    Label1.setBackStyle(1);
    Label2.setBackStyle(0);  // a link over the window's own colour
    Label2.setCursor(Qt::PointingHandCursor);
    QFont titre = Label1.font();
    titre.setBold(true);
    titre.setPointSize(titre.pointSize() + 2);
    Label1.setFont(titre);

    menu_text.ajouter(tout);
    menu_text.ajouter(dat);
    menu_text.ajouter(ajout_img);
    menu_text.ajouter(ajout_pol);
    menu_text.ajouter(ajout_coul);
    menu_text.ajouter_separateur();  // bar1
    menu_text.ajouter(imp_select);
    menu_text.ajouter(imp_page);

    Label2.Click = [this] { Label2_Click(); };
    Label2.MouseMove = [this](int b, int s, float x, float y) { Label2_MouseMove(b, s, x, y); };
    RichTextBox1.MouseUp = [this](int b, int s, float x, float y) { RichTextBox1_MouseUp(b, s, x, y); };
    Command2.Click = [this] { Command2_Click(); };
    HLBSoftBttn1.Click = [this] { HLBSoftBttn1_Click(); };
    tout.Click = [this] { tout_Click(); };
    dat.Click = [this] { dat_Click(); };
    ajout_img.Click = [this] { ajout_img_Click(); };
    ajout_pol.Click = [this] { ajout_pol_Click(); };
    ajout_coul.Click = [this] { ajout_coul_Click(); };
    imp_select.Click = [this] { imp_select_Click(); };
    imp_page.Click = [this] { imp_page_Click(); };
    // Key preview: Esc reaches the window even while the text has the focus.
    RichTextBox1.installEventFilter(this);
    resize(760, 560);
}

QString aide_prog::chemin_aide() { return programme::dossier() + QLatin1String(NomFichierAide); }

void aide_prog::Form_Load() {
    programme::aller_au_dossier();
    const QString app = QStringLiteral("Sonavel V5"), section = QStringLiteral("Couleur_liste");
    coul_texte_liste = reglages::lire(app, section, QStringLiteral("coul_texte_liste"), QString());
    coul_text_bouton = reglages::lire(app, section, QStringLiteral("coul_text_bouton"), QString());
    coul_label = reglages::lire(app, section, QStringLiteral("coul_label"), QString());
    coul_fond_liste = reglages::lire(app, section, QStringLiteral("coul_fond_liste"), QString());
    coul_fenètre = reglages::lire(app, section, QStringLiteral("coul_fenètre"), QString());
    coul_bouton = reglages::lire(app, section, QStringLiteral("coul_bouton"), QString());

    // A colour that is missing or not a number leaves the control's own colour.
    int32_t c = 0;
    if (couleur_valide(coul_bouton, c)) {
        Command2.setBackColor(c);
        HLBSoftBttn1.setBackColor(c);
    }
    // Text without a colour of its own shows in the list's text colour.
    if (couleur_valide(coul_texte_liste, c)) {
        RichTextBox1.setForeColor(c);
        Label1.setForeColor(c);
        Label2.setForeColor(c);
    }
    if (couleur_valide(coul_fond_liste, c)) RichTextBox1.setBackColor(c);
    if (couleur_valide(coul_fenètre, c)) {
        appliquer_couleur_fond(this, c);
        Label1.setBackColor(c);
    }
    Form_Resize();

    try {
        RichTextBox1.LoadFile(chemin_aide());
    } catch (const Erreur& e) {
        RichTextBox1.clear();
        MsgBox(e.description(), boites::Exclamation);
    }
}

void aide_prog::Form_Resize() {
    // The bar above the text is 700 twips high; the text fills the rest.
    const int haut = 700 / TwipsParPixel;
    RichTextBox1.setGeometry(0, haut, width(), qMax(0, height() - 680 / TwipsParPixel));
    Label1.setGeometry(8, 10, 150, 26);
    Command2.setGeometry(166, 8, 150, 30);
    HLBSoftBttn1.setGeometry(324, 8, qMax(0, qMin(400, width() - 324 - 80)), 30);
    Label2.setGeometry(qMax(0, width() - 70), 10, 62, 26);
}

void aide_prog::Form_KeyPress(int16_t KeyAscii) {
    if (KeyAscii == 27) sauver_et_terminer();
}

void aide_prog::Form_Unload(int16_t& Cancel) {
    Cancel = 0;
    sauver_et_terminer();
    if (!m_en_sortie) Cancel = 1;  // the save failed: the window stays with the text
}

void aide_prog::Label2_Click() { sauver_et_terminer(); }

void aide_prog::sauver_et_terminer() {
    // Ending the program closes the window, which leads back here: one save per way out.
    if (m_en_sortie) return;
    m_en_sortie = true;
    // A text that could not be saved is not lost: the window stays open, so the user can
    // make room or copy the text elsewhere and leave again.
    if (!sauver()) {
        m_en_sortie = false;
        return;
    }
    if (fin_programme) fin_programme();
    else QCoreApplication::quit();
}

void aide_prog::Form_MouseMove(int, int, float, float) {
    int32_t c = 0;
    if (couleur_valide(coul_label, c)) Label2.setForeColor(c);
}

void aide_prog::Label2_MouseMove(int, int, float, float) {
    int32_t c = 0;
    if (!couleur_valide(coul_label, c)) return;
    const qint64 survol = qint64(c) + 18000;
    if (survol <= INT32_MAX) Label2.setForeColor(int32_t(survol));
}

void aide_prog::RichTextBox1_MouseUp(int Button, int, float, float) {
    if (Button == 2) menu_text.PopupMenu();
}

void aide_prog::Command2_Click() { sauver(); }

bool aide_prog::sauver() {
    programme::aller_au_dossier();
    try {
        RichTextBox1.SaveFile(chemin_aide());
        return true;
    } catch (const Erreur&) {
        // The safe write left the old file whole.
        MsgBox(QStringLiteral("Erreur sauvegarde"), 0);
        return false;
    }
}

void aide_prog::HLBSoftBttn1_Click() { info(); }

void aide_prog::tout_Click() { RichTextBox1.clear(); }

void aide_prog::dat_Click() {
    // At the insertion point, in the format there: the rest of the text keeps its own.
    const QString date =
        QLocale(QLocale::French, QLocale::France).toString(rt::maintenant().date(), QStringLiteral("dddd, dd MMMM yyyy"));
    RichTextBox1.textCursor().insertText(date);
}

void aide_prog::ajout_coul_Click() {
    try {
        // A cancelled dialog changes nothing.
        if (Dialogue1.ShowColor()) RichTextBox1.setSelColor(Dialogue1.Color);
    } catch (const Erreur&) {
        // a cancel counted as a failure (after "Imprimer la sélection"): nothing changes
    }
}

void aide_prog::ajout_pol_Click() {
    try {
        Dialogue1.Flags = 259;
        if (!Dialogue1.ShowFont()) return;
        RichTextBox1.setSelFont(Dialogue1.FontName, Dialogue1.FontSize, Dialogue1.FontBold, Dialogue1.FontItalic,
                                Dialogue1.FontStrikethru, Dialogue1.FontUnderline);
        programme::aller_au_dossier();
        RichTextBox1.SaveFile(chemin_aide());
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Erreur ouverture boite de police de caractére"), boites::Information);
    }
}

void aide_prog::ajout_img_Click() {
    try {
        Dialogue1.Filter = QStringLiteral(
            "bitmap (*.bmp)|*.bmp|Icone (*.ico)|*.ico|fichier (*.gif)|*.gif|image (*.png;*.jpg)|*.png;*.jpg;*.jpeg");
        if (Dialogue1.ShowOpen() && RichTextBox1.inserer_image(Dialogue1.FileName)) return;
    } catch (const Erreur&) {
    }
    MsgBox(QStringLiteral("Erreur "), boites::Information);
}

void aide_prog::imp_page_Click() { imprimer(); }

void aide_prog::imp_select_Click() {
    // From now on a cancel in the shared dialog counts as a failure.
    Dialogue1.CancelError = true;
    imprimer();
}

void aide_prog::imprimer() {
    Dialogue1.Flags = 264 + (RichTextBox1.SelLength() != 0 ? 1 : 0);
    try {
        // A cancel that is not a failure prints nothing.
        if (!Dialogue1.ShowPrinter()) return;
        if (!RichTextBox1.SelPrint(Dialogue1.imprimante())) throw Erreur(err::AppelInvalide);
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Erreur impréssion"), boites::Information);
    }
}

void aide_prog::info() {
    programme::aller_au_dossier();
    QByteArray contenu;
    for (const QString& ligne : texte_aide(App)) contenu += ligne.toUtf8() + "\r\n";
    try {
        fichiers::reecrire_fichier(chemin_aide(), contenu);
        RichTextBox1.setTextRTF(fichiers::lire_fichier(chemin_aide()));
    } catch (const Erreur& e) {
        // The old file and the text stay; the user learns the help was not written.
        MsgBox(QStringLiteral("Erreur sauvegarde\r") + e.description(), boites::Critique);
    }
}

void aide_prog::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    Form_Resize();
}

void aide_prog::keyPressEvent(QKeyEvent* e) {
    const int code = evenement::code_caractere(e);
    if (code) evenement::utilisateur([&] { Form_KeyPress(int16_t(code)); });
    Form::keyPressEvent(e);
}

bool aide_prog::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &RichTextBox1 && e->type() == QEvent::KeyPress &&
        evenement::code_caractere(static_cast<QKeyEvent*>(e)) == 27) {
        evenement::utilisateur([&] { Form_KeyPress(27); });
        return true;
    }
    return Form::eventFilter(objet, e);
}

void aide_prog::closeEvent(QCloseEvent* e) {
    int16_t Cancel = 0;
    evenement::utilisateur([&] { Form_Unload(Cancel); });
    if (Cancel) e->ignore();
    else e->accept();
}

void aide_prog::mouseMoveEvent(QMouseEvent* e) {
    evenement::souris([this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); }, e);
    Form::mouseMoveEvent(e);
}
