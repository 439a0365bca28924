#include "platform/dialogue_commun.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "platform/boites.h"
#include "platform/erreur.h"

namespace {
// Pairs of (description, patterns) from "description|patterns|...".
QVector<QPair<QString, QString>> paires(const QString& filtre) {
    QVector<QPair<QString, QString>> r;
    const QStringList parts = filtre.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) r.append({parts[i], parts[i + 1]});
    return r;
}

QString sans_casse(const QString& motif) {
    if (motif.trimmed() == QLatin1String("*.*")) return QStringLiteral("*");
    QString r;
    for (QChar c : motif.trimmed()) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            r += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            r += c;
    }
    return r;
}

QColor vers_qcolor(int32_t c) {
    if (c < 0) return QColor(Qt::black);  // a system colour: no fixed value to start from
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t depuis_qcolor(const QColor& c) { return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16)); }

bool est_motif(const QString& nom) { return nom.contains(QLatin1Char('*')) || nom.contains(QLatin1Char('?')); }
}  // namespace

DialogueCommun::DialogueCommun(QWidget* parent) : m_parent(parent) {}
DialogueCommun::~DialogueCommun() = default;

QStringList DialogueCommun::filtres_qt(const QString& filtre) {
    QStringList r;
    for (const auto& [description, motifs] : paires(filtre)) {
        QStringList m;
        for (const QString& motif : motifs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) m << sans_casse(motif);
        // The dialog hides the last "(...)", which carries the patterns: the description
        // shows as the caller wrote it.
        r << description.trimmed() + QLatin1String(" (") + m.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return r;
}

bool DialogueCommun::correspond(const QString& nom, const QString& motifs) {
    for (const QString& motif : motifs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString m = motif.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : motif.trimmed();
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(m),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(nom).hasMatch()) return true;
    }
    return false;
}

QPrinter& DialogueCommun::imprimante() {
    if (!m_imprimante) m_imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_imprimante;
}

QFont DialogueCommun::police() const {
    QFont f;
    if (!FontName.isEmpty()) f.setFamily(FontName);
    if (FontSize > 0) f.setPointSizeF(FontSize);
    f.setBold(FontBold);
    f.setItalic(FontItalic);
    f.setStrikeOut(FontStrikethru);
    f.setUnderline(FontUnderline);
    return f;
}

// Cancel: error 32755 when asked for, else nothing changes.
bool DialogueCommun::conclure(bool accepte) {
    if (!accepte && CancelError) throw Erreur(err::Annulation);
    return accepte;
}

bool DialogueCommun::ShowOpen() { return montrer_fichier(true); }
bool DialogueCommun::ShowSave() { return montrer_fichier(false); }

boites::Demande DialogueCommun::demande(boites::Genre genre) const {
    boites::Demande d;
    d.genre = genre;
    // The title set by the caller names its file dialogs; the colour, font and printer
    // dialogs keep their own.
    switch (genre) {
    case boites::Genre::Couleur: d.titre = QStringLiteral("Couleur"); break;
    case boites::Genre::Police: d.titre = QStringLiteral("Police"); break;
    case boites::Genre::Imprimante: d.titre = QStringLiteral("Imprimer"); break;
    default: d.titre = DialogTitle;
    }
    d.flags = Flags;
    return d;
}

bool DialogueCommun::montrer_fichier(bool ouvrir) {
    boites::Demande d = demande(ouvrir ? boites::Genre::Ouvrir : boites::Genre::Enregistrer);
    if (d.titre.isEmpty()) d.titre = ouvrir ? QStringLiteral("Ouvrir") : QStringLiteral("Enregistrer sous");
    d.dossier = InitDir;
    d.filtre = Filter;
    d.fichier = FileName;
    d.index_filtre = FilterIndex;
    const boites::Reponse r = boites::obtenir(d, [&] {
        QFileDialog dlg(m_parent, d.titre, InitDir.isEmpty() ? QDir::currentPath() : InitDir);
        // The toolkit's own dialog: it takes our case-insensitive patterns and hides them.
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setOption(QFileDialog::HideNameFilterDetails);
        dlg.setAcceptMode(ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        // Callers ask their own question before replacing a file.
        if (!ouvrir) dlg.setOption(QFileDialog::DontConfirmOverwrite);
        dlg.setFileMode(QFileDialog::AnyFile);
        const QStringList filtres = filtres_qt(Filter);
        if (!filtres.isEmpty()) {
            dlg.setNameFilters(filtres);
            dlg.selectNameFilter(filtres.value(qBound(1, FilterIndex, int(filtres.size())) - 1));
        }
        if (!FileName.isEmpty() && !est_motif(FileName)) dlg.selectFile(FileName);
        boites::Reponse choix;
        choix.annule = dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty();
        if (!choix.annule) {
            choix.fichier = dlg.selectedFiles().constFirst();
            choix.index_filtre = int(filtres.indexOf(dlg.selectedNameFilter())) + 1;
        }
        return choix;
    });
    if (r.annule || r.fichier.isEmpty()) return conclure(false);
    const QFileInfo fi(r.fichier);
    FileName = fi.absoluteFilePath();
    FileTitle = fi.fileName();
    if (r.index_filtre > 0) FilterIndex = r.index_filtre;
    QDir::setCurrent(fi.absolutePath());
    return conclure(true);
}

bool DialogueCommun::ShowColor() {
    boites::Demande d = demande(boites::Genre::Couleur);
    d.couleur = Color;
    const boites::Reponse r = boites::obtenir(d, [&] {
        const QColor c = QColorDialog::getColor(vers_qcolor(Color), m_parent, d.titre);
        boites::Reponse choix;
        choix.annule = !c.isValid();
        choix.couleur = depuis_qcolor(c);
        return choix;
    });
    if (!r.annule) Color = r.couleur;
    return conclure(!r.annule);
}

bool DialogueCommun::ShowFont() {
    boites::Demande d = demande(boites::Genre::Police);
    d.police = police();
    const boites::Reponse r = boites::obtenir(d, [&] {
        bool ok = false;
        boites::Reponse choix;
        choix.police = QFontDialog::getFont(&ok, d.police, m_parent, d.titre);
        choix.annule = !ok;
        return choix;
    });
    if (!r.annule) {
        FontName = r.police.family();
        FontSize = r.police.pointSizeF();
        FontBold = r.police.bold();
        FontItalic = r.police.italic();
        FontStrikethru = r.police.strikeOut();
        FontUnderline = r.police.underline();
    }
    return conclure(!r.annule);
}

bool DialogueCommun::ShowPrinter() {
    QPrinter& p = imprimante();
    const bool selection = Flags & 1;
    p.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    bool reelle = false;
    const boites::Demande d = demande(boites::Genre::Imprimante);
    const boites::Reponse r = boites::obtenir(d, [&] {
        reelle = true;
        QPrintDialog dlg(&p, m_parent);
        dlg.setWindowTitle(d.titre);
        dlg.setOption(QAbstractPrintDialog::PrintSelection, selection);
        boites::Reponse choix;
        choix.annule = dlg.exec() != QDialog::Accepted;
        return choix;
    });
    // A test's answer may name a PDF file to print to.
    if (!reelle && !r.annule && !r.fichier.isEmpty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(r.fichier);
    }
    return conclure(!r.annule);
}
