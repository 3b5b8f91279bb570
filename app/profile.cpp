#include "app/profile.h"

#include <pwd.h>
#include <unistd.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>
#include <vector>

#include "base/text.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kOwnerFile = fs::perms::owner_read | fs::perms::owner_write;

wxString ToWx(std::wstring_view text) {
  return wxString(text.data(), text.size());
}

wxString EntryPath(std::wstring_view key) {
  return L"/Base/" + ToWx(key);
}

std::optional<int32_t> ParseWholeInt32(std::wstring_view text) {
  const std::wstring trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  errno = 0;
  const long long value = std::wcstoll(trimmed.c_str(), &end, 10);
  if (errno != 0 || end != trimmed.c_str() + trimmed.size()) return std::nullopt;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

// Creates the missing folders above the profile file, each private to its
// owner; folders that already exist keep their permissions.
bool CreatePrivateFolders(const fs::path& folder) {
  std::error_code error;
  if (folder.empty() || fs::is_directory(folder, error)) return true;
  std::vector<fs::path> missing;
  for (fs::path p = folder; !p.empty() && !fs::exists(p, error); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (!fs::create_directory(*it, error) && error) return false;
    fs::permissions(*it, fs::perms::owner_all, fs::perm_options::replace, error);
  }
  return fs::is_directory(folder, error);
}

// The file holds the database password as typed: a file that exists with
// wider permissions (created by hand or by an older version) is narrowed
// before new content goes into it. The rewrite copies the old file's mode.
void MakeFilePrivate(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return;
  if ((status.permissions() & fs::perms::all) != kOwnerFile)
    fs::permissions(path, kOwnerFile, fs::perm_options::replace, error);
}

/// Whether `bytes` read as a profile file: UTF-8 text whose lines are each
/// blank, a comment, a "[group]" or a "key=value". Anything else is a damaged
/// file (or no profile at all), which the settings must not be read from.
bool IsProfileText(const std::string& bytes) {
  if (bytes.find('\0') != std::string::npos || WideToUtf8(Utf8ToWide(bytes)) != bytes) return false;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::wstring line = Trim(Utf8ToWide(std::string_view(bytes).substr(start, end - start)));
    start = end + 1;
    if (line.empty() || line[0] == L';' || line[0] == L'#') continue;
    if (line[0] == L'[') {
      if (line.back() != L']') return false;
      continue;
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring::npos || Trim(std::wstring_view(line).substr(0, equals)).empty())
      return false;
  }
  return true;
}

/// True when the file at `path` exists and may not be written: its owner
/// made it read-only, or this user has no right to. Writing would replace it.
bool IsReadOnlyFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none ||
         access(path.c_str(), W_OK) != 0;
}

fs::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return fs::temp_directory_path();
}

}  // namespace

Profile::Profile(const fs::path& path) : m_path(fs::absolute(path)) {
  std::error_code error;
  std::string bytes;
  // Something else at the path (a folder) is left to fail on the first write.
  if (fs::is_regular_file(m_path, error)) {
    std::ifstream file(m_path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), {});
    if (!file.is_open() || file.bad())
      m_state = State::kUnreadable;
    else if (!IsProfileText(bytes))
      m_state = State::kDamaged;
    else if (IsReadOnlyFile(m_path))
      m_state = State::kReadOnly;
  }
  // Never touch wx's logging from here: a console program has no log target,
  // and problems with the file show as failed writes.
  wxLogNull quiet;
  if (m_state != State::kWritable) {
    // The settings held in memory, where writes go and stay: a read-only
    // file's own, or the defaults when the file could not be read or is
    // damaged (then it is never parsed). Nothing is ever written back.
    if (m_state != State::kReadOnly) bytes.clear();
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    m_config = std::make_unique<wxFileConfig>(stream);
    m_config->SetExpandEnvVars(false);
    m_config->SetRecordDefaults(false);
    return;
  }
  // An absolute path with wxCONFIG_USE_RELATIVE_PATH keeps wxFileConfig away
  // from wxStandardPaths, which needs an initialised wx application. Escape
  // characters stay on: they are what lets leading blanks, backslashes and
  // line feeds come back exactly as written.
  auto config = std::make_unique<wxFileConfig>(
      wxEmptyString, wxEmptyString, ToWx(PathToText(m_path)), wxEmptyString,
      wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_RELATIVE_PATH);
  // Values are stored as typed: "$HOME" in a password stays "$HOME".
  config->SetExpandEnvVars(false);
  config->SetRecordDefaults(false);
  config->SetUmask(0077);
  m_config = std::move(config);
}

Profile::~Profile() {
  // The writes have flushed already; a last failing flush must stay quiet.
  wxLogNull quiet;
  m_config.reset();
}

fs::path Profile::DefaultPath() {
  fs::path folder;
  // XDG ignores a relative XDG_CONFIG_HOME.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME");
      xdg != nullptr && fs::path(xdg).is_absolute())
    folder = xdg;
  else
    folder = HomeFolder() / ".config";
  return folder / "lumora" / "lumora.ini";
}

int32_t Profile::ReadInt(std::wstring_view key, int32_t defaultValue) const {
  wxString text;
  if (!m_config->Read(EntryPath(key), &text)) return defaultValue;
  return ParseWholeInt32(text.ToStdWstring()).value_or(defaultValue);
}

std::wstring Profile::ReadString(std::wstring_view key, std::wstring_view defaultValue) const {
  wxString text;
  if (!m_config->Read(EntryPath(key), &text)) return std::wstring(defaultValue);
  return text.ToStdWstring();
}

bool Profile::WriteInt(std::wstring_view key, int32_t value) {
  return WriteString(key, std::to_wstring(value));
}

bool Profile::WriteString(std::wstring_view key, std::wstring_view value) {
  wxLogNull quiet;
  // A file that cannot be read, is damaged or is read-only is never replaced.
  if (!m_config->Write(EntryPath(key), ToWx(value)) || m_state != State::kWritable) return false;
  if (!CreatePrivateFolders(m_path.parent_path())) return false;
  MakeFilePrivate(m_path);
  return m_config->Flush();
}

std::wstring Profile::Problem() const {
  const std::wstring path = PathToText(m_path);
  switch (m_state) {
    case State::kUnreadable:
      return L"The profile " + path +
             L" cannot be read: the default settings are used, and the file is left as it is.";
    case State::kDamaged:
      return L"The profile " + path +
             L" is damaged: the default settings are used, and the file is left as it is.";
    case State::kReadOnly:
      return L"The profile " + path + L" is read-only: changed settings are not kept.";
    case State::kWritable:
      break;
  }
  return {};
}

}  // namespace lumora
