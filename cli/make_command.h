#pragma once
// "lumora-cli make": one analysis with the saved profile, any setting
// overridden by an option.

#include <cstdio>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {

struct MakeOptions {
  std::optional<std::string> profile, history, nick, room, bigBlind, table, currency;
  std::optional<std::string> from, to, range, games, players, zoom, nonZoom, source;
  std::optional<std::string> handsCsv, curveCsv, resultsPng, rorPng, log;
  // The tracker database of a run with --source database.
  std::optional<std::string> dbKind, server, port, dbName, dbUser, dbPassword, site, dbNick;
  bool save = false;
};

/// Adds the "make" subcommand with its options to `cli`.
CLI::App* AddMakeCommand(CLI::App& cli, MakeOptions& options);

/// Runs the analysis; returns the process's exit code: 0 when the run
/// reached its end, 1 when it stopped early or a file could not be written,
/// 2 when an option's value fits nothing.
int RunMakeCommand(const MakeOptions& options, std::FILE* out, std::FILE* err);

}  // namespace lumora
