#include "app/log_file.h"

#include <fstream>
#include <string>
#include <system_error>

#include "app/system_info.h"
#include "base/local_time.h"
#include "base/text.h"

namespace lumora {

LogFile::~LogFile() {
  if (m_file) std::fclose(m_file);
}

bool LogFile::Open(const std::filesystem::path& path) {
  std::lock_guard lock(m_mutex);
  if (m_file) std::fclose(m_file);
  std::error_code error;
  if (std::filesystem::exists(path, error)) TrimLogFile(path, kLogKeep, kLogTrimAbove);
  m_file = std::fopen(path.c_str(), "ab");
  m_path = path;
  m_failed = m_file == nullptr;
  return m_file != nullptr;
}

void LogFile::Put(const std::string& bytes) {
  if (!m_file) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size() ||
      std::fflush(m_file) != 0)
    m_failed = true;
}

std::wstring LogFile::TakeFailure() {
  std::lock_guard lock(m_mutex);
  if (!m_failed || m_failureTaken) return {};
  m_failureTaken = true;
  return L"The log " + PathToText(m_path) +
         L" cannot be written: the report shows here only, and the all-in details are not kept.";
}

void LogFile::WriteLog(std::wstring_view text) {
  WriteLogLines({text});
}

void LogFile::WriteLogLines(const std::vector<std::wstring_view>& lines) {
  if (lines.empty()) return;
  const std::string stamp = WideToUtf8(
      FormatLocalTime(NowSeconds(), L"%d.%m.%Y  %H:%M:%S  ").value_or(L"00.00.0000  00:00:00  "));
  size_t size = 0;
  for (const std::wstring_view text : lines) size += stamp.size() + text.size() + 1;
  std::string block;
  block.reserve(size);  // exact when the text is ASCII, as it mostly is
  for (const std::wstring_view text : lines) {
    block += stamp;
    AppendUtf8(block, text);
    block += '\n';
  }
  std::lock_guard lock(m_mutex);
  Put(block);
}

void LogFile::WriteRaw(std::wstring_view text) {
  const std::string bytes = WideToUtf8(text);
  std::lock_guard lock(m_mutex);
  Put(bytes);
}

bool TrimLogFile(const std::filesystem::path& path, std::uintmax_t keep, std::uintmax_t trimAbove) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return false;
  if (size <= trimAbove) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(static_cast<std::streamoff>(size - keep));
  std::string tail(static_cast<size_t>(keep), '\0');
  in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
  tail.resize(static_cast<size_t>(in.gcount()));
  // Start at a whole line, unless the kept part is one endless line.
  const size_t newline = tail.find('\n');
  if (newline != std::string::npos) tail.erase(0, newline + 1);
  std::filesystem::path temporary = path;
  temporary += ".trim";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(tail.data(), static_cast<std::streamsize>(tail.size()))) return false;
  }
  std::filesystem::rename(temporary, path, error);
  return !error;
}

std::filesystem::path DefaultLogPath() {
  return GetUserStateDir() / "Lumora.log";
}

void WriteStartupBlock(LogFile& log) {
  log.WriteLog(L"\n================================");
  log.WriteLog(L"Lumora start");
  if (!log.IsOpen()) return;
  const std::wstring now =
      FormatLocalTime(NowSeconds(), L"%d.%m.%Y  %H:%M:%S").value_or(std::wstring());
  log.WriteRaw(now + L"\n" + GetExecPath().wstring() + L"\n");
  log.WriteRaw(Format(L"\n%s\nVersion number %s\n", BuildDateText(), kVersionNumber));
  log.WriteRaw(Format(L"Version Release %d\n", kReleaseNumber));
  OSInfoLog(log);
  CPUInfoLog(log);
}

}  // namespace lumora
