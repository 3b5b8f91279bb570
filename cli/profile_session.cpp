#include "cli/profile_session.h"

#include "app/settings_store.h"
#include "base/local_time.h"
#include "cli/console_ui.h"

namespace lumora {

std::filesystem::path LimitResultsPathFor(const std::filesystem::path& profilePath) {
  std::filesystem::path path = profilePath;
  path.replace_extension(".limits");
  return path;
}

void SayIfProfileUnread(const Profile& profile, std::wstring_view command, std::FILE* err) {
  if (!profile.IsReadable())
    WriteUtf8(err, L"lumora-cli " + std::wstring(command) + L": " + profile.Problem() + L"\n");
}

ProfileSession OpenProfileSession(const std::optional<std::string>& profilePath,
                                  const std::optional<std::string>& logPath) {
  ProfileSession session;
  const std::filesystem::path path =
      profilePath ? std::filesystem::path(*profilePath) : Profile::DefaultPath();
  session.profile = std::make_unique<Profile>(path);
  session.app =
      std::make_unique<CLumoraApp>(logPath ? std::filesystem::path(*logPath) : DefaultLogPath());
  session.limitsPath = LimitResultsPathFor(path);

  CLumoraApp& app = *session.app;
  WriteStartupBlock(app.m_log);
  LoadSavedState(*session.profile, app, NowSeconds());
  app.m_limitResults = LoadLimitResults(session.limitsPath);
  return session;
}

}  // namespace lumora
