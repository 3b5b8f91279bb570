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
  /// Opens the profile kept in the file at `path` (made absolute against the
  /// current folder). The file and its missing folders are created on the
  /// first write, readable and writable by the owner only; an existing file
  /// is narrowed to the owner on every write. Values are kept exactly as
  /// written: blanks at either end, backslashes, "$" and line feeds survive.
  /// Needs no initialised wx application.
  explicit Profile(const std::filesystem::path& path);
  ~Profile();
  Profile(const Profile&) = delete;
  Profile& operator=(const Profile&) = delete;

  /// The profile file in the user's config folder: "lumora/lumora.ini" under
  /// $XDG_CONFIG_HOME (when absolute), else under ~/.config.
  static std::filesystem::path DefaultPath();

  const std::filesystem::path& path() const { return m_path; }

  /// False when the file exists but cannot be read, or is damaged (it is no
  /// profile text): every value then reads as its default, and every write
  /// fails, so the settings are not kept and the file stays as it is.
  bool IsReadable() const { return m_state != State::kUnreadable && m_state != State::kDamaged; }
  /// False when a write would fail because the file is read-only (or not
  /// readable, see above): the file is then never replaced nor its mode changed.
  bool IsWritable() const { return m_state == State::kWritable; }
  /// What keeps the settings from being read or kept, for the user; empty
  /// when nothing does.
  std::wstring Problem() const;

  /// Values of section "Base"; a missing key (or, for ReadInt, a text that
  /// is no number) gives the default.
  int32_t ReadInt(std::wstring_view key, int32_t defaultValue) const;
  std::wstring ReadString(std::wstring_view key, std::wstring_view defaultValue) const;

  /// Writes one key of section "Base" and flushes the file at once. Returns
  /// false when the file cannot be written (the value is then still read
  /// back from memory, and the next successful write saves it too).
  bool WriteInt(std::wstring_view key, int32_t value);
  bool WriteString(std::wstring_view key, std::wstring_view value);

 private:
  std::filesystem::path m_path;
  std::unique_ptr<wxConfigBase> m_config;
  enum class State { kWritable, kUnreadable, kDamaged, kReadOnly };
  /// A file that could not be read, or is damaged, would lose every other
  /// setting in it if it were written; a read-only one is the owner's choice.
  /// Writes fail in all three.
  State m_state = State::kWritable;
};

}  // namespace lumora
