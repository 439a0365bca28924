#pragma once
// The playlist view as the tests read it.
#include <QStringList>
#include <QTreeWidgetItem>

#include "windows/Liste_son.h"

namespace sonavel_test {
// The six cells of row n (1-based) of the playlist: path, start, end, genre, volume, duration.
inline QStringList cellules_ligne(int n) {
    const QTreeWidgetItem* i = Liste_son::instance().ListView1.ListItem(n);
    QStringList r;
    for (int c = 0; c < 6; ++c) r << i->text(c);
    return r;
}
}  // namespace sonavel_test
