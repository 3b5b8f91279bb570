#include "app/log_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <thread>

#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::ReadFile;
using testing::TempDir;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(LogFile, WritesTimeStampedFlushedLines) {
  TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.Open(dir / "Lumora.log"));
  log.WriteLog(L"Summary: nHands = 2 Win = 1.00\n");
  log.WriteLog(L"Hand \u20AC");
  // Flushed at once: readable while the log is still open.
  const auto lines = LinesOf(ReadFile(dir / "Lumora.log"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_THAT(lines[0],
              ::testing::ContainsRegex(
                  "^[0-9][0-9]\\.[0-9][0-9]\\.[0-9]{4}  [0-9][0-9]:[0-9][0-9]:[0-9][0-9]  "));
  EXPECT_THAT(lines[0], ::testing::EndsWith("  Summary: nHands = 2 Win = 1.00"));
  EXPECT_EQ(lines[1], "");  // the text's own line feed leaves an empty line
  EXPECT_THAT(lines[2], ::testing::EndsWith("  Hand \xE2\x82\xAC"));
}

TEST(LogFile, ReopeningAppendsAfterTheExistingLines) {
  TempDir dir;
  {
    LogFile log;
    log.Open(dir / "Lumora.log");
    log.WriteLog(L"first start");
  }
  LogFile log;
  log.Open(dir / "Lumora.log");
  log.WriteLog(L"second start");
  const auto lines = LinesOf(ReadFile(dir / "Lumora.log"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[0], ::testing::EndsWith("first start"));
  EXPECT_THAT(lines[1], ::testing::EndsWith("second start"));
}

TEST(LogFile, AClosedLogWritesNothingAndNeverFails) {
  TempDir dir;
  LogFile log;
  EXPECT_FALSE(log.Open(dir / "no such folder" / "Lumora.log"));
  log.WriteLog(L"lost");
  log.WriteRaw(L"lost");
  EXPECT_FALSE(log.IsOpen());
}

TEST(LogFile, LinesFromSeveralThreadsStayWhole) {
  TempDir dir;
  LogFile log;
  log.Open(dir / "Lumora.log");
  std::vector<std::jthread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&log, t] {
      for (int i = 0; i < 200; ++i) log.WriteLog(std::wstring(50, L'a' + t));
    });
  threads.clear();
  const auto lines = LinesOf(ReadFile(dir / "Lumora.log"));
  ASSERT_EQ(lines.size(), 800u);
  for (const auto& line : lines)
    EXPECT_THAT(line, ::testing::MatchesRegex(".{22}(a{50}|b{50}|c{50}|d{50})"));
}

TEST(TrimLogFile, KeepsTheNewestWholeLinesOfALargeLog) {
  TempDir dir;
  std::string text;
  for (int i = 0; text.size() <= 250000; ++i) text += "line " + std::to_string(i) + " of the log\n";
  const auto path = dir.Write("Lumora.log", text);
  ASSERT_TRUE(TrimLogFile(path, kLogKeep, kLogTrimAbove));
  const std::string kept = ReadFile(path);
  EXPECT_LE(kept.size(), kLogKeep);
  EXPECT_GT(kept.size(), kLogKeep - 100);
  EXPECT_TRUE(kept.starts_with("line "));
  EXPECT_TRUE(text.ends_with(kept));
}

TEST(TrimLogFile, LeavesASmallLogAlone) {
  TempDir dir;
  const auto path = dir.Write("Lumora.log", std::string(1000, 'x') + "\n");
  ASSERT_TRUE(TrimLogFile(path, kLogKeep, kLogTrimAbove));
  EXPECT_EQ(ReadFile(path).size(), 1001u);
}

TEST(LogFile, OpeningALargeLogTrimsItFirst) {
  TempDir dir;
  const auto path = dir.Write("Lumora.log", std::string(300000, 'x') + "\nlast old line\n");
  LogFile log;
  log.Open(path);
  log.WriteLog(L"new line");
  const auto lines = LinesOf(ReadFile(path));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "last old line");
  EXPECT_THAT(lines[1], ::testing::EndsWith("new line"));
}

/// Sets an environment variable for the life of the guard.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(DefaultLogPath, LivesInTheUsersStateFolder) {
  TempDir dir;
  {
    ScopedEnv state("XDG_STATE_HOME", dir.path().string());
    EXPECT_EQ(DefaultLogPath(), dir / "lumora" / "Lumora.log");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "lumora"));
  }
  ScopedEnv relative("XDG_STATE_HOME", "relative/state");  // not absolute: ignored
  ScopedEnv home("HOME", dir.path().string());
  EXPECT_EQ(DefaultLogPath(), dir / ".local" / "state" / "lumora" / "Lumora.log");
}

}  // namespace
}  // namespace lumora
