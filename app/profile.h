#pragma once
// The user's profile: every setting of section "Base", written the moment it
// changes and read at start-up. On Linux it is a wxFileConfig file in the
// user's config folder (or a file named on the command line and in tests);
// it holds the database password as typed, so the file is private to its
// owner.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class wxConfigBase;

namespace lumora {

class Profile {
 public:
  /// Opens the profile kept in the file at `path`. The file and its folder
  /// are created on the first write, readable and writable by the owner only.
  explicit Profile(const std::filesystem::path& path);
  ~Profile();
  Profile(const Profile&) = delete;
  Profile& operator=(const Profile&) = delete;

  /// The profile file in the user's config folder.
  static std::filesystem::path DefaultPath();

  const std::filesystem::path& path() const { return m_path; }

  /// Values of section "Base"; a missing key (or, for ReadInt, a text that
  /// is no number) gives the default.
  int32_t ReadInt(std::wstring_view key, int32_t defaultValue) const;
  std::wstring ReadString(std::wstring_view key, std::wstring_view defaultValue) const;

  /// Writes one key of section "Base" and flushes the file at once. Returns
  /// false when the file cannot be written.
  bool WriteInt(std::wstring_view key, int32_t value);
  bool WriteString(std::wstring_view key, std::wstring_view value);

 private:
  std::filesystem::path m_path;
  std::unique_ptr<wxConfigBase> m_config;
};

}  // namespace lumora
