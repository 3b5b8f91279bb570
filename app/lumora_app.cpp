#include "app/lumora_app.h"

namespace lumora {

CLumoraApp::CLumoraApp(const std::filesystem::path& logPath) {
  m_log.Open(logPath);
}

}  // namespace lumora
