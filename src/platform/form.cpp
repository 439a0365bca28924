#include "platform/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {
std::vector<Form*>& registre() {
    static std::vector<Form*> fenetres;
    return fenetres;
}

const QScreen* ecran(const QWidget& w) { return w.screen() ? w.screen() : QGuiApplication::primaryScreen(); }
}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) {
    registre().push_back(this);
}

Form::~Form() {
    auto& r = registre();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
}

namespace cadre {
namespace {
// The frame the window manager drew around this window, none before it framed it.
QMargins propres(const QWidget& w) {
    return w.isVisible() && w.windowHandle() ? w.windowHandle()->frameMargins() : QMargins();
}

// A place asked for before the window manager framed the window: the inner window was put
// where the frame's estimate said; once framed, the frame goes to the place asked for, and to
// the frame size asked for with it if any (the window manager can answer an earlier request's
// size after ours: the window's own size is then not the one asked).
class Recalage : public QObject {
public:
    Recalage(QWidget& w, const QPoint& coin, const std::optional<QSize>& cadre)
        : QObject(&w), m_fenetre(w), m_coin(coin), m_cadre(cadre), m_dedans(w.geometry().topLeft()) {
        w.installEventFilter(this);
        m_attente.setInterval(20);
        connect(&m_attente, &QTimer::timeout, this, [this] { essayer(); });
        if (w.isVisible()) m_attente.start();
    }
    QPoint coin() const { return m_coin; }
    bool fini() const { return m_fini; }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) m_attente.start();
        if (e->type() == QEvent::Hide) m_attente.stop();
        return false;
    }

private:
    QRect voulu(const QMargins& m) const {
        QSize dedans = m_fenetre.size();
        if (m_cadre)
            dedans = QSize(std::max(1, m_cadre->width() - m.left() - m.right()),
                           std::max(1, m_cadre->height() - m.top() - m.bottom()))
                         .expandedTo(m_fenetre.minimumSize())
                         .boundedTo(m_fenetre.maximumSize());
        return QRect(m_coin + QPoint(m.left(), m.top()), dedans);
    }
    bool a_sa_place() const {
        const QMargins m = propres(m_fenetre);
        return !m.isNull() && m_fenetre.geometry() == voulu(m);
    }
    // The window manager can answer an earlier request after ours: one request at a time.
    bool tenu() const { return !m_demande.isValid() || m_demande.hasExpired(100); }
    void finir() {
        m_fini = true;
        m_attente.stop();
        deleteLater();
    }

    void essayer() {
        const QMargins m = propres(m_fenetre);
        // A loaded machine can keep the window manager busy for seconds: wait for its frame
        // that long before taking it that there is none (then the window stays as put).
        if (!m_depuis.isValid()) m_depuis.start();
        if (m_depuis.hasExpired(10000)) return finir();
        if (m.isNull()) return;
        if (!m_encadre.isValid()) m_encadre.start();
        // The place read is the one Qt last asked for until the window manager answers, and a
        // loaded window manager reports passing places: only a place that stands still counts.
        const QPoint ici = m_fenetre.geometry().topLeft();
        if (ici != m_vu || !m_immobile.isValid()) {
            m_vu = ici;
            m_immobile.start();
        }
        const bool immobile = m_immobile.hasExpired(500);
        if (a_sa_place()) {
            if (immobile && tenu()) finir();
            return;
        }
        // Where the inner window was put, or just framed: the place is asked again. Elsewhere
        // later, it is a move by someone else, and stays once it stands still.
        if (ici == m_dedans || !m_encadre.hasExpired(300)) {
            if (tenu()) {
                m_fenetre.setGeometry(voulu(m));
                m_demande.start();
            }
        } else if (immobile) {
            finir();
        }
    }

    QWidget& m_fenetre;
    QPoint m_coin;
    std::optional<QSize> m_cadre;  // the frame size asked for with the place, if any
    QPoint m_dedans;  // where the inner window was put
    QTimer m_attente;
    QElapsedTimer m_depuis;   // since the window was first shown
    QElapsedTimer m_encadre;  // since its frame came
    QElapsedTimer m_demande;  // since the place was last asked of the window manager
    QElapsedTimer m_immobile; // since the window last moved
    QPoint m_vu;              // where it was at the last look
    bool m_fini = false;
};

Recalage* en_attente(const QWidget& w) {
    for (QObject* o : w.children())
        if (auto* r = dynamic_cast<Recalage*>(o); r && !r->fini()) return r;
    return nullptr;
}
}  // namespace

QMargins marges(const QWidget& w) {
    if (const QMargins m = propres(w); !m.isNull()) return m;
    for (const QWidget* f : QApplication::topLevelWidgets())
        if (const QMargins m = propres(*f); !m.isNull()) return m;
    return {};
}

QPoint coin(const QWidget& w) {
    if (const Recalage* r = en_attente(w)) return r->coin();
    return w.frameGeometry().topLeft();
}

QSize taille(const QWidget& w) {
    const QMargins m = marges(w);
    return w.size().grownBy(m);
}

namespace {
// The inner geometry: it stays where it is put, whatever gravity the window manager applies.
void demander(QWidget& w, const QPoint& coin, const std::optional<QSize>& cadre) {
    delete en_attente(w);
    const QMargins m = marges(w);
    const QSize dedans = cadre ? QSize(std::max(1, cadre->width() - m.left() - m.right()),
                                       std::max(1, cadre->height() - m.top() - m.bottom()))
                               : w.size();
    w.setGeometry(QRect(coin + QPoint(m.left(), m.top()), dedans));
    if (propres(w).isNull()) new Recalage(w, coin, cadre);
}
}  // namespace

void placer(QWidget& w, const QPoint& coin) { demander(w, coin, std::nullopt); }

void poser(QWidget& w, const QRect& r) {
    int hauteur = r.height();
    if (const QScreen* s = ecran(w)) hauteur = std::min(hauteur, s->availableGeometry().bottom() + 1 - r.top());
    demander(w, r.topLeft(), QSize(r.width(), hauteur));
}
}  // namespace cadre

int Form::Top() const { return cadre::coin(*this).y() * TwipsParPixel; }
int Form::Left() const { return cadre::coin(*this).x() * TwipsParPixel; }
int Form::Width() const { return cadre::taille(*this).width() * TwipsParPixel; }
int Form::Height() const { return cadre::taille(*this).height() * TwipsParPixel; }
void Form::setTop(int twips) { cadre::placer(*this, QPoint(cadre::coin(*this).x(), twips / TwipsParPixel)); }
void Form::setLeft(int twips) { cadre::placer(*this, QPoint(twips / TwipsParPixel, cadre::coin(*this).y())); }

// Sizes are the frame's, as Width and Height read them. A window is never made higher than the
// screen leaves below its top edge.
void Form::setWidth(int twips) {
    const QMargins m = cadre::marges(*this);
    resize(std::max(1, twips / TwipsParPixel - m.left() - m.right()), height());
}
void Form::setHeight(int twips) {
    int hauteur = twips / TwipsParPixel;
    if (const QScreen* s = ecran(*this))
        hauteur = std::min(hauteur, s->availableGeometry().bottom() + 1 - cadre::coin(*this).y());
    const QMargins m = cadre::marges(*this);
    resize(width(), std::max(1, hauteur - m.top() - m.bottom()));
}
void Form::Move(int left, int top, int width, int height) {
    cadre::poser(*this, QRect(left / TwipsParPixel, top / TwipsParPixel, width / TwipsParPixel, height / TwipsParPixel));
}

void Form::Show(bool modal) {
    if (!modal) {
        show();
        raise();
        return;
    }
    // A modal window blocks its caller until it is hidden or destroyed.
    QPointer<Form> garde(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop boucle;
    while (garde && isVisible()) boucle.processEvents(QEventLoop::WaitForMoreEvents);
    if (garde) setWindowModality(Qt::NonModal);
}

const std::vector<Form*>& Form::fenetres_chargees() { return registre(); }

void Form::decharger_tout() {
    while (!registre().empty()) decharger_fenetre(registre().back());
}

void decharger_fenetre(Form* form) {
    form->Form_Unload();
    form->oublier_instance();
    delete form;
}
