#pragma once
// A media graph for the tests of timing logic: same views as the GStreamer graph, no sound, a
// clock the test advances. Files are known from a table (length, sound, picture); any other path
// fails to render. Every call is written to a journal.
//
//   GrapheSimule::Installation simule;           // FilgraphManager::creer() now makes these
//   GrapheSimule::definir("/a.mp3", 200);
//   ... deck loads and plays "/a.mp3" ...
//   GrapheSimule::avancer(5.0);                  // running graphs move 5 s on
#include <QStringList>
#include <vector>

#include "platform/media.h"

class GrapheSimule : public GrapheFiltres {
public:
    GrapheSimule();
    ~GrapheSimule() override;

    // Installs the simulated graph as the factory for the life of the object, with an empty
    // table and journal; the previous factory comes back afterwards.
    class Installation {
    public:
        Installation();
        ~Installation();
        Installation(const Installation&) = delete;
        Installation& operator=(const Installation&) = delete;

    private:
        FilgraphManager::Fabrique m_avant;
    };

    // A file the graph can render.
    static void definir(const QString& chemin, double duree, bool son = true, bool image = false);
    // Empties the table and the journal and puts the clock back to 0.
    static void reinitialiser();
    // Moves the clock on: the position of every running graph advances, up to its duration,
    // where the stream ends and the state stays running.
    static void avancer(double secondes);
    // The graphs alive now, oldest first.
    static const std::vector<GrapheSimule*>& vivants();
    // Every call on every graph: "<graph number> <operation>[ <argument>]", for example
    // "2 RenderFile /a.mp3", "2 CurrentPosition 12.5", "2 Volume -200", "2 Run".
    static QStringList& journal();

    int numero() const { return m_numero; }
    const QString& chemin() const { return m_chemin; }

    void RenderFile(const QString& chemin) override;
    void Run() override;
    void Pause() override;
    void Stop() override;
    int32_t GetState(int32_t delai_ms) override;
    double Duration() override;
    double CurrentPosition() override;
    void setCurrentPosition(double secondes) override;
    int32_t Volume() override;
    void setVolume(int32_t niveau) override;
    QString Caption() override;
    void setCaption(const QString& titre) override;

private:
    void noter(const QString& operation, const QString& argument = QString()) const;

    int m_numero;
    QString m_chemin;
    double m_duree = 0;
    double m_position = 0;
    bool m_son = false;
    bool m_image = false;
    int32_t m_etat = etat_graphe::Arrete;
    int32_t m_volume = 0;
    QString m_titre;
};
