#pragma once
// A window of the system. Each window class has one global instance, created on first use
// (its Form_Load runs then), that can be asked whether it exists and unloaded. The loaded
// windows are remembered in load order so that shut-down can unload the last loaded first.
#include <QMargins>
#include <QWidget>
#include <vector>

class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Window load handler; runs once, right after the instance is created.
    virtual void Form_Load() {}
    // Window unload handler; runs before the instance is destroyed.
    virtual void Form_Unload() {}

    // Positions and sizes in twips (15 per pixel), as the settings store keeps them.
    int Top() const;
    int Left() const;
    int Width() const;
    int Height() const;
    void setTop(int twips);
    void setLeft(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    // Place and size together, one request to the window manager; the height limited by what
    // the screen leaves below the new top, not the one the window still stands at.
    void Move(int left, int top, int width, int height);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Show as a modeless window (or modal, blocking until it is hidden).
    void Show(bool modal = false);

    // Every loaded window, oldest first.
    static const std::vector<Form*>& fenetres_chargees();
    // Unloads every loaded window, the last loaded first.
    static void decharger_tout();

protected:
    // Called by FormInstance when the instance goes away.
    virtual void oublier_instance() = 0;
    friend void decharger_fenetre(Form* form);
};

// Unloads one window: runs its unload handler, forgets its global instance and destroys it.
void decharger_fenetre(Form* form);

// A window's frame, the outer edge the window manager draws: places and sizes as the user
// sees them. Before the window manager has framed a window, its frame is taken to be like
// those of the program's framed windows.
namespace cadre {
// What the frame adds on each side of the inner window.
QMargins marges(const QWidget& w);
// The frame's outer corner, in pixels: the one last asked for until the window is framed.
QPoint coin(const QWidget& w);
// The frame's size, in pixels.
QSize taille(const QWidget& w);
// Puts the frame's outer corner at `coin` (pixels); a window not yet framed goes there once
// the window manager frames it.
void placer(QWidget& w, const QPoint& coin);
// Puts the frame at `r` (pixels) in one request, no higher than the screen leaves below r's top.
void poser(QWidget& w, const QRect& r);
}  // namespace cadre

constexpr int TwipsParPixel = 15;

// The global instance of window class T (T derives from FormInstance<T>).
template <class T>
class FormInstance : public Form {
public:
    using Form::Form;

    static T& instance() {
        if (!s_instance) {
            s_instance = new T();
            s_instance->Form_Load();
        }
        return *s_instance;
    }
    static bool existe() { return s_instance != nullptr; }
    static void decharger() {
        if (s_instance) decharger_fenetre(s_instance);
    }

protected:
    void oublier_instance() override {
        if (s_instance == this) s_instance = nullptr;
    }

private:
    static inline T* s_instance = nullptr;
};
