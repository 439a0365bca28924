#pragma once
// The media graph: one object that renders a file and plays it, seen through four views
// (control, position, audio, video). The views are small values sharing the object; the object
// goes away when the last view drops it. A call through a null view raises error 91.
//
//   lecteur.graphe = FilgraphManager::creer();
//   lecteur.position = lecteur.graphe;   // the same object, another view
//   lecteur.audio = lecteur.graphe;
//   lecteur.graphe.RenderFile(chemin);   // blocks until ready to play, or raises
//   double d = lecteur.position.Duration();
//   lecteur.graphe = nullptr;            // release
//
// No GStreamer type appears here: the real graph lives in media.cpp, and tests install a
// simulated one through FilgraphManager::installer_fabrique.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace err {
// Media failures. COM-style numbers, so that no caller mistakes them for a run-time error it
// handles specially (file access, cancelled dialog, ...).
constexpr int RenduImpossible = static_cast<int>(0x80040266u);  // file cannot be played
constexpr int PasDeSon = static_cast<int>(0x80004001u);         // volume of a graph with no audio
constexpr int ArgumentMedia = static_cast<int>(0x80070057u);    // value out of range
}  // namespace err

// Graph states as GetState reports them.
namespace etat_graphe {
constexpr int32_t Arrete = 0;
constexpr int32_t EnPause = 1;
constexpr int32_t EnLecture = 2;
}  // namespace etat_graphe

// What a graph does. The real one plays through GStreamer; tests have a simulated one.
class GrapheFiltres {
public:
    virtual ~GrapheFiltres() = default;

    // Builds the graph for the file and returns when it is ready to play; raises on failure.
    virtual void RenderFile(const QString& chemin) = 0;
    virtual void Run() = 0;
    virtual void Pause() = 0;
    // Stops playback and keeps the position.
    virtual void Stop() = 0;
    virtual int32_t GetState(int32_t delai_ms) = 0;

    // Seconds. The duration is known as soon as RenderFile has returned; at the end of the
    // stream the position reads as the duration.
    virtual double Duration() = 0;
    // Waits for the exact length when it is still being counted after RenderFile (a frame
    // walk), the windows answering meanwhile (see attente::attendre); however slow the count,
    // it is waited for while it reads on. False when it read nothing for delai_ms (a stalled
    // disk or share). Graphs that know their length at once return true.
    virtual bool AttendreDuree(int32_t delai_ms) { return true; }
    // The usual delay for AttendreDuree: a count that read nothing for so long has stalled (a
    // share gone away).
    static constexpr int32_t DelaiComptageBloque_ms = 15000;
    virtual double CurrentPosition() = 0;
    virtual void setCurrentPosition(double secondes) = 0;

    // Hundredths of a decibel, -10000 (silent) to 0 (full); read back exactly as written.
    virtual int32_t Volume() = 0;
    virtual void setVolume(int32_t niveau) = 0;

    // Title of the video window.
    virtual QString Caption() = 0;
    virtual void setCaption(const QString& titre) = 0;

protected:
    // The volume's rules, the same for every graph: no volume without sound, and a level
    // within -10000..0.
    static void exiger_son(bool son);
    static void verifier_niveau(int32_t niveau);
};

// The part every view shares: a reference to the graph, or none.
class VueGraphe {
public:
    VueGraphe() = default;
    VueGraphe(std::nullptr_t) {}
    explicit VueGraphe(std::shared_ptr<GrapheFiltres> graphe) : m_graphe(std::move(graphe)) {}

    bool estNul() const { return !m_graphe; }
    explicit operator bool() const { return bool(m_graphe); }
    // The graph object itself (tests compare and inspect it).
    const std::shared_ptr<GrapheFiltres>& objet() const { return m_graphe; }

    friend bool operator==(const VueGraphe& a, const VueGraphe& b) {
        return a.m_graphe == b.m_graphe;
    }
    friend bool operator!=(const VueGraphe& a, const VueGraphe& b) { return !(a == b); }

protected:
    // The graph, or error 91 when the view is null.
    GrapheFiltres& g() const;

private:
    std::shared_ptr<GrapheFiltres> m_graphe;
};

class IMediaControl : public VueGraphe {
public:
    using VueGraphe::VueGraphe;
    IMediaControl(const VueGraphe& autre) : VueGraphe(autre) {}

    void RenderFile(const QString& chemin) const { g().RenderFile(chemin); }
    void Run() const { g().Run(); }
    void Pause() const { g().Pause(); }
    void Stop() const { g().Stop(); }
    void GetState(int32_t delai_ms, int32_t& etat) const { etat = g().GetState(delai_ms); }
    int32_t GetState(int32_t delai_ms = 0) const { return g().GetState(delai_ms); }
};

class IMediaPosition : public VueGraphe {
public:
    using VueGraphe::VueGraphe;
    IMediaPosition(const VueGraphe& autre) : VueGraphe(autre) {}

    double Duration() const { return g().Duration(); }
    // The graph is held through the wait, whatever the events running meanwhile do to this view.
    bool AttendreDuree(int32_t delai_ms) const {
        const std::shared_ptr<GrapheFiltres> garde = objet();
        return g().AttendreDuree(delai_ms);
    }
    double CurrentPosition() const { return g().CurrentPosition(); }
    void setCurrentPosition(double secondes) const { g().setCurrentPosition(secondes); }
};

class IBasicAudio : public VueGraphe {
public:
    using VueGraphe::VueGraphe;
    IBasicAudio(const VueGraphe& autre) : VueGraphe(autre) {}

    int32_t Volume() const { return g().Volume(); }
    void setVolume(int32_t niveau) const { g().setVolume(niveau); }
};

class IVideoWindow : public VueGraphe {
public:
    using VueGraphe::VueGraphe;
    IVideoWindow(const VueGraphe& autre) : VueGraphe(autre) {}

    QString Caption() const { return g().Caption(); }
    void setCaption(const QString& titre) const { g().setCaption(titre); }
};

// The graph object as created; converts to any of the four views.
class FilgraphManager : public VueGraphe {
public:
    using VueGraphe::VueGraphe;
    using Fabrique = std::function<std::shared_ptr<GrapheFiltres>()>;

    // A new, empty graph from the installed factory (the GStreamer graph unless a test
    // installed another).
    static FilgraphManager creer();
    // Installs a factory and returns the one it replaces; an empty function restores the
    // GStreamer graph.
    static Fabrique installer_fabrique(Fabrique fabrique);
    // The GStreamer graph, whatever factory is installed.
    static std::shared_ptr<GrapheFiltres> creer_graphe_gstreamer();
    // At start-up: GStreamer's one-time costs (its plugin list, the plugins and decoders a
    // load needs) paid in a thread of their own, so the first load does not hold the window
    // thread for them. A load made meanwhile waits only for what it needs.
    static void prechauffer_en_fond();
    static bool prechauffage_fini();
};
