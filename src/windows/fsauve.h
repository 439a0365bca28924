#pragma once
// The shared progress window of the long runs over files. Its users show it, set the bar's
// maximum, write a caption with the progress dots per item, move the bar and hide it.
#include <QElapsedTimer>
#include <QFrame>
#include <QProgressBar>
#include <QTimer>

#include "platform/controles.h"
#include "platform/form.h"

// The progress bar: a maximum and a value from 0 to it (error 380 outside).
class BarreProgression : public QProgressBar {
public:
    explicit BarreProgression(QWidget* parent = nullptr);
    float Max() const { return float(maximum()); }
    void setMax(float maximum);
    int Value() const { return value(); }
    void setValue(int valeur);
};

// The dots after an activity text: ".", "..", "...." and back to ".".
class PointsProgression {
public:
    const QString& texte() const { return m_texte; }
    // After an item: the text doubles; at 8 characters it starts again.
    const QString& suivant();

private:
    QString m_texte = QStringLiteral(".");
};

class fsauve : public FormInstance<fsauve> {
public:
    fsauve();
    void Form_Load() override;
    // Activation shows the busy pointer; the user of the window resets it when done.
    void Form_Activate();

    BarreProgression ProgressBar1{this};
    QFrame Frame1{this};
    Label Label3{this, QStringLiteral("Traitement en cours ......Patientez SVP !")};
    Label Label2{this};
    Label Label1{this, QStringLiteral("Traitement en cours !")};

    // Long runs call this after every item. The window paints a few times a second at most: a
    // call within the interval only marks it for the paint at the interval's end (when the
    // run turns the event loop); past the interval it paints now, for the runs that never do.
    void repaint();
    static constexpr int IntervallePeinture_ms = 250;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool event(QEvent* e) override;

private:
    QElapsedTimer m_peinte;  // since the last paint
    QTimer m_differee;       // the paint held back until the interval is over
};
