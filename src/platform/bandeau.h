#pragma once
// The banner of the main window: an animated picture (GIF) or a still picture, looping. The
// stored banner names are movies (".swf"); for such a name the picture of the same base name
// with ".gif" is shown. A web address is not fetched. When there is nothing to show, the
// banner shows its text (the station name) instead, so the place is never blank.
#include <QLabel>
#include <QString>

class QMovie;

class Bandeau : public QLabel {
    Q_OBJECT
public:
    explicit Bandeau(QWidget* parent = nullptr);

    // The movie as it was set (a file name or a web address).
    QString Movie() const { return m_source; }
    // Takes a new movie; the old one stops. The banner then shows the picture, or its text.
    void setMovie(const QString& source);
    bool Loop() const { return m_boucle; }
    void setLoop(bool boucle) { m_boucle = boucle; }
    void Play();
    void StopPlay();
    bool Playing() const;

    // The picture file shown ("" when the banner shows its text).
    QString fichier_affiche() const { return m_fichier; }
    // The number of the frame on screen (0 for a still picture or text).
    int image_courante() const;
    // The text shown when there is no picture to show.
    QString texte() const { return m_texte; }
    void setTexte(const QString& texte);

    // The file that a movie name shows: a ".swf" name gives the ".gif" of the same base name,
    // matched without regard to case; "" for a web address or a missing file.
    static QString fichier_pour(const QString& source);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void afficher_texte();
    void ajuster_taille();

    QMovie* m_film = nullptr;
    QString m_source;
    QString m_fichier;
    QString m_texte;
    bool m_boucle = false;
};
