#pragma once
// Drive, folder and file lists: the file manager's browsing controls. "Drives" are the
// mounted volumes. Setting a property from code runs its change handler at once when the
// value changes, as a choice by the user would.
#include <QComboBox>
#include <QListWidget>
#include <QString>

#include "platform/couleurs.h"
#include "platform/evenements.h"

namespace listes_fichiers {
// The names the file list shows for a folder and a pattern ("*.mp3;*.wav", "?" and "*",
// without regard to case; "*.*" is every file): plain files, not hidden, sorted by name
// without regard to case.
QStringList fichiers(const QString& dossier, const QString& motif);
// The names of the subfolders the folder list shows, in its order; links to folders are
// left out unless asked for.
QStringList sous_dossiers(const QString& dossier, bool avec_liens = true);
// The name on disk of a file of the folder whose name is nom without regard to case (nom
// itself when it is there), or "" when there is none. One read of the folder.
QString fichier_sans_casse(const QString& dossier, const QString& nom);
}  // namespace listes_fichiers

// The mounted volumes; Drive is the root folder of the one chosen.
class DriveListBox : public QComboBox, public Couleurs {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    QString Drive() const;
    // The entries are the home folder, then the mounted volumes. An entry, or any existing path
    // under one, chooses it (the innermost entry holding the path); anything else is error 68
    // (device unavailable) and changes nothing.
    void setDrive(const QString& drive);
    int ListCount() const { return count(); }
    QString List(int index) const;  // error 381 outside 0..ListCount()-1
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);   // error 380 outside 0..ListCount()-1
    // Reads the home folder and the mounted volumes again.
    void Refresh();

    Gestion Change;

private:
    void choisir(int index);
    int entree_contenant(const QString& chemin) const;
    int m_choisi = -1;
    bool m_par_code = false;
};

// A folder and its neighbourhood: its ancestors (List(-1) is the folder itself, List(-2) its
// parent, ...) above its subfolders (List(0) to List(ListCount()-1), full paths, by name).
// ListIndex is -1 on the folder itself. A double click on a line opens that folder.
class DirListBox : public QListWidget, public Couleurs {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // Absolute, without a trailing "/" (except the root "/").
    QString Path() const { return m_path; }
    // A relative path is taken from the current folder; a path that is not a folder is
    // error 76 and changes nothing.
    void setPath(const QString& path);
    int ListCount() const;
    QString List(int index) const;  // error 381 outside the lines
    int ListIndex() const;
    void setListIndex(int index);   // selects a line without opening it
    // Hidden, the list reads its folder when it is shown or asked for its lines: a hidden
    // file manager pointed at each loaded file's folder does not list it every time.
    void Refresh();

    Gestion Change;  // Path changed
    Gestion Click;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void remplir();  // now when shown, else when next shown or read
    void lire();
    void a_jour() const;
    int ligne_de(int index) const { return index + int(m_ancetres.size()); }

    QString m_path;
    QStringList m_ancetres;  // root first, the folder itself last
    QStringList m_sous_dossiers;
    bool m_par_code = false;
    bool m_a_relire = false;
};

// The files of a folder that match a pattern ("*.mp3;*.wav", without regard to case);
// folders and hidden files are not listed. Names are sorted without regard to case.
class FileListBox : public QListWidget, public Couleurs {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Path() const { return m_path; }
    void setPath(const QString& path);  // as DirListBox::setPath; PathChange when it changes
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);  // PatternChange when it changes
    // The name of the selected file ("" when none).
    QString FileName() const;
    int ListCount() const { return count(); }
    QString List(int index) const;  // file names; error 381 outside 0..ListCount()-1
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index);   // -1 clears; error 380 outside -1..ListCount()-1
    // Hidden, as DirListBox::Refresh: the folder is read when the list is shown or read.
    void Refresh();

    // The lines as the list widget gives them, read first when a refresh is pending.
    int count() const;
    QListWidgetItem* item(int row) const;
    QListWidgetItem* currentItem() const;
    int currentRow() const;
    QList<QListWidgetItem*> findItems(const QString& text, Qt::MatchFlags flags) const;
    QList<QListWidgetItem*> selectedItems() const;

    Gestion PathChange;
    Gestion PatternChange;
    Gestion Click;
    Gestion DblClick;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void remplir();
    void a_jour() const;

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_par_code = false;
    bool m_a_relire = false;
};
