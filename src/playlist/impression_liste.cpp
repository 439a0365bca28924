// The print window's procedures: a list file becomes a document of its paths, which the user
// formats, saves as RTF and prints.
#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "windows/impression.h"

using namespace Radio;

namespace {
const QString CR = QStringLiteral("\r");

// Text at the end of the document; "\n" starts a new paragraph.
void ajouter_texte(RichTextBox& boite, const QString& texte) {
    QTextCursor c(boite.document());
    c.movePosition(QTextCursor::End);
    c.insertText(texte);
}
}  // namespace

void impression::Form_Load() { charger_liste(); }

void impression::Form_Unload() { fichier_impression.clear(); }

void impression::fermer() {
    m_fermeture = true;
    hide();
    // Unloaded once the handler that asked for it has returned (it may be one of the window's
    // own menus).
    QPointer<impression> moi(this);
    QTimer::singleShot(0, qApp, [moi] {
        if (moi && moi->isHidden()) decharger_fenetre(moi);
    });
}

void impression::charger_liste() {
    // The program's name, then an empty line.
    RichTextBox1.setPlainText(programme::nom() + QStringLiteral("\n\n"));
    bool choisi_ici = false;
    try {
        if (fichier_impression.isEmpty()) {
            CommonDialog1.FileName = QString();
            CommonDialog1.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
            CommonDialog1.DialogTitle = QStringLiteral("Rechercher un fichier");
            if (CommonDialog1.ShowOpen()) fichier_impression = CommonDialog1.FileName;
            choisi_ici = true;
            ajouter_texte(RichTextBox1, QStringLiteral("Fichier ") + fichier_impression + QStringLiteral("\n"));
            ajouter_texte(RichTextBox1, QStringLiteral("Fichier crée le ") + rt::Date() + QStringLiteral(" a : ") +
                                            rt::Time() + QStringLiteral("\n\n"));
            setCursor(Qt::BusyCursor);
        }
        reup_extention();
        // A name chosen here counts in lower case (names on disk keep theirs); a name the
        // playlist window set must say "dfm" itself.
        if (choisi_ici) extension = extension.toLower();
        if (extension != QLatin1String("dfm")) {
            unsetCursor();
            MsgBox(QStringLiteral("Mauvais format de fichier !"), boites::Exclamation);
            return;
        }
        const QByteArray contenu = fichier_liste::lire(fichier_impression);
        QString chemins;
        const int n = int(contenu.size() / enreg_liste::Longueur);
        for (int i = 0; i < n; ++i)
            chemins += rt::Trim(enreg_liste::decoder(contenu.mid(qsizetype(i) * enreg_liste::Longueur,
                                                                 enreg_liste::Longueur))
                                    .chemin) +
                       QStringLiteral("\n");
        ajouter_texte(RichTextBox1, chemins);
        MsgBox(QStringLiteral("Le fichier est pret a etre imprimé") + QStringLiteral("\n\r\n\r") +
                   QStringLiteral("Il est possible également avant l'impréssion,") + CR +
                   QStringLiteral("De formater le texte ,") + CR + QStringLiteral("Changer la police de caractère ,") +
                   CR + QStringLiteral("Ou bien y ajouter ou insérer une image."),
               boites::Information);
        unsetCursor();
    } catch (const Erreur&) {
        unsetCursor();
        fermer();
    }
}

void impression::reup_extention() {
    Text2.setText(fichier_impression);
    const int point = Text2.Text().lastIndexOf(QLatin1Char('.'));
    if (point >= 0) extension = Text2.Text().mid(point + 1);
}

void impression::imprime_moteur_Click() { charger_liste(); }

void impression::enregistre_Click() {
    try {
        programme::aller_au_dossier();
        CommonDialog1.FileName = QString();
        CommonDialog1.Filter = QStringLiteral("fichier (*.rtf)|*.rtf");
        CommonDialog1.DialogTitle = QStringLiteral("Enregistrer sous un fichier");
        // The save dialog: a new file's name can be typed in it. The title is its own: the
        // picture dialog opened later is not a save.
        const bool choisi = CommonDialog1.ShowSave();
        CommonDialog1.DialogTitle.clear();
        if (!choisi || CommonDialog1.FileName.isEmpty()) return;
        RichTextBox1.SaveFile(CommonDialog1.FileName);
    } catch (const Erreur&) {
    }
}

void impression::quit_Click() { fermer(); }

void impression::Form_KeyPress(int16_t KeyAscii) {
    if (KeyAscii == 27) fermer();
}

void impression::RichTextBox1_MouseUp(int Button, int, float, float) {
    if (Button == 2) menu_text.PopupMenu();
}

void impression::imprimer() {
    CommonDialog1.Flags = 264 + (RichTextBox1.SelLength() != 0 ? 1 : 0);
    try {
        // A cancelled dialog prints nothing (an error only when CancelError asks for one).
        if (!CommonDialog1.ShowPrinter()) return;
        if (!RichTextBox1.SelPrint(CommonDialog1.imprimante())) throw Erreur(err::ErreurImprimante);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Information);
    }
}

void impression::imp_page_Click() {
    imprimer();
    fichier_impression.clear();
}

void impression::imp_select_Click() {
    // From now on a cancel in the window's dialogs counts as an error.
    CommonDialog1.CancelError = true;
    imprimer();
}

void impression::tout_Click() {
    RichTextBox1.clear();
    fichier_impression.clear();
}

void impression::dat_Click() {
    ajouter_texte(RichTextBox1, QLocale().toString(rt::maintenant().date(), QStringLiteral("dddd, dd MMMM yyyy")));
}

void impression::ajout_img_Click() {
    try {
        CommonDialog1.Filter = QStringLiteral("bitmap (*.bmp)|*.bmp|Icone (*.ico)|*.ico|fichier (*.gif)|*.gif");
        if (!CommonDialog1.ShowOpen()) return;
        if (!RichTextBox1.inserer_image(CommonDialog1.FileName)) throw Erreur(err::AppelInvalide);
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Erreur "), boites::Information);
    }
}

void impression::ajout_pol_Click() {
    try {
        CommonDialog1.Flags = 259;
        if (!CommonDialog1.ShowFont()) return;
        RichTextBox1.setSelFont(CommonDialog1.FontName, CommonDialog1.FontSize, CommonDialog1.FontBold,
                                CommonDialog1.FontItalic, CommonDialog1.FontStrikethru, CommonDialog1.FontUnderline);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Information);
    }
}

void impression::ajout_coul_Click() {
    try {
        if (CommonDialog1.ShowColor()) RichTextBox1.setSelColor(CommonDialog1.Color);
    } catch (const Erreur&) {
        // a cancel counted as an error: the colour stays
    }
}
