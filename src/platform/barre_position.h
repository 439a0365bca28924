#pragma once
// The decks' position bar: a maximum, a value, the percent complete and a caption drawn on the
// bar. It is 225 by 13 pixels; its inner 223 pixels are the whole range, so X = 223 from the
// left edge stands for 100 %. Mouse handlers receive X in pixels from the left edge.
#include <QWidget>

#include "platform/couleurs.h"
#include "platform/evenements.h"

class PositionBar : public QWidget, public Couleurs {
    Q_OBJECT
public:
    static constexpr int Largeur = 225;
    static constexpr int Hauteur = 13;
    static constexpr int LargeurUtile = 223;

    explicit PositionBar(QWidget* parent = nullptr);

    // 1 or more (error 380 otherwise); a value above a new maximum comes down to it.
    int Max() const { return m_max; }
    void setMax(int max);
    // Kept within 0..Max.
    int Value() const { return m_valeur; }
    void setValue(int valeur);
    // Whole percent of Value in Max, rounded down; 100 once Value reaches Max.
    int Percent() const;
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Colour of the filled part (BackColor the empty part, ForeColor the caption).
    int32_t FillColor() const { return m_remplissage; }
    void setFillColor(int32_t c);

    GestionSouris MouseDown;
    GestionSouris MouseUp;
    GestionSouris MouseMove;

    QSize sizeHint() const override { return {Largeur, Hauteur}; }

protected:
    void couleurs_changees() override { update(); }
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    int m_max = 100;
    int m_valeur = 0;
    QString m_caption;
    int32_t m_remplissage = couleur::Surbrillance;
};
