#pragma once
// Controls with the platform's event semantics, as thin Qt widgets. They carry no system
// behaviour: the windows give them handlers (std::function members named as the events).
//
// Rules kept here, on which the system relies:
// - selecting an option button from code runs its Click when it was not selected before;
// - changing a check box's value from code runs its Click;
// - setting a slider's value from code runs its Change at once when the value changes;
// - checking a menu item from code runs nothing;
// - a handler raised by a setter runs before the setter returns, and an error it raises
//   reaches the code that called the setter.
// Handlers raised by the user are connected to what the user does, never to change
// signals that code also triggers.
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <functional>

#include "platform/couleurs.h"
#include "platform/evenements.h"

class QAction;
class QMenu;
class QMenuBar;

// A label, often used as a button or a menu title: click, double click, mouse events with
// the pointer tracked (hover effects are set by the handlers through ForeColor).
class Label : public QLabel, public Couleurs {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr, const QString& caption = QString());

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // 0 transparent (the background shows through), 1 opaque (BackColor painted).
    int BackStyle() const { return m_back_style; }
    void setBackStyle(int style);

    // The label takes the size of its text whenever the text or the font changes: a wrapped
    // label keeps its width and grows or shrinks in height, another takes its text's width.
    // The top left corner stays.
    bool AutoSize() const { return m_auto_taille; }
    void setAutoSize(bool actif);

    Gestion Click;
    Gestion DblClick;
    GestionSouris MouseDown;
    GestionSouris MouseUp;
    GestionSouris MouseMove;

protected:
    void couleurs_changees() override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void ajuster_taille();
    QString m_caption;
    int m_back_style = 1;
    bool m_presse = false;
    bool m_auto_taille = false;
};

// A one-line text box. Change runs whenever the text changes, by the user or by code.
class TextBox : public QLineEdit, public Couleurs {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void setText(const QString& texte);
    // Selection: start (0-based) and length.
    void setSelStart(int debut);
    void setSelLength(int longueur);

    Gestion Change;
    Gestion Click;
    Gestion GotFocus;
    Gestion LostFocus;
    GestionSouris MouseMove;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool m_par_code = false;
};

// A drop-down box with an editable text. Items are numbered from 0; ListIndex -1 is no item.
// Adding items never changes the text or the selected item. Click runs when the user picks
// an item or when code changes ListIndex.
class ComboBox : public QComboBox, public Couleurs {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    QString Text() const;
    void setText(const QString& texte);
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);  // -1 to ListCount()-1, else error 380
    int ListCount() const { return count(); }
    QString List(int index) const;  // error 381 outside 0..ListCount()-1
    void AddItem(const QString& texte, int index = -1);
    void RemoveItem(int index);
    void Clear();

    Gestion Click;
    Gestion Change;  // the user edits the text
    // A key giving a character is pressed in the box: the handler may change the code, 0
    // swallows the key. Any other code goes on to the box as the key pressed.
    std::function<void(int16_t& KeyAscii)> KeyPress;
    Gestion KeyUp;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool m_par_code = false;
};

// A check box with the values 0 (cleared), 1 (checked), 2 (greyed). The user toggles
// between 0 and 1.
class CheckBox : public QCheckBox, public Couleurs {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr, const QString& caption = QString());

    int Value() const;
    void setValue(int valeur);  // 0, 1 or 2, else error 380; Click runs when it changes
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    Gestion Click;
    GestionSouris MouseMove;

protected:
    void nextCheckState() override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_par_code = false;
};

// An option button. The option buttons of one parent widget form one group: selecting one
// clears the others.
class OptionButton : public QRadioButton, public Couleurs {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr, const QString& caption = QString());

    bool Value() const { return isChecked(); }
    void setValue(bool selectionne);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    Gestion Click;
    Gestion GotFocus;
    GestionSouris MouseMove;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_par_code = false;
};

// A slider, 0 to 20 unless set otherwise. Change runs when code sets a new value (at once)
// and when a move by the user ends; Scroll runs while the user drags. Values outside
// Min..Max are brought to the nearest bound.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);

    int Value() const { return value(); }
    void setValue(int valeur);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void setMin(int v) { setMinimum(v); }
    void setMax(int v) { setMaximum(v); }

    Gestion Change;
    Gestion Scroll;
    Gestion Click;
    GestionSouris MouseDown;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_par_code = false;
    int m_valeur_appui = 0;
};

// A plain command button, optionally with a picture.
class CommandButton : public QPushButton, public Couleurs {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& caption = QString());

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    QString Picture() const { return m_image; }
    // A picture that cannot be loaded is ignored: the button keeps its picture. Returns
    // whether the picture was set ("" removes it).
    bool setPicture(const QString& chemin);

    Gestion Click;

private:
    QString m_image;
};

// A rectangle drawn on the window (the decks' on-air markers).
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);

    int32_t BorderColor() const { return m_bord; }
    void setBorderColor(int32_t c);
    int32_t FillColor() const { return m_remplissage; }
    void setFillColor(int32_t c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int32_t m_bord = couleur::TexteFenetre;
    int32_t m_remplissage = couleur::rgb(0, 255, 0);
};

// A menu item, or a menu when it has items of its own. Checking it from code runs nothing;
// Click runs when the user picks it (or presses its shortcut while it is enabled). For a
// menu, Click runs when it opens. The check mark only changes through Checked.
class MenuItem : public QObject {
    Q_OBJECT
public:
    enum Genre { Commande, SousMenu };
    MenuItem(QObject* parent, const QString& caption, Genre genre = Commande);
    ~MenuItem() override;

    QString Caption() const;
    void setCaption(const QString& caption);
    bool Checked() const { return m_coche; }
    void setChecked(bool coche);
    bool Enabled() const;
    void setEnabled(bool actif);
    bool Visible() const;
    void setVisible(bool visible);
    void setShortcut(const QKeySequence& touche);

    // Items of a menu, in order.
    void ajouter(MenuItem& item);
    void ajouter_separateur();
    QAction* action() const { return m_action; }
    QMenu* menu() const { return m_menu; }  // null for a plain item
    // Shows the menu as a pop-up at the pointer, without waiting for a choice.
    void PopupMenu();
    // Runs the item as a pick by the user would (does nothing when disabled or hidden).
    void choisir();

    Gestion Click;

private:
    QMenu* m_menu = nullptr;
    QAction* m_action = nullptr;
    bool m_coche = false;
};

// Puts a top-level menu on a menu bar.
void ajouter_menu(QMenuBar* barre, MenuItem& menu);

// Picture loading shared by the picture controls: "" clears; a file that cannot be read as a
// picture leaves the pixmap as it was and returns false.
bool charger_image(const QString& chemin, QPixmap& image);
// Pictures decoded ahead on worker threads while the program does other work: until
// oublier_images_prechargees, charger_image takes such a picture in place of reading its file
// (a file that did not decode is read again as usual).
void precharger_images(const QStringList& chemins);
void oublier_images_prechargees();
