#pragma once
// One run over the rows of a file list, shown in the progress window: the caption carries
// an activity text and the dots, the bar follows the row index.
#include <QString>

#include "windows/fsauve.h"

class ProgressionFichiers {
public:
    // Shows the progress window with the bar's maximum at the number of rows.
    explicit ProgressionFichiers(int nombre);
    // Caption: the activity followed by the dots of this run.
    void legende(const QString& activite);
    // After a row: the bar at the next row's index, the dots one step on.
    void avancer(int index);
    // End of the run: hidden. On an error the run unloads the window instead.
    static void cacher();
    static void decharger();

private:
    PointsProgression m_points;
};
