#pragma once
// Runs a program of the build with arguments and captures what it printed
// and how it ended, for end-to-end tests of the command line.

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_dir.h"

namespace lumora::testing {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

/// Quotes one argument for the shell.
inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

/// Runs `program` with `args` (UTF-8), standard input empty, in a clean
/// configuration folder under `scratch` so the user's own profile is never
/// touched; `environment` adds "NAME=value" settings.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                                const TempDir& scratch,
                                const std::vector<std::string>& environment = {}) {
  std::string command;
  for (const auto& setting : environment) {
    const size_t equals = setting.find('=');
    command += setting.substr(0, equals + 1) + ShellQuote(setting.substr(equals + 1)) + " ";
  }
  command += "XDG_CONFIG_HOME=" + ShellQuote((scratch / "config").string()) +
             " XDG_STATE_HOME=" + ShellQuote((scratch / "state").string()) + " " +
             ShellQuote(program);
  for (const auto& arg : args) {
    // Two appends: GCC 12 warns (-Wrestrict, wrongly) about " " + a temporary.
    command += ' ';
    command += ShellQuote(arg);
  }
  const auto out = scratch / "stdout.txt";
  const auto err = scratch / "stderr.txt";
  command += " </dev/null >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
  const int status = std::system(command.c_str());
  ProgramResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  return result;
}

/// The blank-separated words of `line`, for the options of a command line
/// whose values hold no blanks; the words of `more` follow as they are.
inline std::vector<std::string> Words(std::string_view line, std::vector<std::string> more = {}) {
  std::vector<std::string> words;
  for (size_t at = line.find_first_not_of(' '); at != std::string_view::npos;) {
    const size_t end = std::min(line.find(' ', at), line.size());
    words.emplace_back(line.substr(at, end - at));
    at = line.find_first_not_of(' ', end);
  }
  words.insert(words.end(), more.begin(), more.end());
  return words;
}

/// "lumora-cli make" over the bundled example folder `example` as Hero, as
/// tools/run-examples.sh runs it: every table size, seat count, game and
/// date, zoom and ordinary tables, US dollars. Profile and log go to
/// `files`; the words of `more` follow.
inline std::vector<std::string> ExampleMake(const std::filesystem::path& files,
                                            const std::string& example, const std::string& room,
                                            const std::string& bigBlind,
                                            std::vector<std::string> more = {}) {
  std::vector<std::string> words = Words(
      "make --nick Hero --currency USD --table All --players 2-10 --range all-dates --games All "
      "--zoom on --nonzoom on",
      {"--room", room, "--bb", bigBlind, "--profile", (files / "lumora.ini").string(), "--log",
       (files / "Lumora.log").string(), "--history",
       std::string(LUMORA_SOURCE_DIR) + "/examples/" + example});
  words.insert(words.end(), more.begin(), more.end());
  return words;
}

/// `out` with the elapsed time of a run, which varies, written as "time = *".
inline std::string WithoutTime(std::string out) {
  constexpr std::string_view kLabel = "time = ";
  for (size_t at = out.find(kLabel); at != std::string::npos; at = out.find(kLabel, at + 1)) {
    const size_t digits = at + kLabel.size();
    size_t end = digits;
    while (end < out.size() && out[end] >= '0' && out[end] <= '9') ++end;
    if (end > digits) out.replace(digits, end - digits, "*");
  }
  return out;
}

}  // namespace lumora::testing
