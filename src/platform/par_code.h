#pragma once
// Shared by the controls' sources: telling code's changes from the user's, and raising an
// event handler when there is one.
#include "platform/evenements.h"

namespace controles_interne {
// Sets a flag for the duration of a change made by code, so that the Qt signal the change
// emits is not taken for a user action.
class ParCode {
public:
    explicit ParCode(bool& drapeau) : m_drapeau(drapeau), m_avant(drapeau) { m_drapeau = true; }
    ~ParCode() { m_drapeau = m_avant; }

private:
    bool& m_drapeau;
    bool m_avant;
};

inline void lancer(const Gestion& g) {
    if (g) g();
}
}  // namespace controles_interne
