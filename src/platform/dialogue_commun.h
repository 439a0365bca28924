#pragma once
// The common dialogs of a window: file open and save, colour, font and printer, sharing
// their properties as one object, as the windows use them.
//
// A dialog that is cancelled raises error 32755 when CancelError is set; otherwise it leaves
// the properties as they were. Each Show returns whether the user accepted.
// Filters are "description|patterns|description|patterns" with patterns separated by ";";
// patterns match names without regard to case. A file chosen in a file dialog makes its
// folder the current folder (the callers then use the bare name).
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "platform/boites.h"

class QPrinter;
class QWidget;

class DialogueCommun {
public:
    explicit DialogueCommun(QWidget* parent = nullptr);
    ~DialogueCommun();

    QString DialogTitle;
    QString InitDir;         // "" = the current folder
    QString FileName;        // in: proposed name (a pattern like "*.dfm" is not a name); out: full path
    QString FileTitle;       // out: the chosen file's name alone
    QString Filter;
    int FilterIndex = 1;     // 1-based
    bool CancelError = false;
    int32_t Color = 0;       // platform colour layout: red in the low byte
    int Flags = 0;           // printer: 1 = print the selection
    QString FontName;
    double FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;

    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowFont();
    bool ShowPrinter();

    // The printer the printer dialog sets up (created on first use).
    QPrinter& imprimante();

    // The filters in the toolkit's form, "description (patterns)", patterns made
    // case-insensitive ("*.mp3" -> "*.[mM][pP]3"; "*.*" -> "*").
    static QStringList filtres_qt(const QString& filtre);
    // Does the file name match one of the ";"-separated patterns, without regard to case?
    static bool correspond(const QString& nom, const QString& motifs);

private:
    boites::Demande demande(boites::Genre genre) const;
    bool montrer_fichier(bool ouvrir);
    bool conclure(bool accepte);
    QFont police() const;

    QWidget* m_parent;
    std::unique_ptr<QPrinter> m_imprimante;
};
