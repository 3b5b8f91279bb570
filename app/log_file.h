#pragma once
// The program's log: one text file that every part of a run writes to. Each
// line carries a local time stamp and is flushed at once, so the log is whole
// up to the last line even when the program dies.

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

/// Size at which an existing log is trimmed at start-up, and what is kept.
inline constexpr std::uintmax_t kLogTrimAbove = 200000;
inline constexpr std::uintmax_t kLogKeep = 80000;

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  /// Opens the log at `path`: an existing file is trimmed (TrimLogFile) and
  /// appended to, a missing one is created. Returns false when the file
  /// cannot be opened; the log then stays closed and writes nothing.
  bool Open(const std::filesystem::path& path);
  bool IsOpen() const { return m_file != nullptr; }
  const std::filesystem::path& path() const { return m_path; }

  /// Writes one line: "%d.%m.%Y  %H:%M:%S  " of the local time, the text
  /// unchanged (it may hold its own line feeds) and "\n"; then flushes.
  /// Safe from any thread; does nothing while the log is closed.
  void WriteLog(std::wstring_view text);

  /// Writes several lines as WriteLog does, under one time stamp and with
  /// one flush: a block of thousands of lines costs one write, not one each.
  void WriteLogLines(const std::vector<std::wstring_view>& lines);

  /// Writes text as it is, without time stamp or line end (the start-up
  /// block), and flushes.
  void WriteRaw(std::wstring_view text);

  /// What to tell the user, once, when the log could not be opened or a
  /// write to it failed (a full disk, say); empty before that and after it
  /// was taken once.
  std::wstring TakeFailure();

 private:
  std::mutex m_mutex;
  /// Writes `bytes` and flushes, noting a failure; the mutex is held.
  void Put(const std::string& bytes);

  std::FILE* m_file = nullptr;
  std::filesystem::path m_path;
  bool m_failed = false;
  bool m_failureTaken = false;
};

/// Shortens the file at `path` when it is larger than `trimAbove` bytes to
/// its last `keep` bytes, starting at a line. The file is replaced through a
/// temporary file, so a failure leaves it as it was. Returns false on failure.
bool TrimLogFile(const std::filesystem::path& path, std::uintmax_t keep, std::uintmax_t trimAbove);

/// "Lumora.log" in the user's state folder (GetUserStateDir): an installed
/// program's own folder is not writable, and the log is the user's.
std::filesystem::path DefaultLogPath();

/// Writes the start-up block: the separator and start lines, then the time,
/// the program's path, the version block and the system descriptions.
void WriteStartupBlock(LogFile& log);

}  // namespace lumora
