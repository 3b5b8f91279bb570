#include "cli/make_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdlib>

#include "app/date_range.h"
#include "app/game_selection.h"
#include "app/profile_keys.h"
#include "app/settings_store.h"
#include "base/local_time.h"
#include "base/text.h"
#include "cli/apply_option.h"
#include "cli/cli_options.h"
#include "cli/console_ui.h"
#include "cli/csv_output.h"
#include "cli/picture_module.h"
#include "cli/profile_session.h"
#include "db/tracker_db.h"
#include "run/run_analysis.h"
#include "ui/plot_figures.h"

namespace lumora {
namespace {

constexpr std::wstring_view kCommand = L"make";

/// The pictures of --results-png and --ror-png, in pixels.
constexpr int kPictureWidth = 1000;
constexpr int kPictureHeight = 600;

/// The run's date range from --range, or --from/--to over the profile's.
bool ApplyDateOptions(const MakeOptions& options, int64_t now, DateRange& range, std::FILE* err) {
  if (options.range) {
    const Parsed<int> preset = ParseRangePresetOption(Utf8ToWide(*options.range));
    const auto computed = preset.value
                              ? ComputePresetRange(static_cast<DatePreset>(*preset.value), now)
                              : std::nullopt;
    if (!computed) {
      WriteUtf8(err, L"lumora-cli make: " + preset.error + L"\n");
      return false;
    }
    range = *computed;
  }
  for (const auto& [text, end] :
       {std::pair{&options.from, &range.from}, {&options.to, &range.to}}) {
    if (!*text) continue;
    const std::wstring given = Utf8ToWide(**text);
    const auto time = ReadExistingDateTime(given);
    if (!time) {
      WriteUtf8(err, L"lumora-cli make: \"" + given +
                         (GetTimeFromString(given) ? L"\" is no date and time that exists\n"
                                                   : L"\" is not a date of the form dd.mm.yyyy "
                                                     L"HH:MM:SS\n"));
      return false;
    }
    *end = *time;
  }
  return true;
}

bool ApplySettingOptions(const MakeOptions& o, CLumoraApp& app, std::FILE* err) {
  RunSettings& s = app.m_settings;
  if (o.history) s.HistoryPath = PathToText(std::filesystem::absolute(*o.history));
  if (o.nick) s.NickName = Utf8ToWide(*o.nick);
  bool ok =
      ApplyOption(kCommand, o.room, ParseRoomOption, err, [&](int32_t v) { s.PokerRoom = v; }) &&
      ApplyOption(kCommand, o.bigBlind, ParseBigBlindOption, err,
                  [&](int32_t v) { s.CashLimit = v; }) &&
      ApplyOption(kCommand, o.table, ParseTableOption, err,
                  [&](int32_t v) {
                    s.NumPl = v;
                    NarrowSeatBounds(s.NumPl, s.minPl, s.maxPl);
                  }) &&
      ApplyOption(kCommand, o.currency, ParseCurrencyOption, err,
                  [&](int32_t v) { s.Currency = v; }) &&
      ApplyOption(kCommand, o.games, ParseGamesOption, err,
                  [&](const GameFlags& v) { app.m_nBC = v; }) &&
      ApplyOption(kCommand, o.players, ParsePlayersOption, err,
                  [&](SeatRange v) {
                    s.minPl = v.minPl;
                    s.maxPl = v.maxPl;
                  }) &&
      ApplyOption(kCommand, o.zoom, ParseSwitchOption, err, [&](int32_t v) { s.Zoom = v; }) &&
      ApplyOption(kCommand, o.nonZoom, ParseSwitchOption, err, [&](int32_t v) { s.NonZoom = v; }) &&
      ApplyOption(kCommand, o.source, ParseSourceOption, err, [&](int32_t v) { s.Source = v; });
  if (o.server) s.ServerIP = Utf8ToWide(*o.server);
  if (o.port) s.Port = Utf8ToWide(*o.port);
  if (o.dbName) s.DBName = Utf8ToWide(*o.dbName);
  if (o.dbUser) s.DBUser = Utf8ToWide(*o.dbUser);
  if (o.dbNick) s.NickDB = Utf8ToWide(*o.dbNick);
  // A password typed on the command line shows in the process list; the
  // environment keeps it out of sight.
  if (o.dbPassword)
    s.DBPass = Utf8ToWide(*o.dbPassword);
  else if (const char* password = std::getenv("LUMORA_DB_PASSWORD"))
    s.DBPass = Utf8ToWide(password);
  ok = ok &&
       ApplyOption(kCommand, o.dbKind, ParseTrackerOption, err, [&](int32_t v) { s.DBSource = v; });
  return ok && ApplyDateOptions(o, NowSeconds(), app.m_dateRange, err);
}

/// The tracker's site the run reads: the one --site names (by name or id),
/// or the one at the profile's place in the tracker's site list.
bool SelectSite(const std::optional<std::string>& site, CLumoraApp& app, std::FILE* err) {
  RunSettings& s = app.m_settings;
  const SiteMap sites = LoadSiteList(s.DBSource, {BuildConnectionString(s), &app.m_log});
  if (site) {
    const std::wstring wanted = Utf8ToWide(*site);
    int32_t index = 0;
    for (const auto& [id, name] : sites) {
      if (name == wanted || std::to_wstring(id) == wanted) {
        s.DBPokerRoomIndex = index;
        s.DBPokerRoomSiteId = id;
        return true;
      }
      ++index;
    }
    std::wstring names;
    for (const auto& [id, name] : sites)
      names += Format(L"%s\"%s\" (%d)", names.empty() ? L"" : L", ", name, id);
    WriteUtf8(err, Format(L"lumora-cli make: site \"%s\" is none of the tracker's sites: %s\n",
                          wanted, names.empty() ? std::wstring(L"none could be read") : names));
    return false;
  }
  s.DBPokerRoomSiteId = SiteIdAt(sites, s.DBPokerRoomIndex);
  return true;
}

bool SaveToProfile(Profile& profile, CLumoraApp& app, std::FILE* err) {
  const DateRange range = app.m_dateRange;
  if (SaveRunSettings(profile, app.m_settings) &&
      ApplyDateRange(profile, app.m_dateRange, range.from, range.to)) {
    SaveGameSelection(profile, app.m_nBC);
    return true;
  }
  WriteUtf8(
      err, L"lumora-cli make: the profile " + PathToText(profile.path()) + L" cannot be written\n");
  return false;
}

bool ReportWrite(bool written, const std::string& path, std::FILE* err,
                 const std::wstring& why = {}) {
  if (!written)
    WriteUtf8(err, L"lumora-cli make: cannot write " + Utf8ToWide(path) +
                       (why.empty() ? L"" : L" (" + why + L")") + L"\n");
  return written;
}

bool WritePicture(PlotModel& plot, const std::string& path, std::FILE* err) {
  std::wstring why;
  const bool written = SavePlotPicture(plot, kPictureWidth, kPictureHeight, path, why);
  return ReportWrite(written, path, err, why);
}

}  // namespace

CLI::App* AddMakeCommand(CLI::App& cli, MakeOptions& o) {
  CLI::App* make = cli.add_subcommand(
      "make", "Run one analysis with the saved profile; every option overrides its setting.");
  make->add_option("--profile", o.profile, "Profile file (default: the user's profile)");
  make->add_option(keys::OptionName(keys::kHistoryPath), o.history,
                   "Folder of hand-history files, searched with its sub-folders");
  make->add_option(keys::OptionName(keys::kNickName), o.nick,
                   "Your screen name in the hand histories");
  make->add_option(
      keys::OptionName(keys::kPokerRoom), o.room,
      "Poker room: PartyPoker, PokerStars, \"888 Poker\", TigerGaming, iPoker, or 0-4");
  make->add_option(keys::OptionName(keys::kCashLimit), o.bigBlind,
                   "Big blind as the list shows it: 2, 4, 5, 6, 10, 16, 25, 50, \"$1 = 100\", $2, "
                   "$4, $5, $6, $10, $20, $50, $100, $200, $400, All");
  make->add_option(keys::OptionName(keys::kNumPl), o.table,
                   "Table size: Heads-Up, 3, \"SH (6-Max)\", \"FR (7-10)\", All, or 0-4 "
                   "(\"3\" is three-handed)");
  make->add_option(keys::OptionName(keys::kCurrency), o.currency, "USD, EUR or GBP");
  make->add_option(keys::OptionName(keys::kTimeFrom), o.from,
                   "Start of the date range, \"dd.mm.yyyy HH:MM:SS\" (included)");
  make->add_option(keys::OptionName(keys::kTimeTo), o.to,
                   "End of the date range, \"dd.mm.yyyy HH:MM:SS\"");
  make->add_option("--range", o.range,
                   "Date-range preset: all-dates, this-year, last-year, this-month, last-month, "
                   "this-week, last-week, today, yesterday")
      ->excludes(make->get_option(keys::OptionName(keys::kTimeFrom)))
      ->excludes(make->get_option(keys::OptionName(keys::kTimeTo)));
  make->add_option(keys::OptionName(keys::kGameSelection), o.games,
                   "Game kinds, comma-separated indexes 0-35 or game-selection labels");
  make->add_option(keys::OptionName(keys::kMinPl), o.players, "Players seated MIN-MAX, each 2-10");
  make->add_option(keys::OptionName(keys::kZoom), o.zoom, "Take hands of Zoom tables: on or off");
  make->add_option(keys::OptionName(keys::kNonZoom), o.nonZoom,
                   "Take hands of ordinary tables: on or off");
  make->add_option(keys::OptionName(keys::kSource), o.source, "history or database");
  make->add_flag("--save", o.save, "Write the options back to the profile");
  make->add_option("--hands-csv", o.handsCsv,
                   "Write one row per counted hand: file,hand,time,bb_cents,result_cents,allin_ev");
  make->add_option("--curve-csv", o.curveCsv, "Write the two risk-of-ruin curves");
  make->add_option("--results-png", o.resultsPng,
                   "Draw net won over the hands played, and its all-in adjusted line, as PNG");
  make->add_option("--ror-png", o.rorPng, "Draw the two risk-of-ruin curves as PNG");
  make->add_option("--log", o.log, "Log file (default: ~/.local/state/lumora/Lumora.log)");
  make->add_option(keys::OptionName(keys::kDBSource), o.dbKind,
                   "Tracker: HoldemManager1, HoldemManager2, \"PokerTracker 4\", HVD, or 0-3");
  make->add_option(keys::OptionName(keys::kServerIP), o.server, "Database server address");
  make->add_option(keys::OptionName(keys::kPort), o.port, "Database server port");
  make->add_option(keys::OptionName(keys::kDBName), o.dbName, "Database name");
  make->add_option(keys::OptionName(keys::kDBUser), o.dbUser, "Database user");
  make->add_option(keys::OptionName(keys::kDBPass), o.dbPassword,
                   "Database password (better: the environment variable LUMORA_DB_PASSWORD)");
  make->add_option(keys::OptionName(keys::kDBPokerRoom), o.site,
                   "The tracker's poker site, by name or id");
  make->add_option(keys::OptionName(keys::kNickDB), o.dbNick, "Your screen name in the tracker");
  return make;
}

int RunMakeCommand(const MakeOptions& options, std::FILE* out, std::FILE* err) {
  ProfileSession session = OpenProfileSession(options.profile, options.log);
  SayIfProfileUnread(*session.profile, kCommand, err);
  CLumoraApp& app = *session.app;
  if (!ApplySettingOptions(options, app, err)) return 2;
  if (app.m_settings.Source == kDatabaseSource && !SelectSite(options.site, app, err)) return 2;
  if (options.save && !SaveToProfile(*session.profile, app, err)) return 1;

  ConsoleUi ui(out, err, isatty(fileno(err)) != 0);
  // Each hand is kept only for an output that lists or draws the hands.
  RunHands hands;
  hands.kept = options.handsCsv     ? RunHands::Kept::kWhole
               : options.resultsPng ? RunHands::Kept::kGraph
                                    : RunHands::Kept::kCount;
  const bool finished = RunAnalysis(app, ui, &hands);

  bool written = true;
  if (finished)
    written = ReportWrite(SaveLimitResults(session.limitsPath, app.m_limitResults),
                          session.limitsPath.string(), err);
  if (options.handsCsv && !hands.hands.empty())
    written =
        ReportWrite(WriteHandsCsv(*options.handsCsv, hands), *options.handsCsv, err) && written;
  const std::wstring title = PlotTitle(app.m_settings);
  if (options.resultsPng && hands.count > 0) {
    if (hands.kept == RunHands::Kept::kWhole) hands.graph = GraphHandsOf(hands.hands);
    PlotModel plot = MakeResultsPlot(MakeResultsSeries(hands.graph), title);
    written = WritePicture(plot, *options.resultsPng, err) && written;
  }
  if (options.rorPng && finished) {
    PlotModel plot = MakeRorPlot(app.m_rorCurve, title);
    written = WritePicture(plot, *options.rorPng, err) && written;
  }
  if (options.curveCsv && finished)
    written =
        ReportWrite(WriteCurveCsv(*options.curveCsv, app.m_rorCurve), *options.curveCsv, err) &&
        written;
  // Over every limit ("All") a run ends with its totals, as it should.
  const bool reachedItsEnd = finished || (app.m_settings.CashLimit == 0 && hands.count != 0);
  return reachedItsEnd && written ? 0 : 1;
}

}  // namespace lumora
