#pragma once
// The record number of the entry on air (num_enreg_courant) follows that entry through the
// edits of the list: the keep-volume command and the zap's end-point write rewrite it, so it
// must keep naming the same entry. 0 means no entry and stays 0.
#include <cstdint>

namespace suivi_courant {
// k rows inserted at row r (each at r): the rows from r down move k further.
inline int32_t apres_insertion(int32_t c, int32_t r, int32_t k = 1) { return c >= 1 && c >= r ? c + k : c; }
// Row r removed: the rows below it move up; the removed row's own number stays (it now names
// the entry that took its place).
inline int32_t apres_retrait(int32_t c, int32_t r) { return c > r ? c - 1 : c; }
// Row s0 dropped on row d: a copy goes in at d, then the original (moved down by one when
// d <= s0) goes out. The dragged entry ends at d, or d - 1 when it moved down the list.
inline int32_t apres_deplacement(int32_t c, int32_t s0, int32_t d) {
    if (c < 1 || s0 == d) return c;
    if (c == s0) return d <= s0 ? d : d - 1;
    const int32_t s = d <= s0 ? s0 + 1 : s0;
    return apres_retrait(apres_insertion(c, d), s);
}
}  // namespace suivi_courant
