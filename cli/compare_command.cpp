#include "cli/compare_command.h"

#include <CLI/CLI.hpp>

#include "app/profile_keys.h"
#include "app/settings_store.h"
#include "base/text.h"
#include "cli/apply_option.h"
#include "cli/cli_options.h"
#include "cli/console_ui.h"
#include "cli/profile_session.h"
#include "stats/limit_comparison.h"

namespace lumora {
namespace {

constexpr std::wstring_view kCommand = L"compare";

/// Sets `target` from the option's text.
bool Apply(const std::optional<std::string>& text, Parsed<int32_t> (*parse)(std::wstring_view),
           int32_t& target, std::FILE* err) {
  return ApplyOption(kCommand, text, parse, err, [&](int32_t value) { target = value; });
}

}  // namespace

CLI::App* AddCompareCommand(CLI::App& cli, CompareOptions& o) {
  CLI::App* compare = cli.add_subcommand(
      "compare", "Compare two limits analysed by earlier runs: Sharpe ratio, mix and cutoff.");
  compare->add_option("--profile", o.profile, "Profile file (default: the user's profile)");
  compare->add_option(keys::OptionName(keys::kCashLimit0), o.firstBigBlind,
                      "Big blind of the first limit (a --bb label)");
  compare->add_option(keys::OptionName(keys::kNumPl0), o.firstTable,
                      "Table size of the first limit (a --table value)");
  compare->add_option(keys::OptionName(keys::kCashLimit1), o.secondBigBlind,
                      "Big blind of the second limit");
  compare->add_option(keys::OptionName(keys::kNumPl1), o.secondTable,
                      "Table size of the second limit");
  compare->add_option(keys::OptionName(keys::kCurrencyCompare), o.currency,
                      "Currency both limits were played in: USD, EUR, GBP");
  compare->add_flag("--save", o.save, "Write the options back to the profile");
  compare->add_option("--log", o.log, "Log file (default: ~/.local/state/lumora/Lumora.log)");
  return compare;
}

int RunCompareCommand(const CompareOptions& o, std::FILE* out, std::FILE* err) {
  ProfileSession session = OpenProfileSession(o.profile, o.log);
  SayIfProfileUnread(*session.profile, L"compare", err);
  RunSettings& s = session.app->m_settings;
  if (!Apply(o.firstBigBlind, ParseBigBlindOption, s.CashLimit_0, err) ||
      !Apply(o.firstTable, ParseTableOption, s.NumPl_0, err) ||
      !Apply(o.secondBigBlind, ParseBigBlindOption, s.CashLimit_1, err) ||
      !Apply(o.secondTable, ParseTableOption, s.NumPl_1, err) ||
      !Apply(o.currency, ParseCurrencyOption, s.CurrencyCompare, err))
    return 2;
  if (o.save && !SaveRunSettings(*session.profile, s)) {
    WriteUtf8(err, L"lumora-cli compare: the profile cannot be written\n");
    return 1;
  }

  const auto comparison =
      RefreshComparison(session.app->m_limitResults,
                        {s.CashLimit_0, s.NumPl_0, s.CashLimit_1, s.NumPl_1, s.CurrencyCompare});
  if (!comparison || !comparison->show) {
    WriteUtf8(err,
              L"Both limits must have been analysed (with the comparison's currency), and "
              L"they must differ.\n");
    return 1;
  }
  const ComparisonTexts texts = FormatComparison(*comparison);
  for (const auto& row : texts.table)
    WriteUtf8(out, row[0] + L"\t" + row[1] + L"\t" + row[2] + L"\n");
  WriteUtf8(out, texts.cutoff + L"\n");
  return 0;
}

}  // namespace lumora
