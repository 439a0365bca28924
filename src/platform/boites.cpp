#include "platform/boites.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "platform/programme.h"

namespace boites {
namespace {
Interception& hook() {
    static Interception h;
    return h;
}

// The buttons of a style, in their order on the box.
std::vector<int> boutons(int style) {
    switch (style & 7) {
        case 1: return {OK, Annuler};
        case 2: return {Abandonner, Reessayer, Ignorer};
        case 3: return {Oui, Non, Annuler};
        case 4: return {Oui, Non};
        case 5: return {Reessayer, Annuler};
        default: return {OK};
    }
}

QString libelle(int code) {
    switch (code) {
        case Annuler: return QStringLiteral("Annuler");
        case Abandonner: return QStringLiteral("Abandonner");
        case Reessayer: return QStringLiteral("Réessayer");
        case Ignorer: return QStringLiteral("Ignorer");
        case Oui: return QStringLiteral("Oui");
        case Non: return QStringLiteral("Non");
        default: return QStringLiteral("OK");
    }
}

QMessageBox::ButtonRole role(int code) {
    switch (code) {
        case Annuler: case Abandonner: return QMessageBox::RejectRole;
        case Non: return QMessageBox::NoRole;
        case Oui: return QMessageBox::YesRole;
        default: return QMessageBox::AcceptRole;
    }
}

QMessageBox::Icon icone(int style) {
    switch (style & 0x70) {
        case Critique: return QMessageBox::Critical;
        case Question: return QMessageBox::Question;
        case Exclamation: return QMessageBox::Warning;
        case Information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// The answer when the box is closed without a button.
int reponse_fermeture(int style) {
    const std::vector<int> b = boutons(style);
    for (int code : {Annuler, Non})
        if (std::find(b.begin(), b.end(), code) != b.end()) return code;
    return b.front();
}

Demande demande_boite(Genre genre, const QString& texte, const QString& titre) {
    Demande d;
    d.genre = genre;
    d.texte = texte;
    d.titre = titre.isEmpty() ? titre_par_defaut() : titre;
    return d;
}

void traduire_dialogues_qt() {
    // The dialogs of the toolkit speak French when its translation is installed.
    static bool fait = false;
    if (fait || !qApp) return;
    fait = true;
    auto* t = new QTranslator(qApp);
    if (t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(t);
    else
        delete t;
}
}  // namespace

Interception definir_interception(Interception interception) {
    Interception ancienne = std::move(hook());
    hook() = std::move(interception);
    return ancienne;
}

Reponse obtenir(const Demande& demande, const std::function<Reponse()>& fenetre) {
    if (hook()) return hook()(demande);
    traduire_dialogues_qt();
    // The window the box serves is back on top once the box closes: the window manager would
    // otherwise hand the focus, and the top, to whichever window it likes.
    const QPointer<QWidget> servie = QApplication::activeWindow();
    const Reponse r = fenetre();
    if (servie && servie->isVisible()) {
        servie->raise();
        servie->activateWindow();
    }
    return r;
}

QString texte_affiche(const QString& texte) {
    QString r;
    r.reserve(texte.size());
    for (int i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        const bool paire = i + 1 < texte.size() &&
                           ((c == QLatin1Char('\r') && texte[i + 1] == QLatin1Char('\n')) ||
                            (c == QLatin1Char('\n') && texte[i + 1] == QLatin1Char('\r')));
        if (paire) ++i;
        r += (paire || c == QLatin1Char('\r')) ? QChar('\n') : c;
    }
    return r;
}

int reponse_par_defaut(int style) {
    const std::vector<int> b = boutons(style);
    const size_t rang = size_t((style >> 8) & 3);
    return rang < b.size() ? b[rang] : b.front();
}

QString titre_par_defaut() { return programme::nom(); }

}  // namespace boites

int MsgBox(const QString& texte, int style, const QString& titre) {
    using namespace boites;
    Demande d = demande_boite(Genre::Message, texte, titre);
    d.style = style;
    const Reponse r = obtenir(d, [&] {
        QMessageBox boite(icone(style), d.titre, texte_affiche(texte), QMessageBox::NoButton,
                          QApplication::activeWindow());
        boite.setTextFormat(Qt::PlainText);
        const std::vector<int> codes = boutons(style);
        std::vector<QPushButton*> poussoirs;
        for (int code : codes) poussoirs.push_back(boite.addButton(libelle(code), role(code)));
        const size_t rang = size_t((style >> 8) & 3);
        boite.setDefaultButton(poussoirs[rang < poussoirs.size() ? rang : 0]);
        for (size_t i = 0; i < codes.size(); ++i)
            if (codes[i] == reponse_fermeture(style)) boite.setEscapeButton(poussoirs[i]);
        boite.exec();
        Reponse choix;
        for (size_t i = 0; i < codes.size(); ++i)
            if (boite.clickedButton() == poussoirs[i]) choix.code = codes[i];
        return choix;
    });
    return r.code != 0 ? r.code : reponse_fermeture(style);
}

QString InputBox(const QString& invite, const QString& titre, const QString& defaut) {
    using namespace boites;
    Demande d = demande_boite(Genre::Saisie, invite, titre);
    d.defaut = defaut;
    const Reponse r = obtenir(d, [&] {
        QInputDialog saisie(QApplication::activeWindow());
        saisie.setWindowTitle(d.titre);
        saisie.setLabelText(texte_affiche(invite));
        saisie.setTextValue(defaut);
        saisie.setOkButtonText(QStringLiteral("OK"));
        saisie.setCancelButtonText(QStringLiteral("Annuler"));
        // Wide enough for its whole title beside the window manager's buttons (the dialog's
        // layout sets its size from its fields).
        const int titre = QFontMetrics(QApplication::font()).horizontalAdvance(d.titre.trimmed()) + 160;
        for (QLineEdit* champ : saisie.findChildren<QLineEdit*>()) champ->setMinimumWidth(titre);
        Reponse saisi;
        saisi.annule = saisie.exec() != QDialog::Accepted;
        saisi.texte = saisie.textValue();
        return saisi;
    });
    return r.annule ? QString() : r.texte;
}
