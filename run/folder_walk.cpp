#include "run/folder_walk.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "app/log_file.h"
#include "app/run_settings.h"
#include "base/text.h"
#include "run/stars_file_name.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

/// Last-write time in seconds since 1970, or nullopt when it cannot be read
/// or lies before 1970.
std::optional<int64_t> LastWriteSeconds(const fs::directory_entry& entry) {
  std::error_code error;
  const auto written = entry.last_write_time(error);
  if (error) return std::nullopt;
  const auto since1970 = std::chrono::duration_cast<std::chrono::seconds>(
      std::chrono::file_clock::to_sys(written).time_since_epoch());
  if (since1970.count() < 0) return std::nullopt;
  return since1970.count();
}

/// Why the room's name rules pass a file over: the run's big blind or
/// currency for a PokerStars name of another limit, kRefused for a file that
/// holds no hands of the room (a table summary, another brand's file); none
/// when the file is listed.
std::optional<HandLeftOut> NameRuleRefusal(const std::wstring& name, const WalkFilter& filter) {
  switch (filter.room) {
    case kPartyPoker: {
      if (!filter.tableNameRule) return std::nullopt;
      // The client writes a per-table summary beside the hand files; its
      // name carries "Table" somewhere before its end.
      for (size_t at = name.find(L"Table"); at != std::wstring::npos;
           at = name.find(L"Table", at + 1))
        if (at + 5 < name.size()) return HandLeftOut::kRefused;
      return std::nullopt;
    }
    case kPokerStars: {
      int64_t bigBlind = 0;
      int32_t currency = 0;
      if (!ParseStarsFileName(name, bigBlind, currency)) return std::nullopt;
      if (filter.cashLimit != 0 && filter.cashLimit != bigBlind) return HandLeftOut::kOtherLimit;
      if (currency != filter.currency) return HandLeftOut::kOtherCurrency;
      return std::nullopt;
    }
    case k888Poker:
      if (name.starts_with(L"888poker") || name.starts_with(L"LotosPoker")) return std::nullopt;
      return HandLeftOut::kRefused;
    default:
      return std::nullopt;
  }
}

class Walker {
 public:
  Walker(const WalkFilter& filter, LogFile& log, std::vector<fs::path>& list,
         std::vector<fs::path>* unreadable, HandLeftOutCounts* passedOver)
      : m_filter(filter),
        m_log(log),
        m_list(list),
        m_unreadable(unreadable),
        m_passedOver(passedOver) {
    m_lower =
        filter.timeFrom > kWalkNoMarginBelow ? filter.timeFrom - kWalkDayMargin : filter.timeFrom;
    m_upper = filter.timeTo + kWalkDayMargin;
    m_extension = filter.room == kIPoker ? L".xml" : L".txt";
  }

  void Walk(const fs::path& folder) {
    std::error_code error;
    const fs::path identity = fs::canonical(folder, error);
    if (error) return Unreadable(folder);
    if (m_root.empty()) m_root = identity;
    if (!m_visited.insert(identity).second) return;
    // A link up the tree ("up -> ..") would walk out of the history folder.
    if (identity != m_root && Holds(identity, m_root)) {
      Log(Format(L"Skipped folder: %s (a link to a folder that holds the history folder)",
                 PathToText(folder)));
      return;
    }

    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
      entries.push_back(*it);
    if (error) Unreadable(folder);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
      return a.path().filename() < b.path().filename();
    });

    for (const auto& entry : entries) {
      if (entry.is_directory(error)) {
        Walk(entry.path());
      } else if (entry.is_regular_file(error)) {
        Consider(entry);
      }
    }
  }

  /// Writes the lines the walk has not written yet.
  void FlushLog() {
    m_log.WriteLogLines(std::vector<std::wstring_view>(m_pending.begin(), m_pending.end()));
    m_pending.clear();
  }

 private:
  /// The walk writes two lines for each file: they go to the log a batch
  /// at a time, as each write of the log is a call to the system.
  void Log(std::wstring line) {
    m_pending.push_back(std::move(line));
    if (m_pending.size() >= 256) FlushLog();
  }

  static bool Holds(const fs::path& folder, const fs::path& inner) {
    return std::mismatch(folder.begin(), folder.end(), inner.begin(), inner.end()).first ==
           folder.end();
  }

  void Unreadable(const fs::path& folder) {
    if (m_unreadable) m_unreadable->push_back(folder);
  }

  void Consider(const fs::directory_entry& entry) {
    const std::wstring name = PathToText(entry.path().filename());
    if (name.size() < 5 || !name.ends_with(m_extension)) return;
    const auto written = LastWriteSeconds(entry);
    if (!written) return;
    Log(Format(L"DirWalkHistory 1: file = %s", name));
    if (*written < m_lower || *written > m_upper) {
      PassOver(HandLeftOut::kOutsideDates);
      return;
    }
    Log(Format(L"DirWalkHistory 2: file = %s", name));
    const std::optional<HandLeftOut> refused = NameRuleRefusal(name, m_filter);
    if (!refused)
      m_list.push_back(entry.path());
    else if (*refused != HandLeftOut::kRefused)
      PassOver(*refused);
  }

  void PassOver(HandLeftOut filter) {
    if (m_passedOver) ++(*m_passedOver)[static_cast<size_t>(filter)];
  }

  const WalkFilter& m_filter;
  LogFile& m_log;
  std::vector<fs::path>& m_list;
  std::vector<fs::path>* m_unreadable;
  HandLeftOutCounts* m_passedOver;
  fs::path m_root;  ///< the history folder as the file system resolves it
  int64_t m_lower = 0;
  int64_t m_upper = 0;
  std::wstring m_extension;
  std::set<fs::path> m_visited;
  std::vector<std::wstring> m_pending;  ///< log lines not yet written
};

}  // namespace

void WalkHistoryFolder(const fs::path& folder, const WalkFilter& filter, LogFile& log,
                       std::vector<fs::path>& list, std::vector<fs::path>* unreadableFolders,
                       HandLeftOutCounts* passedOver) {
  Walker walker(filter, log, list, unreadableFolders, passedOver);
  walker.Walk(folder);
  walker.FlushLog();
}

}  // namespace lumora
