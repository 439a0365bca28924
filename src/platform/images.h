#pragma once
// Picture controls: the image control of the skins and the owner-drawn button.
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/couleurs.h"
#include "platform/evenements.h"

// A picture control. An empty picture leaves it transparent (the window shows through) but it
// still takes the mouse, so skins swap pictures on mouse down and up. A picture that cannot
// be loaded is ignored: the control keeps the picture it had. When it has no picture it
// draws its legend, if any, so the control stays usable before the skin pictures exist.
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    // The path of the picture shown ("" when none).
    QString Picture() const { return m_chemin; }
    // Returns false when the file could not be loaded (nothing changed then).
    bool setPicture(const QString& chemin);
    // Stretched to the control's size, or drawn at its own size in the middle.
    bool Stretch() const { return m_etire; }
    void setStretch(bool etire);
    QString legende() const { return m_legende; }
    void setLegende(const QString& texte);
    // Skin faces that carry no glyph of their own show the caption over the picture too.
    void setLegendeSurImage(bool oui) { m_legende_sur_image = oui; update(); }

    Gestion Click;
    Gestion DblClick;
    GestionSouris MouseDown;
    GestionSouris MouseUp;
    GestionSouris MouseMove;
    // A drag that started in this program dropped on the control: what is dragged is the
    // program's own state, so the data is not handed over. Accepted while DragDrop is set.
    Gestion DragDrop;
    // Data dropped from another program: the local files it carries (none when it carries
    // text or anything else). Accepted, whatever the data, while OLEDragDrop is set.
    std::function<void(const QStringList& fichiers)> OLEDragDrop;
    // Something that would be accepted passes over the control (local files, if any).
    std::function<void(const QStringList& fichiers)> DragOver;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool accepte(const QDropEvent* e) const;

    QPixmap m_image;
    QString m_chemin;
    QString m_legende;
    bool m_etire = false;
    bool m_legende_sur_image = false;
    bool m_presse = false;
};

// An owner-drawn button: a caption or a picture on a coloured face, with its own colours at
// rest, pressed (Down) and under the pointer (Over). MouseOver runs when the pointer enters.
class OwnerDrawnButton : public QPushButton, public Couleurs {
    Q_OBJECT
public:
    explicit OwnerDrawnButton(QWidget* parent = nullptr, const QString& caption = QString());

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    QString Picture() const { return m_chemin; }
    bool setPicture(const QString& chemin);  // as Image::setPicture

    int32_t BackColorDown() const { return m_fond_bas; }
    void setBackColorDown(int32_t c);
    int32_t BackColorOver() const { return m_fond_survol; }
    void setBackColorOver(int32_t c);
    int32_t ForeColorDown() const { return m_texte_bas; }
    void setForeColorDown(int32_t c);
    int32_t ForeColorOver() const { return m_texte_survol; }
    void setForeColorOver(int32_t c);

    Gestion Click;
    Gestion MouseOver;

protected:
    void couleurs_changees() override { update(); }
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    QPixmap m_image;
    QString m_chemin;
    int32_t m_fond_bas = couleur::Surbrillance;
    int32_t m_fond_survol = couleur::FaceBouton;
    int32_t m_texte_bas = couleur::TexteSurbrillance;
    int32_t m_texte_survol = couleur::TexteBouton;
    bool m_survol = false;
};

// Local paths of the files a drag carries.
QStringList fichiers_deposes(const class QMimeData* donnees);
