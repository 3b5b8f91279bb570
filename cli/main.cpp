// lumora-cli: the command-line face of Lumora. Runs an analysis ("make") or
// compares two analysed limits ("compare") with the settings of the profile,
// works out the equity of hands against each other ("equity") and lists the
// settings a run would take ("settings").

#include <wx/init.h>

#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli/compare_command.h"
#include "cli/equity_command.h"
#include "cli/make_command.h"
#include "cli/settings_command.h"

int main(int argc, char** argv) {
  wxInitializer wx;
  if (!wx.IsOk()) {
    std::fputs("lumora-cli: wxWidgets could not be initialised\n", stderr);
    return 1;
  }

  CLI::App cli{"Lumora: a bankroll analyser for online cash-game poker.", "lumora-cli"};
  cli.require_subcommand(1);
  lumora::MakeOptions make;
  lumora::CompareOptions compare;
  lumora::EquityOptions equity;
  lumora::SettingsOptions settings;
  CLI::App* makeCommand = lumora::AddMakeCommand(cli, make);
  CLI::App* compareCommand = lumora::AddCompareCommand(cli, compare);
  CLI::App* equityCommand = lumora::AddEquityCommand(cli, equity);
  CLI::App* settingsCommand = lumora::AddSettingsCommand(cli, settings);
  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return cli.exit(error) == 0 ? 0 : 2;
  }

  if (*makeCommand) return lumora::RunMakeCommand(make, stdout, stderr);
  if (*compareCommand) return lumora::RunCompareCommand(compare, stdout, stderr);
  if (*equityCommand) return lumora::RunEquityCommand(equity, stdout, stderr);
  if (*settingsCommand) return lumora::RunSettingsCommand(settings, stdout);
  return 2;
}
