#include "app/limit_results.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace lumora {

void UpdateLimitResult(LimitResultMap& map, const LimitKey& key, int64_t bigBlind, double winRate,
                       double sd) {
  auto [entry, inserted] = map.try_emplace(key, LimitResult{bigBlind, key, winRate, sd});
  if (!inserted) {
    entry->second.winRate = winRate;
    entry->second.sd = sd;
  }
}

LimitResultMap LoadLimitResults(const std::filesystem::path& path) {
  LimitResultMap map;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    LimitResult r;
    if (fields >> r.key.CashLimit >> r.key.NumPl >> r.key.Currency >> r.bigBlind >> r.winRate >>
        r.sd)
      map[r.key] = r;
  }
  return map;
}

bool SaveLimitResults(const std::filesystem::path& path, const LimitResultMap& map) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream file(temporary, std::ios::trunc);
    if (!file) return false;
    file.precision(17);
    file << "# CashLimit NumPl Currency BigBlind WinRate SD\n";
    for (const auto& [key, r] : map)
      file << key.CashLimit << ' ' << key.NumPl << ' ' << key.Currency << ' ' << r.bigBlind << ' '
           << r.winRate << ' ' << r.sd << '\n';
    if (!file.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace lumora
