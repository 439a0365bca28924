#include "platform/media.h"

#include <gst/gst.h>
#include <gst/video/videooverlay.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/attente.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/media_mpeg.h"

GrapheFiltres& VueGraphe::g() const {
    if (!m_graphe) throw Erreur(err::VariableObjetNonDefinie);
    return *m_graphe;
}

void GrapheFiltres::exiger_son(bool son) {
    if (!son) throw Erreur(err::PasDeSon, QStringLiteral("Ce fichier n'a pas de son"));
}

void GrapheFiltres::verifier_niveau(int32_t niveau) {
    if (niveau < -10000 || niveau > 0)
        throw Erreur(err::ArgumentMedia,
                     QStringLiteral("Volume hors limites (-10000 à 0) : %1").arg(niveau));
}

namespace {
FilgraphManager::Fabrique& fabrique_installee() {
    static FilgraphManager::Fabrique f;
    return f;
}
}  // namespace

FilgraphManager FilgraphManager::creer() {
    const Fabrique& f = fabrique_installee();
    return FilgraphManager(f ? f() : creer_graphe_gstreamer());
}

FilgraphManager::Fabrique FilgraphManager::installer_fabrique(Fabrique fabrique) {
    Fabrique avant = std::move(fabrique_installee());
    fabrique_installee() = std::move(fabrique);
    return avant;
}

namespace {
using namespace std::chrono_literals;

// A load that takes longer than this has failed (a stalled network share, a broken file).
constexpr auto kDelaiChargement = 15s;
// How long a streaming thread waits for the window its video sink draws into.
constexpr auto kDelaiFenetre = 5s;
// How long a load waits for a frame walk before it lets the walk finish in its own thread.
constexpr auto kAttenteParcours = 100ms;
// How long a load asks GStreamer for a length it does not know yet.
constexpr auto kAttenteDureeGst = 3s;
// The longest wait for a seek or a pause to take effect.
constexpr GstClockTime kDelaiEtat = 2 * GST_SECOND;
// playbin flags: video, audio, software volume (no subtitles, no visualisation).
constexpr guint kFlagsPlaybin = 0x1 | 0x2 | 0x10;

QString texte_erreur_gst(GError* e) {
    QString t = e && e->message ? QString::fromUtf8(e->message) : QStringLiteral("Erreur");
    if (e) g_error_free(e);
    return t;
}

// GStreamer's errors in French, whatever the user's locale: the program speaks French and its
// messages are whole French sentences. Frees e.
QString texte_erreur_francais(GError* e) {
    QString t = QStringLiteral("Erreur de lecture");
    if (e && e->domain == GST_RESOURCE_ERROR) {
        switch (e->code) {
        case GST_RESOURCE_ERROR_NOT_FOUND: t = QStringLiteral("Fichier introuvable"); break;
        case GST_RESOURCE_ERROR_NOT_AUTHORIZED: t = QStringLiteral("Accès refusé"); break;
        case GST_RESOURCE_ERROR_BUSY: t = QStringLiteral("Ressource occupée"); break;
        case GST_RESOURCE_ERROR_NO_SPACE_LEFT: t = QStringLiteral("Plus de place sur le disque"); break;
        default: t = QStringLiteral("Lecture du fichier impossible"); break;
        }
    } else if (e && e->domain == GST_STREAM_ERROR) {
        switch (e->code) {
        case GST_STREAM_ERROR_TYPE_NOT_FOUND:
        case GST_STREAM_ERROR_WRONG_TYPE: t = QStringLiteral("Format de fichier inconnu"); break;
        case GST_STREAM_ERROR_CODEC_NOT_FOUND: t = QStringLiteral("Aucun décodeur pour ce format"); break;
        case GST_STREAM_ERROR_DECODE:
        case GST_STREAM_ERROR_DEMUX: t = QStringLiteral("Fichier abîmé ou illisible"); break;
        case GST_STREAM_ERROR_DECRYPT:
        case GST_STREAM_ERROR_DECRYPT_NOKEY: t = QStringLiteral("Fichier protégé"); break;
        default: t = QStringLiteral("Lecture du flux impossible"); break;
        }
    } else if (e && e->domain == GST_CORE_ERROR) {
        t = e->code == GST_CORE_ERROR_MISSING_PLUGIN ? QStringLiteral("Aucun décodeur pour ce format")
                                                     : QStringLiteral("Erreur interne du lecteur multimédia");
    } else if (e && e->domain == GST_LIBRARY_ERROR) {
        t = QStringLiteral("Erreur d'une bibliothèque du lecteur multimédia");
    }
    if (e) g_error_free(e);
    return t;
}

// A French description that names the file.
QString sur_fichier(const QString& texte, const QString& chemin) {
    return texte + QStringLiteral(" : ") + chemin;
}

// Called from the window thread and from the warm-up's thread.
void initialiser_gstreamer() {
    static std::mutex m;
    static bool fait = false;
    std::lock_guard<std::mutex> l(m);
    if (fait) return;
    GError* e = nullptr;
    if (!gst_init_check(nullptr, nullptr, &e))
        throw Erreur(err::RenduImpossible, texte_erreur_gst(e));
    fait = true;
}

std::atomic<bool> g_prechauffage_fini{false};

void charger_plugins(GList* fabriques) {
    for (GList* f = fabriques; f; f = f->next)
        if (GstPluginFeature* chargee = gst_plugin_feature_load(GST_PLUGIN_FEATURE(f->data)))
            gst_object_unref(chargee);
    gst_plugin_feature_list_free(fabriques);
}

// What GStreamer's first load pays once per process: the plugin list read (or rebuilt), the
// plugins of the pipeline, the type finders, the sound decoders, parsers and demuxers a file
// may need, and the sinks.
void prechauffer() {
    try {
        initialiser_gstreamer();
    } catch (const Erreur&) {
        return;  // the first load reports it
    }
    for (const char* nom : {"playbin", "uridecodebin", "decodebin", "urisourcebin", "filesrc", "typefind",
                            "queue", "multiqueue", "audioconvert", "audioresample", "volume", "fakesink"})
        if (GstElementFactory* f = gst_element_factory_find(nom)) {
            charger_plugins(g_list_prepend(nullptr, f));
        }
    charger_plugins(gst_type_find_factory_get_list());
    GList* elements = gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_PARSER | GST_ELEMENT_FACTORY_TYPE_DEMUXER |
            GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO,
        GST_RANK_MARGINAL);
    charger_plugins(elements);
    for (const char* variable : {"SONAVEL_AUDIO_SINK", "SONAVEL_VIDEO_SINK"}) {
        const QByteArray description = qgetenv(variable).trimmed();
        const QByteArray d = !description.isEmpty()                    ? description
                             : QByteArray(variable).contains("AUDIO") ? QByteArray("autoaudiosink")
                             : qEnvironmentVariableIsEmpty("DISPLAY") ? QByteArray("fakesink")
                                                                      : QByteArray("ximagesink");
        GError* e = nullptr;
        if (GstElement* sink = gst_parse_bin_from_description(d.constData(), TRUE, &e))
            gst_object_unref(gst_object_ref_sink(sink));
        if (e) g_error_free(e);
    }
}

// What the streaming threads report to the graph, which lives on the GUI thread.
struct EtatFlux {
    std::mutex m;
    std::condition_variable cv;
    bool pret = false;
    bool fin = false;
    bool en_erreur = false;
    QString erreur;
    QString type_conteneur;  // media type of the file as first recognised
    bool forcer_mpeg = false;   // the first type finder is told the file is MPEG audio
    // A video sink asks for a window while the GUI thread waits in RenderFile.
    bool gui_attend = false;
    bool overlay_possible = false;
    GstElement* sink_demandeur = nullptr;
    bool fenetre_fournie = false;
};

GstBusSyncReply message_bus(GstBus*, GstMessage* msg, gpointer donnees) {
    auto* e = static_cast<EtatFlux*>(donnees);
    switch (GST_MESSAGE_TYPE(msg)) {
    case GST_MESSAGE_ERROR: {
        GError* err = nullptr;
        gst_message_parse_error(msg, &err, nullptr);
        std::lock_guard<std::mutex> l(e->m);
        if (!e->en_erreur) e->erreur = texte_erreur_francais(err);
        else if (err) g_error_free(err);
        e->en_erreur = true;
        e->cv.notify_all();
        break;
    }
    case GST_MESSAGE_ASYNC_DONE: {
        std::lock_guard<std::mutex> l(e->m);
        e->pret = true;
        e->cv.notify_all();
        break;
    }
    case GST_MESSAGE_EOS: {
        std::lock_guard<std::mutex> l(e->m);
        e->fin = true;
        break;
    }
    case GST_MESSAGE_ELEMENT:
        if (gst_is_video_overlay_prepare_window_handle_message(msg)) {
            std::unique_lock<std::mutex> l(e->m);
            if (!e->gui_attend || !e->overlay_possible || e->sink_demandeur) break;
            e->sink_demandeur = GST_ELEMENT(gst_object_ref(GST_MESSAGE_SRC(msg)));
            e->fenetre_fournie = false;
            e->cv.notify_all();
            e->cv.wait_for(l, kDelaiFenetre, [e] { return e->fenetre_fournie || !e->gui_attend; });
        }
        break;
    default:
        break;
    }
    // Nothing piles up on the bus; a dropped message is the handler's to release.
    gst_message_unref(msg);
    return GST_BUS_DROP;
}

void typefind_trouve(GstElement*, guint, GstCaps* caps, gpointer donnees) {
    auto* e = static_cast<EtatFlux*>(donnees);
    if (!caps || gst_caps_get_size(caps) == 0) return;
    std::lock_guard<std::mutex> l(e->m);
    if (e->type_conteneur.isEmpty())
        e->type_conteneur = QString::fromUtf8(gst_structure_get_name(gst_caps_get_structure(caps, 0)));
}

void element_ajoute(GstBin*, GstBin*, GstElement* element, gpointer donnees) {
    GstElementFactory* f = gst_element_get_factory(element);
    if (!f || g_strcmp0(GST_OBJECT_NAME(f), "typefind") != 0) return;
    auto* e = static_cast<EtatFlux*>(donnees);
    {
        std::lock_guard<std::mutex> l(e->m);
        if (e->forcer_mpeg) {
            GstCaps* caps = gst_caps_from_string("audio/mpeg, mpegversion=(int)1");
            g_object_set(element, "force-caps", caps, nullptr);
            gst_caps_unref(caps);
            e->forcer_mpeg = false;
        }
    }
    g_signal_connect(element, "have-type", G_CALLBACK(typefind_trouve), donnees);
}

// A sink from a description ("fakesink", "pulsesink device=x"). Sinks play in real time unless
// the description says otherwise: a fakesink left unsynchronised would race through a file.
GstElement* creer_sink(const QByteArray& description) {
    GError* e = nullptr;
    GstElement* sink = gst_parse_bin_from_description(description.constData(), TRUE, &e);
    if (!sink) throw Erreur(err::RenduImpossible, texte_erreur_gst(e));
    if (e) g_error_free(e);
    if (!description.contains("sync=")) {
        GstIterator* it = gst_bin_iterate_sinks(GST_BIN(sink));
        GValue v = G_VALUE_INIT;
        while (gst_iterator_next(it, &v) == GST_ITERATOR_OK) {
            GObject* s = G_OBJECT(g_value_get_object(&v));
            if (g_object_class_find_property(G_OBJECT_GET_CLASS(s), "sync"))
                g_object_set(s, "sync", TRUE, nullptr);
            g_value_reset(&v);
        }
        g_value_unset(&v);
        gst_iterator_free(it);
    }
    return sink;
}

// Whether the caller is the window thread (graphs made elsewhere only measure).
bool sur_fil_fenetres() {
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

QByteArray description_sink(const char* variable, const char* defaut) {
    const QByteArray choisi = qgetenv(variable).trimmed();
    return choisi.isEmpty() ? QByteArray(defaut) : choisi;
}

// The X window a video sink draws into. Qt paints nothing in it.
class FenetreVideo : public QWidget {
public:
    explicit FenetreVideo(GstElement* sink) : m_sink(sink) {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override { exposer(); }
    void resizeEvent(QResizeEvent*) override { exposer(); }

private:
    void exposer() {
        if (m_sink && GST_IS_VIDEO_OVERLAY(m_sink)) gst_video_overlay_expose(GST_VIDEO_OVERLAY(m_sink));
    }
    GstElement* m_sink;
};

// A frame walk running off the GUI thread; the graph takes its result when it is there.
struct Parcours {
    std::atomic<bool> arret{false};
    std::atomic<int64_t> lus{0};  // bytes read so far: a walk that reads on is not stalled
    std::mutex m;
    std::condition_variable cv;
    bool fini = false;
    std::optional<double> duree;
};

// The walks in progress, by file: a second load of a file being walked waits for the same walk.
std::shared_ptr<Parcours> parcours_de(const QString& absolu) {
    static std::mutex m;
    static auto* en_cours = new QHash<QString, std::weak_ptr<Parcours>>;
    std::lock_guard<std::mutex> l(m);
    for (auto it = en_cours->begin(); it != en_cours->end();)
        it = it->expired() ? en_cours->erase(it) : std::next(it);
    if (auto p = en_cours->value(absolu).lock()) return p;
    auto p = std::make_shared<Parcours>();
    en_cours->insert(absolu, p);
    std::thread([p, absolu] {
        auto d = media_mpeg::duree_parcours(absolu, &p->arret, &p->lus);
        std::lock_guard<std::mutex> l(p->m);
        p->duree = d;
        p->fini = true;
        p->cv.notify_all();
    }).detach();
    return p;
}

class GrapheGst : public GrapheFiltres {
public:
    ~GrapheGst() override { liberer(); }

    void RenderFile(const QString& chemin) override;
    void Run() override;
    void Pause() override { changer_etat(GST_STATE_PAUSED, etat_graphe::EnPause); }
    void Stop() override { changer_etat(GST_STATE_PAUSED, etat_graphe::Arrete); }
    int32_t GetState(int32_t) override { return m_etat; }
    double Duration() override {
        actualiser_duree();
        return m_duree;
    }
    bool AttendreDuree(int32_t delai_ms) override;
    double CurrentPosition() override;
    void setCurrentPosition(double secondes) override;
    int32_t Volume() override;
    void setVolume(int32_t niveau) override;
    QString Caption() override { return m_titre; }
    void setCaption(const QString& titre) override;

private:
    void liberer();
    [[noreturn]] void echouer(const QString& description);
    void verifier_fichier(const QString& chemin);
    bool construire(const QString& absolu, std::chrono::steady_clock::time_point limite, bool forcer_mpeg);
    bool attendre_chargement(std::chrono::steady_clock::time_point limite);
    std::optional<double> duree_gst(std::chrono::steady_clock::time_point limite);
    std::optional<double> duree_mpeg(const QString& absolu, std::chrono::steady_clock::time_point limite);
    void actualiser_duree();
    void fournir_fenetre();
    void appliquer_volume();
    void changer_etat(GstState cible, int32_t etat);
    QSize taille_video() const;

    GstElement* m_pipeline = nullptr;
    std::unique_ptr<EtatFlux> m_flux;
    std::unique_ptr<FenetreVideo> m_fenetre;
    GstElement* m_sink_video = nullptr;  // the sink drawing into m_fenetre
    double m_duree = 0;
    // The frame walk still measuring the file; meanwhile m_duree is GStreamer's estimate.
    std::shared_ptr<Parcours> m_parcours;
    QString m_chemin;  // as given, for messages
    double m_position_voulue = 0;
    // While paused or stopped the position is read once, when the pipeline has stopped.
    std::optional<double> m_position_figee;
    bool m_son = false;
    bool m_image = false;
    int32_t m_etat = etat_graphe::Arrete;
    int32_t m_volume = 0;
    QString m_titre;
};

void GrapheGst::liberer() {
    if (m_pipeline) {
        if (m_flux) {
            std::lock_guard<std::mutex> l(m_flux->m);
            m_flux->gui_attend = false;
            m_flux->cv.notify_all();
        }
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(m_pipeline);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(m_pipeline);
        m_pipeline = nullptr;
    }
    if (m_flux && m_flux->sink_demandeur) gst_object_unref(m_flux->sink_demandeur);
    m_flux.reset();
    // A walk in progress goes on without us: its length is remembered for the next load.
    m_parcours.reset();
    m_sink_video = nullptr;
    m_fenetre.reset();
    m_duree = 0;
    m_position_voulue = 0;
    m_position_figee.reset();
    m_son = m_image = false;
}

void GrapheGst::echouer(const QString& description) {
    liberer();
    throw Erreur(err::RenduImpossible, sur_fichier(description, m_chemin));
}

namespace {
// A RIFF/WAVE file whose "data" chunk holds no byte: its length cannot exist, and GStreamer
// would only give up at the time limit.
bool wav_sans_echantillon(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray tete = f.read(12);
    if (tete.size() < 12 || !tete.startsWith("RIFF") || tete.mid(8, 4) != "WAVE") return false;
    qint64 position = 12;
    for (int chunks = 0; chunks < 64; ++chunks) {  // a few chunks come before the audio
        if (!f.seek(position)) return false;
        const QByteArray entete = f.read(8);
        if (entete.size() < 8) return entete.isEmpty();  // no audio at all
        const quint32 taille = qFromLittleEndian<quint32>(entete.constData() + 4);
        if (entete.startsWith("data")) return taille == 0 || f.size() <= position + 8;
        position += 8 + qint64(taille) + (taille & 1);
    }
    return false;
}
}  // namespace

// Only regular files (or links to one) go to GStreamer: opening a named pipe or a device
// could block the GUI thread before any time limit applies.
void GrapheGst::verifier_fichier(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) echouer(QStringLiteral("Fichier introuvable"));
    if (!info.isFile()) echouer(QStringLiteral("Ce n'est pas un fichier"));
    if (!info.isReadable()) echouer(QStringLiteral("Accès refusé"));
    if (info.size() == 0) echouer(QStringLiteral("Le fichier ne contient aucune donnée"));
    if (wav_sans_echantillon(chemin)) echouer(QStringLiteral("Durée du fichier introuvable"));
}

// A playbin for the file, ready to play; false when it failed (the reason is in m_flux).
// forcer_mpeg: the file is taken as MPEG audio without GStreamer's type finding.
bool GrapheGst::construire(const QString& absolu, std::chrono::steady_clock::time_point limite,
                           bool forcer_mpeg) {
    liberer();
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!m_pipeline) echouer(QStringLiteral("Lecteur multimédia incomplet (playbin absent)"));
    gst_object_ref_sink(m_pipeline);
    m_flux = std::make_unique<EtatFlux>();
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    m_flux->overlay_possible = app && QGuiApplication::platformName() == QLatin1String("xcb");

    m_flux->forcer_mpeg = forcer_mpeg;
    gchar* uri = gst_filename_to_uri(QFile::encodeName(absolu).constData(), nullptr);
    g_object_set(m_pipeline, "uri", uri, "flags", kFlagsPlaybin, nullptr);
    g_free(uri);
    // Always our own sinks: left to itself playbin may choose a video sink that cannot run
    // here (no display). A graph made off the window thread only measures: it opens no sound
    // device and no window.
    try {
        if (!sur_fil_fenetres()) {
            m_flux->overlay_possible = false;
            g_object_set(m_pipeline, "audio-sink", creer_sink("fakesink"), nullptr);
            g_object_set(m_pipeline, "video-sink", creer_sink("fakesink"), nullptr);
        } else {
            const bool affichage = !qEnvironmentVariableIsEmpty("DISPLAY");
            g_object_set(m_pipeline, "audio-sink",
                         creer_sink(description_sink("SONAVEL_AUDIO_SINK", "autoaudiosink")), nullptr);
            g_object_set(m_pipeline, "video-sink",
                         creer_sink(description_sink("SONAVEL_VIDEO_SINK",
                                                     affichage ? "ximagesink" : "fakesink")),
                         nullptr);
        }
    } catch (const Erreur& e) {
        echouer(e.description());
    }
    g_signal_connect(m_pipeline, "deep-element-added", G_CALLBACK(element_ajoute), m_flux.get());
    GstBus* bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, message_bus, m_flux.get(), nullptr);
    gst_object_unref(bus);

    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_SUCCESS) {
        std::lock_guard<std::mutex> l(m_flux->m);
        m_flux->pret = true;
    }
    return attendre_chargement(limite);
}

void GrapheGst::RenderFile(const QString& chemin) {
    // The time limit covers the whole load.
    const auto limite = std::chrono::steady_clock::now() + kDelaiChargement;
    initialiser_gstreamer();
    liberer();  // a second render starts over
    m_etat = etat_graphe::Arrete;
    m_chemin = chemin;
    // A name found without regard to case (a list made on another system) is opened under
    // its name on disk.
    QString sur_disque = QFileInfo(chemin).absoluteFilePath();
    if (!chemin.isEmpty() && !QFileInfo::exists(sur_disque)) {
        const QString trouve = chemins::chemin_sur_disque(sur_disque);
        if (!trouve.isEmpty()) sur_disque = trouve;
    }
    verifier_fichier(sur_disque);

    const QString absolu = sur_disque;
    // MPEG audio without a usable header is counted frame by frame: the count starts now and
    // runs beside the preroll, so a load costs the longer of the two, not their sum.
    if (media_mpeg::parcours_necessaire(absolu)) parcours_de(absolu);
    if (!construire(absolu, limite, false)) {
        // GStreamer's type finding gives up on MPEG audio behind a long run of junk; when our
        // own search finds the audio, its parser is put on the file directly and skips the junk.
        // Which error the failed attempt reports first depends on thread timing (the source's
        // flow error can come before the type finder's), so any failure is retried.
        if (!media_mpeg::contient_mpeg(absolu) || !construire(absolu, limite, true)) {
            QString erreur;
            {
                std::lock_guard<std::mutex> l(m_flux->m);
                erreur = m_flux->erreur;
            }
            echouer(erreur.isEmpty() ? QStringLiteral("Délai de chargement dépassé") : erreur);
        }
    }

    gint n_son = 0, n_image = 0;
    g_object_get(m_pipeline, "n-audio", &n_son, "n-video", &n_image, nullptr);
    m_son = n_son > 0;
    m_image = n_image > 0;
    QString type;
    {
        std::lock_guard<std::mutex> l(m_flux->m);
        type = m_flux->type_conteneur;
    }
    if (type.startsWith(QLatin1String("image/")))
        echouer(QStringLiteral("Ce fichier est une image, pas un son ni une vidéo"));
    if (!m_son && !m_image)
        echouer(QStringLiteral("Ce fichier ne contient ni son ni vidéo"));

    // MPEG audio (layers I-III, maybe behind tags or inside RIFF/WAVE) and AAC in ADTS: our
    // own count, as GStreamer only knows the length from a Xing/VBRI header and guesses it
    // otherwise, or not at all before playing.
    std::optional<double> duree;
    if (!m_image && (type == QLatin1String("audio/mpeg") ||
                     type == QLatin1String("application/x-id3") ||
                     type == QLatin1String("application/x-apetag") ||
                     type == QLatin1String("audio/x-wav")))
        duree = duree_mpeg(absolu, limite);
    if (!duree) duree = duree_gst(limite);
    if (!duree) echouer(QStringLiteral("Durée du fichier introuvable"));
    m_duree = *duree;

    if (m_fenetre) {
        m_fenetre->resize(taille_video());
        m_fenetre->setWindowTitle(m_titre.isEmpty() ? QFileInfo(chemin).fileName() : m_titre);
    }
    appliquer_volume();
}

// The length of MPEG audio: remembered or from an agreeing header at once, else a frame walk.
// The walk may not hold the GUI thread long: past a short wait it goes on in its thread, the
// duration reads GStreamer's estimate meanwhile and the exact length once the walk is done.
std::optional<double> GrapheGst::duree_mpeg(const QString& absolu,
                                            std::chrono::steady_clock::time_point limite) {
    if (auto d = media_mpeg::duree_rapide(absolu)) return d;
    auto parcours = parcours_de(absolu);
    {
        std::unique_lock<std::mutex> l(parcours->m);
        parcours->cv.wait_until(l, std::min(limite, std::chrono::steady_clock::now() + kAttenteParcours),
                                [&] { return parcours->fini; });
        if (parcours->fini) return parcours->duree;
    }
    // Still walking: an estimate now, the walk's figure later (GStreamer has none for MPEG
    // audio before playing). Without an estimate the load waits for the walk, within its limit.
    if (auto estimation = media_mpeg::duree_estimee(absolu)) {
        m_parcours = parcours;
        return estimation;
    }
    std::unique_lock<std::mutex> l(parcours->m);
    if (!parcours->cv.wait_until(l, limite, [&] { return parcours->fini; })) parcours->arret = true;
    return parcours->duree;
}

void GrapheGst::actualiser_duree() {
    if (!m_parcours) return;
    std::lock_guard<std::mutex> l(m_parcours->m);
    if (!m_parcours->fini) return;
    if (m_parcours->duree) m_duree = *m_parcours->duree;
    m_parcours.reset();
}

namespace {
// Blocks until the walk ends; false once it has read nothing for delai_ms.
bool attendre_parcours(Parcours& p, int32_t delai_ms) {
    const auto pas = std::chrono::milliseconds(50);
    int64_t lus = p.lus.load();
    auto depuis = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> l(p.m);
    while (!p.fini) {
        p.cv.wait_for(l, pas);
        if (p.fini) break;
        const auto maintenant = std::chrono::steady_clock::now();
        if (p.lus.load() != lus) {
            lus = p.lus.load();
            depuis = maintenant;
        } else if (maintenant - depuis >= std::chrono::milliseconds(std::max(0, delai_ms))) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool GrapheGst::AttendreDuree(int32_t delai_ms) {
    // Held here: the walk outlives anything the events do to the graph meanwhile.
    if (const std::shared_ptr<Parcours> parcours = m_parcours) {
        // Off the window thread nothing is to be kept answering: the wait blocks.
        const bool fini = !sur_fil_fenetres() ? attendre_parcours(*parcours, delai_ms) : attente::attendre(
            [&] {
                std::lock_guard<std::mutex> l(parcours->m);
                return parcours->fini;
            },
            [&] { return parcours->lus.load(); }, std::max(0, delai_ms));
        // A stalled count is given up; a later load starts it again.
        if (!fini) {
            parcours->arret = true;
            return false;
        }
    }
    actualiser_duree();
    return true;
}

// GStreamer often cannot tell the length right at preroll: ask again until it answers, for a
// bounded time.
std::optional<double> GrapheGst::duree_gst(std::chrono::steady_clock::time_point limite) {
    const auto fin = std::min(limite, std::chrono::steady_clock::now() + kAttenteDureeGst);
    for (;;) {
        gint64 ns = 0;
        if (gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &ns) && ns > 0)
            return double(ns) / GST_SECOND;
        if (std::chrono::steady_clock::now() >= fin) return std::nullopt;
        std::this_thread::sleep_for(5ms);
    }
}

// Waits, without running the Qt event loop, until the pipeline is ready to play or failed.
// A video sink may ask for its window meanwhile: it is made here, on the GUI thread.
bool GrapheGst::attendre_chargement(std::chrono::steady_clock::time_point limite) {
    std::unique_lock<std::mutex> l(m_flux->m);
    m_flux->gui_attend = true;
    for (;;) {
        if (m_flux->en_erreur || m_flux->pret) break;
        if (m_flux->sink_demandeur && !m_flux->fenetre_fournie) {
            l.unlock();
            fournir_fenetre();
            l.lock();
            m_flux->fenetre_fournie = true;
            m_flux->cv.notify_all();
            continue;
        }
        if (m_flux->cv.wait_until(l, limite) == std::cv_status::timeout) break;
    }
    m_flux->gui_attend = false;
    m_flux->cv.notify_all();
    return m_flux->pret && !m_flux->en_erreur;
}

void GrapheGst::fournir_fenetre() {
    GstElement* sink = m_flux->sink_demandeur;
    if (!m_fenetre) {
        m_fenetre = std::make_unique<FenetreVideo>(sink);
        m_fenetre->resize(320, 240);
    }
    m_sink_video = sink;
    gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(sink),
                                        static_cast<guintptr>(m_fenetre->winId()));
}

QSize GrapheGst::taille_video() const {
    QSize taille(320, 240);
    GstElement* sink = nullptr;
    g_object_get(m_pipeline, "video-sink", &sink, nullptr);
    if (!sink) return taille;
    if (GstPad* pad = gst_element_get_static_pad(sink, "sink")) {
        if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
            gint l = 0, h = 0;
            const GstStructure* s = gst_caps_get_structure(caps, 0);
            if (gst_structure_get_int(s, "width", &l) && gst_structure_get_int(s, "height", &h) &&
                l > 0 && h > 0)
                taille = QSize(l, h);
            gst_caps_unref(caps);
        }
        gst_object_unref(pad);
    }
    gst_object_unref(sink);
    return taille;
}

void GrapheGst::changer_etat(GstState cible, int32_t etat) {
    if (cible == GST_STATE_PLAYING) m_position_figee.reset();
    if (m_pipeline) {
        if (gst_element_set_state(m_pipeline, cible) == GST_STATE_CHANGE_FAILURE) {
            std::lock_guard<std::mutex> l(m_flux->m);
            throw Erreur(err::RenduImpossible,
                         sur_fichier(m_flux->erreur.isEmpty() ? QStringLiteral("Changement d'état refusé")
                                                              : m_flux->erreur,
                                     m_chemin));
        }
        // A pause takes effect when the sinks have stopped: wait for it, so that the position
        // read next no longer moves. Starting needs no wait.
        if (cible == GST_STATE_PAUSED && !m_position_figee) {
            gst_element_get_state(m_pipeline, nullptr, nullptr, kDelaiEtat);
            m_position_figee = CurrentPosition();
        }
    }
    m_etat = etat;
}

void GrapheGst::Run() {
    changer_etat(GST_STATE_PLAYING, etat_graphe::EnLecture);
    if (m_fenetre && !m_fenetre->isVisible()) m_fenetre->show();
}

double GrapheGst::CurrentPosition() {
    if (!m_pipeline) return m_position_voulue;
    actualiser_duree();
    if (m_position_figee) return *m_position_figee;
    {
        std::lock_guard<std::mutex> l(m_flux->m);
        if (m_flux->fin) return m_duree;
    }
    gint64 ns = 0;
    double p = m_position_voulue;
    if (gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &ns) && ns >= 0)
        p = double(ns) / GST_SECOND;
    if (m_duree > 0 && p > m_duree) p = m_duree;
    return p;
}

void GrapheGst::setCurrentPosition(double secondes) {
    if (!std::isfinite(secondes))
        throw Erreur(err::ArgumentMedia, QStringLiteral("Position non valide"));
    actualiser_duree();
    // Any position is brought into the stream, so no value reaches GStreamer that it would
    // refuse (or overflow converting to nanoseconds).
    if (secondes < 0) secondes = 0;
    if ((m_pipeline || m_duree > 0) && secondes > m_duree) secondes = m_duree;
    m_position_voulue = secondes;
    if (!m_pipeline) return;
    {
        std::lock_guard<std::mutex> l(m_flux->m);
        m_flux->fin = m_duree > 0 && secondes >= m_duree;
    }
    gst_element_seek_simple(m_pipeline, GST_FORMAT_TIME,
                            GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            gint64(std::llround(secondes * GST_SECOND)));
    // The seek completes when the pipeline has prerolled again: wait for it (bounded) so that
    // the position reads the new value at once.
    gst_element_get_state(m_pipeline, nullptr, nullptr, kDelaiEtat);
    if (m_position_figee) {
        m_position_figee.reset();
        if (m_etat != etat_graphe::EnLecture) m_position_figee = CurrentPosition();
    }
}

int32_t GrapheGst::Volume() {
    exiger_son(m_son);
    return m_volume;
}

void GrapheGst::setVolume(int32_t niveau) {
    exiger_son(m_son);
    verifier_niveau(niveau);
    m_volume = niveau;
    appliquer_volume();
}

void GrapheGst::appliquer_volume() {
    // Hundredths of a decibel to a linear gain.
    if (m_pipeline) g_object_set(m_pipeline, "volume", std::pow(10.0, m_volume / 2000.0), nullptr);
}

void GrapheGst::setCaption(const QString& titre) {
    m_titre = titre;
    if (m_fenetre) m_fenetre->setWindowTitle(titre);
}
}  // namespace

void FilgraphManager::prechauffer_en_fond() {
    static std::once_flag une_fois;
    std::call_once(une_fois, [] {
        std::thread([] {
            prechauffer();
            g_prechauffage_fini = true;
        }).detach();
    });
}

bool FilgraphManager::prechauffage_fini() { return g_prechauffage_fini; }

std::shared_ptr<GrapheFiltres> FilgraphManager::creer_graphe_gstreamer() {
    return std::make_shared<GrapheGst>();
}
