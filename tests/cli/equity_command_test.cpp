#include "cli/equity_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lumora {
namespace {

/// What one run of the command printed, and its exit code.
struct Printed {
  int code = 0;
  std::string out;
  std::string err;
};

std::string ReadBack(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
    text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

Printed RunCommand(const EquityOptions& options) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  Printed printed;
  printed.code = RunEquityCommand(options, out, err);
  printed.out = ReadBack(out);
  printed.err = ReadBack(err);
  return printed;
}

TEST(EquityCommand, PrintsEachHandInTheOrderGiven) {
  const Printed printed = RunCommand({{"AhAs", "KdKc"}, "2c7h9d", "", false});
  EXPECT_EQ(printed.code, 0);
  EXPECT_EQ(printed.out, "AhAs 91.61616\nKdKc 8.38384\n");
  EXPECT_EQ(printed.err, "");
}

TEST(EquityCommand, GameFollowsFromTheHandSize) {
  EXPECT_EQ(RunCommand({{"AsAhKsKhQd", "JdTd9c8c7h"}, "", "", false}).out,
            "AsAhKsKhQd 55.16218\nJdTd9c8c7h 44.83782\n");
  EXPECT_EQ(RunCommand({{"AcAd2c3d", "KhQhJsTs"}, "", "", true}).out.substr(0, 18),
            "AcAd2c3d 67.28933\n");
  EXPECT_EQ(RunCommand({{"AhAs", "KdKc"}, "", "QsQh", false}).out.substr(0, 14), "AhAs 80.44397\n");
}

TEST(EquityCommand, RejectsCardsThatCannotBeDealt) {
  const struct {
    EquityOptions options;
    const char* message;
  } cases[] = {
      {{{"AhAs", "KdAh"}, "", "", false}, "the card Ah is given twice"},
      {{{"AhAs", "KdKc"}, "2c7hAs", "", false}, "the card As is given twice"},
      {{{"AhXs", "KdKc"}, "", "", false}, "\"Xs\" in \"AhXs\" is not a card"},
      {{{"AhA", "KdKc"}, "", "", false}, "is not a card"},
      {{{"AhAs", "KdKcQcQd"}, "", "", false}, "as many cards as the first"},
      {{{"AhAsKs", "KdKcQc"}, "", "", false}, "2 cards (Hold'em), 4 (Omaha) or 5"},
      {{{"AhAs", "KdKc"}, "2c7h", "", false}, "a board holds 0, 3, 4 or 5 cards"},
      {{{"AhAs", "KdKc"}, "", "", true}, "Omaha hands only"},
  };
  for (const auto& c : cases) {
    const Printed printed = RunCommand(c.options);
    EXPECT_EQ(printed.code, 2) << c.message;
    EXPECT_EQ(printed.out, "");
    EXPECT_NE(printed.err.find(c.message), std::string::npos) << printed.err;
    EXPECT_EQ(printed.err.rfind("lumora-cli equity: ", 0), 0u);
  }
}

TEST(EquityCommand, IsASubcommandOfTheProgram) {
  // The real program, as a person would call it.
  const std::string command = std::string(LUMORA_CLI) + " equity AhAs KdKc --board 2c7h9d 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe))
    out.push_back(static_cast<char>(c));
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(out, "AhAs 91.61616\nKdKc 8.38384\n");
  const std::string twice = std::string(LUMORA_CLI) + " equity AhAs AhKd > /dev/null 2>&1";
  const int status = std::system(twice.c_str());
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace lumora
