#pragma once
// Test helpers for the start-up and settings: an empty settings store, and the program's
// end turned into an exception the test can catch.
#include <QString>
#include <functional>

namespace sonavel_test {
// Removes the settings file: the next read sees an empty store.
void vider_reglages();
// The stored text of a key of "Sonavel V5" ("<absent>" when missing).
QString reglage(const char* section, const char* cle);

// What the program's end throws while a FinInterceptee lives.
struct FinProgramme {};
class FinInterceptee {
public:
    FinInterceptee();
    ~FinInterceptee();
    FinInterceptee(const FinInterceptee&) = delete;
    FinInterceptee& operator=(const FinInterceptee&) = delete;

private:
    std::function<void()> m_avant;
};
// Runs f and tells whether it ended the program.
bool termine(const std::function<void()>& f);
}  // namespace sonavel_test
