#include <gtest/gtest.h>

#include <sstream>

#include "CommandLine.h"
#include "GregorianDates.h"
#include "ZarDateUtils.h"

using namespace zar;

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLine, Conversions) {
  struct Case { std::vector<std::string> args; std::string out; };
  const Case cases[] = {
      {{"to-solar", "2024-03-20"}, "1403/01/01\n"},
      {{"to-solar", "2025/3/20"}, "1403/12/30\n"},
      {{"to-gregorian", "1404/1/1"}, "2025-03-21\n"},
      {{"format", "dddd d mmmm yyyy", "s:1403/1/1"},
       "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647 1 "
       "\u0641\u0631\u0648\u0631\u062F\u064A\u0646 1403\n"},
      {{"format", "yyyy/mm/dd hh:nn", "45371.75"}, "1403/01/01 18:00\n"},
      {{"format", "yyyy/mm/dd", "g:2024-03-20"}, "1403/01/01\n"},
      {{"format-gregorian", "yyyy-mm-dd", "s:1403/1/1"}, "2024-03-20\n"},
      {{"parse", "1403/1/1"}, "45371\n"},
      {{"parse", "1403/1/1 10:30"}, "45371.4375\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = RunCli(c.args);
    EXPECT_EQ(o.status, cli::ExitOk) << c.args[0] << ": " << o.err;
    EXPECT_EQ(o.out, c.out) << c.args[0];
    EXPECT_EQ(o.err, "");
  }
}

TEST(CommandLine, TodayIsTheCurrentSolarDate) {
  const Outcome o = RunCli({"today"});
  EXPECT_EQ(o.status, cli::ExitOk);
  EXPECT_EQ(o.out, ZarDateToStr(Date()) + "\n");
}

TEST(CommandLine, BadInputGivesOneLineOnStderrAndStatus2) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"to-solar"},
      {"to-solar", "2024-02-30"},
      {"to-solar", "2024/03"},
      {"to-solar", "2024-03-20x"},
      {"to-gregorian", "1402/12/30"},
      {"format", "yyyy", "nan"},
      {"format", "yyyy", "s:0/1/1"},
      {"parse", "1402/12/30"},
      {"parse", std::string("1403/1/1\n\nxx\0z", 14)},
  };
  for (const auto& args : cases) {
    const Outcome o = RunCli(args);
    EXPECT_EQ(o.status, cli::ExitBadInput) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(o.out, "");
    ASSERT_FALSE(o.err.empty());
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
  }
}

// Input in any of the three digit scripts; output in the one --digits names.
TEST(CommandLine, DigitsInAndOut) {
  struct Case { std::vector<std::string> args; std::string out; };
  const Case cases[] = {
      {{"to-gregorian", "۱۴۰۴/۰۱/۰۱"}, "2025-03-21\n"},
      {{"to-gregorian", "١٤٠٤/١/١"}, "2025-03-21\n"},
      {{"to-gregorian", "1۴0٤/1/۱"}, "2025-03-21\n"},
      {{"to-solar", "۲۰۲۴-۰۳-۲۰"}, "1403/01/01\n"},
      {{"parse", "۱۴۰۳/۱/۱ ۱۰:۳۰"}, "45371.4375\n"},
      {{"format", "yyyy/mm/dd", "s:۱۴۰۳/۱/۱"}, "1403/01/01\n"},
      {{"format", "yyyy/mm/dd", "۴۵۳۷۱.۷۵"}, "1403/01/01\n"},
      {{"--digits", "persian", "to-solar", "2024-03-20"}, "۱۴۰۳/۰۱/۰۱\n"},
      {{"to-solar", "2024-03-20", "--digits=arabic"}, "١٤٠٣/٠١/٠١\n"},
      {{"--digits", "latin", "to-solar", "۲۰۲۴-۰۳-۲۰"}, "1403/01/01\n"},
      {{"--digits", "persian", "to-gregorian", "1404/1/1"}, "۲۰۲۵-۰۳-۲۱\n"},
      {{"--digits", "persian", "parse", "1403/1/1 10:30"}, "۴۵۳۷۱.۴۳۷۵\n"},
      {{"--digits", "persian", "format", "dddd d mmmm yyyy", "s:1403/1/1"},
       "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647 ۱ "
       "\u0641\u0631\u0648\u0631\u062F\u064A\u0646 ۱۴۰۳\n"},
      {{"--letters", "persian", "--digits", "persian", "format", "mmmm yyyy", "s:1403/1/1"},
       "\u0641\u0631\u0648\u0631\u062F\u06CC\u0646 ۱۴۰۳\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = RunCli(c.args);
    EXPECT_EQ(o.status, cli::ExitOk) << c.args[0] << ": " << o.err;
    EXPECT_EQ(o.out, c.out) << c.args[0];
    EXPECT_EQ(o.err, "");
  }
  // Options last only for the run that named them.
  EXPECT_EQ(FormatSettings.DigitShape, dgLatin);
  EXPECT_EQ(ZarNameLetters(), nlArabic);
}

TEST(CommandLine, BadDigitsAndOptionsAreRefused) {
  const std::vector<std::vector<std::string>> cases = {
      {"to-gregorian", "१४०४/१/१"},            // Devanagari
      {"to-gregorian", "۱۴۰۴/۱/ا"},            // alef for one
      {"to-gregorian", "۱۴۰۴/۱/\xDB"},         // a cut character
      {"parse", "१४०३/१/१"},
      {"--digits", "hindi", "today"},
      {"--digits"},
      {"--digits", "persian"},
      {"today", "--letters"},
      {"--letters=latin", "today"},
  };
  for (const auto& args : cases) {
    const Outcome o = RunCli(args);
    EXPECT_EQ(o.status, cli::ExitBadInput) << args[0] << " " << args.back();
    EXPECT_EQ(o.out, "");
    ASSERT_FALSE(o.err.empty());
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
  }
  EXPECT_EQ(FormatSettings.DigitShape, dgLatin);
}

TEST(CommandLine, HelpDocumentsEveryCommand) {
  const Outcome o = RunCli({"--help"});
  EXPECT_EQ(o.status, cli::ExitOk);
  for (const char* command :
       {"today", "to-solar", "to-gregorian", "format", "parse", "--digits", "--letters"})
    EXPECT_NE(o.out.find(command), std::string::npos) << command;
}

}  // namespace
