#include "ui/run_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/text.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using ::testing::Optional;
using testing::TempDir;

TEST(CheckRunInputs, NamesTheFirstProblemOfAHistoryRun) {
  TempDir dir;
  dir.Write("hands/session.xml", "<session/>\n");
  RunSettings s;
  s.PokerRoom = kPokerStars;
  EXPECT_THAT(CheckRunInputs(s), Optional(HasSubstr(L"Enter your nick")));
  s.NickName = L"Hero";
  s.HistoryPath = PathToText(dir / "nowhere");
  EXPECT_THAT(CheckRunInputs(s), Optional(HasSubstr(L"nowhere\" does not exist")));
  s.HistoryPath = PathToText(dir / "hands");
  EXPECT_THAT(CheckRunInputs(s), Optional(HasSubstr(L"holds no PokerStars hand history")));
  s.PokerRoom = kIPoker;
  EXPECT_EQ(CheckRunInputs(s), std::nullopt);
}

TEST(CheckRunInputs, APortMustBeANumberOfAPort) {
  RunSettings s;
  s.Source = kDatabaseSource;
  s.NickDB = L"Hero";
  EXPECT_EQ(CheckRunInputs(s), std::nullopt);
  for (const wchar_t* port : {L"", L"abc", L"0", L"65536", L"-5", L" 5432"}) {
    s.Port = port;
    EXPECT_THAT(CheckRunInputs(s), Optional(HasSubstr(L"is not a number"))) << port;
  }
  s.Port = L"65535";
  EXPECT_EQ(CheckRunInputs(s), std::nullopt);
}

}  // namespace
}  // namespace lumora
