#include "support/fixtures.h"

#include <gst/gst.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cmath>

#include "platform/media_mpeg.h"

namespace fixtures {
namespace {
// audiotestsrc sends 10 ms buffers: lengths are whole numbers of them.
int tampons(double secondes) { return int(std::lround(secondes * 100)); }

QString son(double secondes, const char* onde = "sine") {
    return QStringLiteral("audiotestsrc wave=%1 num-buffers=%2 samplesperbuffer=441 ! "
                          "audio/x-raw,rate=44100,channels=2,format=S16LE")
        .arg(QLatin1String(onde))
        .arg(tampons(secondes));
}

QString image(double secondes) {
    return QStringLiteral("videotestsrc pattern=smpte num-buffers=%1 ! "
                          "video/x-raw,width=320,height=240,framerate=25/1")
        .arg(std::lround(secondes * 25));
}

QString nom_ms(const char* prefixe, double secondes, const char* extension) {
    return QStringLiteral("%1_%2ms.%3")
        .arg(QLatin1String(prefixe))
        .arg(std::lround(secondes * 1000))
        .arg(QLatin1String(extension));
}

// ecrire makes the file under the name it is given and returns what failed, or nothing.
// Writes to a unique temporary name and renames, so that tests running side by side never see
// half a file.
template <class Ecrire>
QString fabriquer(const QString& nom, Ecrire ecrire) {
    const QString chemin = dossier() + QLatin1Char('/') + nom;
    if (QFileInfo::exists(chemin)) return chemin;
    const QString temp = chemin + QStringLiteral(".%1.tmp").arg(QUuid::createUuid().toString(QUuid::Id128));
    const QString echec = ecrire(temp);
    if (!echec.isEmpty()) {
        QFile::remove(temp);
        qFatal("fixture %s: %s", qPrintable(nom), qPrintable(echec));
    }
    if (!QFile::rename(temp, chemin)) QFile::remove(temp);  // another process made it first
    if (!QFileInfo::exists(chemin)) qFatal("fixture %s could not be made", qPrintable(nom));
    return chemin;
}

// Runs a pipeline whose description has %1 where the output file goes.
QString encoder(const QString& nom, const QString& description) {
    return fabriquer(nom, [&](const QString& temp) {
        if (!gst_is_initialized()) gst_init(nullptr, nullptr);
        const QString texte = description.arg(QStringLiteral("filesink location=\"%1\"").arg(temp));
        GError* e = nullptr;
        GstElement* p = gst_parse_launch(texte.toUtf8().constData(), &e);
        if (!p || e) return QString::fromUtf8(e ? e->message : "?");
        gst_element_set_state(p, GST_STATE_PLAYING);
        GstBus* bus = gst_element_get_bus(p);
        GstMessage* m = gst_bus_timed_pop_filtered(
            bus, 300 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        QString echec;
        if (!m) echec = QStringLiteral("timed out");
        else if (GST_MESSAGE_TYPE(m) == GST_MESSAGE_ERROR) {
            gst_message_parse_error(m, &e, nullptr);
            echec = QString::fromUtf8(e->message);
            g_error_free(e);
        }
        if (m) gst_message_unref(m);
        gst_object_unref(bus);
        gst_element_set_state(p, GST_STATE_NULL);
        gst_object_unref(p);
        return echec;
    });
}

QString ecrire_octets(const QString& nom, const QByteArray& octets) {
    return fabriquer(nom, [&](const QString& temp) {
        QFile f(temp);
        if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
            return f.errorString();
        return QString();
    });
}
}  // namespace

QString dossier() {
    static const QString d = [] {
        QString chemin = qEnvironmentVariable("SONAVEL_FIXTURE_DIR");
#ifdef SONAVEL_FIXTURE_DIR
        if (chemin.isEmpty()) chemin = QStringLiteral(SONAVEL_FIXTURE_DIR);
#endif
        if (chemin.isEmpty()) chemin = QDir::tempPath() + QStringLiteral("/sonavel-fixtures");
        QDir().mkpath(chemin);
        return chemin;
    }();
    return d;
}

QString mp3(double secondes, Debit debit, bool xing) {
    const bool variable = debit == Debit::Variable;
    if (xing)  // the same stream with a Xing header in front
        return encoder(nom_ms(variable ? "mp3_vbr_xing" : "mp3_cbr_xing", secondes, "mp3"),
                       QStringLiteral("filesrc location=\"%2\" ! mpegaudioparse ! xingmux ! %1")
                           .arg(QStringLiteral("%1"), mp3(secondes, debit, false)));
    if (!variable)
        return encoder(nom_ms("mp3_cbr", secondes, "mp3"),
                       son(secondes) + " ! lamemp3enc target=bitrate bitrate=128 cbr=true ! %1");
    // A tenth of silence, then white noise: the bit rate jumps from the lowest to the highest.
    const double silence = std::round(secondes * 10) / 100;
    return encoder(nom_ms("mp3_vbr", secondes, "mp3"),
                   "concat name=c ! lamemp3enc target=quality quality=2 ! %1 " +
                       son(silence, "silence") + " ! c. " +
                       son(secondes - silence, "white-noise") + " ! c.");
}

QString wav(double secondes) {
    return encoder(nom_ms("wav", secondes, "wav"), son(secondes) + " ! wavenc ! %1");
}

QString wma(double secondes) {
    return encoder(nom_ms("wma", secondes, "wma"),
                   son(secondes) + " ! audioconvert ! avenc_wmav2 ! asfmux ! %1");
}

QString avi(double secondes, bool avec_son) {
    QString d = image(secondes) + " ! jpegenc ! avimux name=m ! %1";
    if (avec_son) d += " " + son(secondes) + " ! m.";
    return encoder(nom_ms(avec_son ? "avi" : "avi_muet", secondes, "avi"), d);
}

QString mpeg(double secondes) {
    return encoder(nom_ms("mpeg", secondes, "mpg"),
                   image(secondes) + " ! mpeg2enc format=0 ! mpegvideoparse ! avmux_mpeg name=m ! %1 " +
                       son(secondes) + " ! audioconvert ! avenc_mp2 ! mpegaudioparse ! m.");
}

QString mpeg_audio(double secondes, int couche, int frequence) {
    const QString encodeur = couche == 2 ? QStringLiteral("avenc_mp2 bitrate=64000")
                                         : QStringLiteral("lamemp3enc target=bitrate bitrate=64 cbr=true");
    return encoder(QStringLiteral("mpeg_l%1_%2hz_%3ms.mp%1").arg(couche).arg(frequence).arg(std::lround(secondes * 1000)),
                   son(secondes) + QStringLiteral(" ! audioconvert ! audioresample ! audio/x-raw,channels=1,rate=%1 ! ")
                                       .arg(frequence) + encodeur + " ! %1");
}

QString aac_adts(double secondes) {
    return encoder(nom_ms("aac_adts", secondes, "aac"),
                   son(secondes) + " ! audioconvert ! avenc_aac ! aacparse ! "
                                   "audio/mpeg,stream-format=adts ! %1");
}

QString octets(const QString& nom, const QByteArray& contenu) { return ecrire_octets(nom, contenu); }

QString texte_nomme_mp3() {
    return ecrire_octets(QStringLiteral("texte.mp3"),
                         QByteArray("Ceci n'est pas un son.\nJuste du texte.\n").repeated(40));
}

QString png_nomme_mp3() {
    return encoder(QStringLiteral("image_png.mp3"),
                   QStringLiteral("videotestsrc num-buffers=1 ! video/x-raw,width=64,height=64 ! "
                                  "pngenc ! %1"));
}

QString fichier_vide() { return ecrire_octets(QStringLiteral("vide.mp3"), QByteArray()); }
DisqueLent::DisqueLent(int64_t octets_par_seconde) { media_mpeg::brider_lecture(octets_par_seconde); }
DisqueLent::~DisqueLent() { media_mpeg::brider_lecture(0); }
}  // namespace fixtures
