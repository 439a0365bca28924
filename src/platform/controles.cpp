#include "platform/controles.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <future>

#include "platform/erreur.h"
#include "platform/par_code.h"

namespace {
using controles_interne::lancer;
using controles_interne::ParCode;

// A picture decoded ahead, with what identified its file then: a file changed since is read
// again.
struct Decodee {
    QImage image;
    qint64 taille = -1;
    QDateTime modifie;
};
Decodee decoder(const QString& chemin) {
    const QFileInfo avant(chemin);
    Decodee d{QImageReader(chemin).read(), avant.size(), avant.lastModified()};
    return d;
}
bool meme_fichier(const QString& chemin, const Decodee& d) {
    const QFileInfo f(chemin);
    return f.size() == d.taille && f.lastModified() == d.modifie;
}

// Absolute path -> the picture being decoded; touched by the GUI thread only.
QHash<QString, std::shared_future<Decodee>>& prechargees() {
    static QHash<QString, std::shared_future<Decodee>> p;
    return p;
}
// The one worker that decodes them, in the order given (a thread more costs more than it saves).
std::future<void>& decodage() {
    static std::future<void> d;
    return d;
}
}  // namespace

void precharger_images(const QStringList& chemins) {
    auto promesses = std::make_shared<std::vector<std::pair<QString, std::promise<Decodee>>>>();
    for (const QString& chemin : chemins) {
        const QString absolu = QFileInfo(chemin).absoluteFilePath();
        if (chemin.isEmpty() || prechargees().contains(absolu)) continue;
        promesses->emplace_back(absolu, std::promise<Decodee>());
        prechargees().insert(absolu, promesses->back().second.get_future().share());
    }
    if (promesses->empty()) return;
    if (decodage().valid()) decodage().wait();
    decodage() = std::async(std::launch::async, [promesses] {
        for (auto& [chemin, promesse] : *promesses) promesse.set_value(decoder(chemin));
    });
}

void oublier_images_prechargees() {
    if (decodage().valid()) decodage().wait();
    prechargees().clear();
}

bool charger_image(const QString& chemin, QPixmap& image) {
    if (chemin.isEmpty()) {
        image = QPixmap();
        return true;
    }
    if (!prechargees().isEmpty()) {
        const auto i = prechargees().constFind(QFileInfo(chemin).absoluteFilePath());
        if (i != prechargees().cend()) {
            const Decodee& d = i->get();
            if (!d.image.isNull() && meme_fichier(i.key(), d)) {
                image = QPixmap::fromImage(d.image);
                return true;
            }
        }
    }
    QPixmap p;
    if (!p.load(chemin)) return false;
    image = p;
    return true;
}

// ---- Label

Label::Label(QWidget* parent, const QString& caption) : QLabel(parent), Couleurs(this) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    m_caption = caption;
    setText(texte_affiche(caption));
    if (m_auto_taille) ajuster_taille();
}

void Label::setAutoSize(bool actif) {
    m_auto_taille = actif;
    if (actif) ajuster_taille();
}

void Label::ajuster_taille() {
    if (wordWrap()) {
        resize(width(), heightForWidth(width()));
        return;
    }
    resize(sizeHint());
}

void Label::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (m_auto_taille && e->type() == QEvent::FontChange) ajuster_taille();
}

void Label::setBackStyle(int style) {
    m_back_style = style;
    couleurs_changees();
}

void Label::couleurs_changees() {
    appliquer_couleur_texte(this, ForeColor());
    if (m_back_style == 0) {
        setAutoFillBackground(false);
        return;
    }
    appliquer_couleur_fond(this, BackColor());
}

void Label::mousePressEvent(QMouseEvent* e) {
    m_presse = true;
    evenement::souris(MouseDown, e);
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    evenement::souris(MouseUp, e);
    if (m_presse && rect().contains(e->position().toPoint())) evenement::utilisateur(Click);
    m_presse = false;
}

void Label::mouseDoubleClickEvent(QMouseEvent*) {
    m_presse = false;
    evenement::utilisateur(DblClick);
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    evenement::souris(MouseMove, e);
    QLabel::mouseMoveEvent(e);
}

// ---- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    setMouseTracking(true);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_par_code) evenement::utilisateur(Change);
    });
}

void TextBox::setText(const QString& texte) {
    if (texte == text()) return;
    {
        ParCode p(m_par_code);
        QLineEdit::setText(texte);
    }
    lancer(Change);
}

void TextBox::setSelStart(int debut) { setCursorPosition(debut); }

void TextBox::setSelLength(int longueur) { setSelection(cursorPosition(), longueur); }

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    evenement::utilisateur(Click);
}

void TextBox::mouseMoveEvent(QMouseEvent* e) {
    QLineEdit::mouseMoveEvent(e);
    evenement::souris(MouseMove, e);
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    evenement::utilisateur(GotFocus);
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    evenement::utilisateur(LostFocus);
}

// ---- ComboBox

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int) {
        if (!m_par_code) evenement::utilisateur(Click);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { evenement::utilisateur(Change); });
    // The keys reach the edit part first.
    lineEdit()->installEventFilter(this);
}

bool ComboBox::eventFilter(QObject* objet, QEvent* e) {
    if (objet == lineEdit() && e->type() == QEvent::KeyPress && KeyPress) {
        const int code = evenement::code_caractere(static_cast<QKeyEvent*>(e));
        if (code != 0) {
            int16_t k = int16_t(code);
            evenement::utilisateur([&] { KeyPress(k); });
            if (k == 0) return true;
        }
    } else if (objet == lineEdit() && e->type() == QEvent::KeyRelease && KeyUp) {
        evenement::utilisateur(KeyUp);
    }
    return QComboBox::eventFilter(objet, e);
}

QString ComboBox::Text() const { return currentText(); }

void ComboBox::setText(const QString& texte) {
    ParCode p(m_par_code);
    setEditText(texte);
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= count()) throw Erreur(err::ValeurPropriete);
    if (index == currentIndex()) return;
    {
        ParCode p(m_par_code);
        setCurrentIndex(index);
        if (index == -1) setEditText(QString());
    }
    lancer(Click);
}

QString ComboBox::List(int index) const {
    if (index < 0 || index >= count()) throw Erreur(381);
    return itemText(index);
}

void ComboBox::AddItem(const QString& texte, int index) {
    if (index < -1 || index > count()) throw Erreur(err::AppelInvalide);
    ParCode p(m_par_code);
    const bool aucun = currentIndex() == -1;
    const QString saisi = currentText();
    insertItem(index == -1 ? count() : index, texte);
    // Qt selects the first item added to an empty box; the platform does not.
    if (aucun && currentIndex() != -1) {
        setCurrentIndex(-1);
        setEditText(saisi);
    }
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) throw Erreur(381);
    ParCode p(m_par_code);
    removeItem(index);
}

void ComboBox::Clear() {
    ParCode p(m_par_code);
    clear();
    setEditText(QString());
}

// ---- CheckBox

namespace {
// A check box or option button: the box is always drawn light with a dark mark (the window
// and window-text system colours), so the mark shows whatever colours the caption takes.
void peindre_case(QAbstractButton* b, const QStyleOptionButton& opt, QStyle::PrimitiveElement boite,
                  QStyle::SubElement zone_boite, QStyle::SubElement zone_texte, QStyle::ControlElement texte,
                  QStyle::SubElement zone_focus) {
    QStylePainter p(b);
    QStyleOptionButton o = opt;
    o.rect = b->style()->subElementRect(zone_boite, &opt, b);
    o.palette.setColor(QPalette::Base, couleur_systeme(0x05));
    o.palette.setColor(QPalette::Text, couleur_systeme(0x08));
    o.palette.setColor(QPalette::WindowText, couleur_systeme(0x08));
    p.drawPrimitive(boite, o);
    o = opt;
    o.rect = b->style()->subElementRect(zone_texte, &opt, b);
    p.drawControl(texte, o);
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect f;
        f.QStyleOption::operator=(opt);
        f.rect = b->style()->subElementRect(zone_focus, &opt, b);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
}
}  // namespace

void CheckBox::paintEvent(QPaintEvent*) {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    peindre_case(this, opt, QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator, QStyle::SE_CheckBoxContents,
                 QStyle::CE_CheckBoxLabel, QStyle::SE_CheckBoxFocusRect);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    peindre_case(this, opt, QStyle::PE_IndicatorRadioButton, QStyle::SE_RadioButtonIndicator,
                 QStyle::SE_RadioButtonContents, QStyle::CE_RadioButtonLabel, QStyle::SE_RadioButtonFocusRect);
}

CheckBox::CheckBox(QWidget* parent, const QString& caption) : QCheckBox(caption, parent), Couleurs(this) {
    setTristate(true);
    setMouseTracking(true);
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (!m_par_code) evenement::utilisateur(Click);
    });
}

int CheckBox::Value() const {
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void CheckBox::setValue(int valeur) {
    if (valeur < 0 || valeur > 2) throw Erreur(err::ValeurPropriete);
    if (valeur == Value()) return;
    {
        ParCode p(m_par_code);
        setCheckState(valeur == 1 ? Qt::Checked : valeur == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    lancer(Click);
}

void CheckBox::nextCheckState() { setCheckState(Value() == 1 ? Qt::Unchecked : Qt::Checked); }

void CheckBox::mouseMoveEvent(QMouseEvent* e) {
    QCheckBox::mouseMoveEvent(e);
    evenement::souris(MouseMove, e);
}

// ---- OptionButton

OptionButton::OptionButton(QWidget* parent, const QString& caption) : QRadioButton(caption, parent), Couleurs(this) {
    setMouseTracking(true);
    connect(this, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche && !m_par_code) evenement::utilisateur(Click);
    });
}

void OptionButton::setValue(bool selectionne) {
    if (selectionne == isChecked()) return;
    {
        ParCode p(m_par_code);
        if (selectionne) {
            setChecked(true);
        } else {
            // An exclusive button cannot be cleared directly.
            setAutoExclusive(false);
            setChecked(false);
            setAutoExclusive(true);
        }
    }
    if (selectionne) lancer(Click);
}

void OptionButton::focusInEvent(QFocusEvent* e) {
    QRadioButton::focusInEvent(e);
    evenement::utilisateur(GotFocus);
}

void OptionButton::mouseMoveEvent(QMouseEvent* e) {
    QRadioButton::mouseMoveEvent(e);
    evenement::souris(MouseMove, e);
}

// ---- Slider

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 20);
    setPageStep(5);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(5);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (m_par_code) return;
        // While dragging the user scrolls; the move ends in one Change at the release.
        evenement::utilisateur(isSliderDown() ? Scroll : Change);
    });
    connect(this, &QSlider::sliderReleased, this, [this] {
        if (value() != m_valeur_appui) evenement::utilisateur(Change);
    });
}

void Slider::setValue(int valeur) {
    valeur = qBound(minimum(), valeur, maximum());
    if (valeur == value()) return;
    {
        ParCode p(m_par_code);
        QSlider::setValue(valeur);
    }
    lancer(Change);
}

void Slider::mousePressEvent(QMouseEvent* e) {
    evenement::souris(MouseDown, e);
    QSlider::mousePressEvent(e);
    m_valeur_appui = value();
}

void Slider::mouseReleaseEvent(QMouseEvent* e) {
    QSlider::mouseReleaseEvent(e);
    evenement::utilisateur(Click);
}

// ---- CommandButton

CommandButton::CommandButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent), Couleurs(this) {
    connect(this, &QPushButton::clicked, this, [this] { evenement::utilisateur(Click); });
}

bool CommandButton::setPicture(const QString& chemin) {
    QPixmap p;
    if (!charger_image(chemin, p)) return false;
    m_image = chemin;
    setIcon(QIcon(p));
    if (!p.isNull()) setIconSize(p.size().boundedTo(size() - QSize(6, 6)));
    return true;
}

// ---- Shape

Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::setBorderColor(int32_t c) {
    m_bord = c;
    update();
}

void Shape::setFillColor(int32_t c) {
    m_remplissage = c;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(couleur_qt(m_bord));
    p.setBrush(couleur_qt(m_remplissage));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- MenuItem

MenuItem::MenuItem(QObject* parent, const QString& caption, Genre genre) : QObject(parent) {
    if (genre == SousMenu) {
        m_menu = new QMenu(caption);
        m_action = m_menu->menuAction();
        connect(m_menu, &QMenu::aboutToShow, this, [this] { evenement::utilisateur(Click); });
        return;
    }
    m_action = new QAction(caption, this);
    connect(m_action, &QAction::triggered, this, [this] {
        // Qt toggles a checkable action before telling; the check mark belongs to the code.
        m_action->setChecked(m_coche);
        evenement::utilisateur(Click);
    });
}

MenuItem::~MenuItem() { delete m_menu; }

QString MenuItem::Caption() const { return m_action->text(); }

void MenuItem::setCaption(const QString& caption) {
    m_action->setText(caption);
    if (m_menu) m_menu->setTitle(caption);
}

void MenuItem::setChecked(bool coche) {
    m_coche = coche;
    m_action->setCheckable(coche);
    m_action->setChecked(coche);
}

bool MenuItem::Enabled() const { return m_action->isEnabled(); }
void MenuItem::setEnabled(bool actif) { m_action->setEnabled(actif); }
bool MenuItem::Visible() const { return m_action->isVisible(); }
void MenuItem::setVisible(bool visible) { m_action->setVisible(visible); }
void MenuItem::setShortcut(const QKeySequence& touche) { m_action->setShortcut(touche); }

void MenuItem::ajouter(MenuItem& item) {
    if (m_menu) m_menu->addAction(item.action());
}

void MenuItem::ajouter_separateur() {
    if (m_menu) m_menu->addSeparator();
}

void MenuItem::PopupMenu() {
    if (m_menu) m_menu->popup(QCursor::pos());
}

void MenuItem::choisir() {
    if (!Enabled() || !Visible()) return;
    lancer(Click);
}

void ajouter_menu(QMenuBar* barre, MenuItem& menu) { barre->addAction(menu.action()); }
