#include "platform/bandeau.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMovie>

#include "platform/chemins.h"

Bandeau::Bandeau(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

QString Bandeau::fichier_pour(const QString& source) {
    const QString s = source.trimmed();
    if (s.isEmpty() || s.contains(QLatin1String("://"))) return QString();
    QString chemin = s;
    if (chemins::a_extension(chemin, QStringLiteral("swf"))) chemin = chemins::sans_extension(chemin) + QStringLiteral(".gif");
    if (QFileInfo(chemin).isRelative()) chemin = QFileInfo(chemin).absoluteFilePath();
    const QString sur_disque = chemins::chemin_sur_disque(chemin);
    if (sur_disque.isEmpty() || !QFileInfo(sur_disque).isFile()) return QString();
    return sur_disque;
}

void Bandeau::setMovie(const QString& source) {
    m_source = source;
    if (m_film) {
        m_film->stop();
        QLabel::setMovie(nullptr);
        delete m_film;
        m_film = nullptr;
    }
    m_fichier.clear();
    const QString fichier = fichier_pour(source);
    if (!fichier.isEmpty()) {
        auto* film = new QMovie(fichier, QByteArray(), this);
        if (film->isValid()) {
            m_film = film;
            m_fichier = fichier;
            // A movie that plays its frames once starts again while looping is on.
            connect(m_film, &QMovie::finished, this, [this] {
                if (m_boucle && m_film) m_film->start();
            });
            QLabel::setMovie(m_film);
            m_film->jumpToFrame(0);
            ajuster_taille();
            return;
        }
        delete film;
    }
    afficher_texte();
}

void Bandeau::Play() {
    if (m_film) m_film->start();
}

void Bandeau::StopPlay() {
    if (m_film) m_film->setPaused(true);
}

bool Bandeau::Playing() const { return m_film && m_film->state() == QMovie::Running; }

int Bandeau::image_courante() const { return m_film ? m_film->currentFrameNumber() : 0; }

void Bandeau::setTexte(const QString& texte) {
    m_texte = texte;
    if (!m_film) afficher_texte();
}

void Bandeau::afficher_texte() { setText(m_texte); }

void Bandeau::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    ajuster_taille();
}

// The picture fills the banner's place, keeping its proportions.
void Bandeau::ajuster_taille() {
    if (!m_film) return;
    const QSize origine = QImageReader(m_fichier).size();
    if (origine.isEmpty() || size().isEmpty()) return;
    m_film->setScaledSize(origine.scaled(size(), Qt::KeepAspectRatio));
}
