#pragma once
// Runs a test in a fixed time zone and restores the previous one after it.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace lumora::testing {

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_previous = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (m_previous)
      setenv("TZ", m_previous->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> m_previous;
};

}  // namespace lumora::testing
