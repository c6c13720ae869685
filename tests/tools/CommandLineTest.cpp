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
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  // clang-format off
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
  // clang-format on
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

// Values the calendar cannot show, options the tool does not know and
// arguments it does not take are refused with a message naming what is
// wrong; nothing is printed as if it had worked.
TEST(CommandLine, WhatCannotBeShownOrIsNotUnderstoodIsRefused) {
  const std::string huge(10 << 20, '9');
  const std::string hugeShown = "'" + std::string(40, '9') + "\u2026'";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  // clang-format off
  const Case cases[] = {
      {{"to-solar", "2024-02-30"}, "'2024-02-30' is not a valid Gregorian date"},
      {{"to-gregorian", "1402/12/30"}, "'1402/12/30' is not a valid solar date"},
      {{"format", "yyyy/mm/dd", "1e308"}, "'1e308' is outside the years the solar calendar can show (1 to 9999)"},
      {{"format", "yyyy/mm/dd", "-1e9"}, "'-1e9' is outside the years the solar calendar can show (1 to 9999)"},
      {{"format-gregorian", "yyyy", "3000000"},
       "'3000000' is outside the years the Gregorian calendar can show (1 to 9999)"},
      {{"to-gregorian", "9999/12/29"}, "'9999/12/29' is outside the years the Gregorian calendar can show (1 to 9999)"},
      {{"to-solar", "1/1/1"}, "'1/1/1' is outside the years the solar calendar can show (1 to 9999)"},
      {{"to-solar", "622-3-20"}, "'622-3-20' is outside the years the solar calendar can show (1 to 9999)"},
      {{"format", "yyyy", "s:1403/13/1"}, "'1403/13/1' is not a valid solar date"},
      {{"format", "yyyy", "g:2023-02-29"}, "'2023-02-29' is not a valid Gregorian date"},
      {{"today", "--bogus"}, "unknown option '--bogus'; see zardate --help"},
      {{"today", "-x"}, "unknown option '-x'; see zardate --help"},
      {{"format", "--pattern", "1"}, "unknown option '--pattern'; see zardate --help"},
      {{"today", "yyyy", "extra"}, "'today' takes at most 1 argument, not 2; see zardate --help"},
      {{"to-solar", "2024-03-20", "2024-03-21"}, "'to-solar' takes 1 argument, not 2; see zardate --help"},
      {{"format", "yyyy"}, "'format' takes 2 arguments, not 1; see zardate --help"},
      {{"--help", "more"}, "'--help' takes 0 arguments, not 1; see zardate --help"},
      {{"to-solar", huge}, hugeShown + " is not a date Y/M/D"},
      {{"format", "yyyy", huge}, hugeShown + " is not a day serial, s:Y/M/D or g:Y-M-D"},
      {{"format", "yyyy", "1" + std::string(300, '0')},
       "'1" + std::string(39, '0') + "\u2026' is outside the years the solar calendar can show (1 to 9999)"},
      {{huge}, "unknown command " + hugeShown + "; see zardate --help"},
      {{"to-solar", "2024-03"}, "'2024-03' is not a date Y/M/D"},
      {{"to-solar", "2024-03-20x"}, "'2024-03-20x' is not a date Y/M/D"},
      {{"--digits", "latin"}, "no command given; see zardate --help"},
      {{"today", "--digits"}, "'--digits' needs a value; see zardate --help"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0].substr(0, 20) +
                 (c.args.size() > 1 ? " " + c.args[1].substr(0, 20) : ""));
    const Outcome o = RunCli(c.args);
    EXPECT_EQ(o.status, cli::ExitBadInput);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "zardate: " + c.message + "\n");
  }
  // With no arguments at all Run answers before it reads any option.
  EXPECT_EQ(RunCli({}).err, "zardate: no command given; see zardate --help\n");
  // The core's own messages are shortened the same way.
  const Outcome parsed = RunCli({"parse", huge});
  EXPECT_EQ(parsed.status, cli::ExitBadInput);
  EXPECT_LT(parsed.err.size(), 500u);
  EXPECT_NE(parsed.err.find(hugeShown), std::string::npos) << parsed.err.substr(0, 300);
}

TEST(CommandLine, TheFirstAndLastDaysOfEachCalendarAreShown) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  // clang-format off
  const Case cases[] = {
      {{"format", "yyyy/mm/dd", "s:1/1/1"}, "0001/01/01\n"},
      {{"format", "yyyy/mm/dd", "s:9999/12/29"}, "9999/12/29\n"},
      {{"format-gregorian", "yyyy-mm-dd", "g:1-1-1"}, "0001-01-01\n"},
      {{"format-gregorian", "yyyy-mm-dd hh:nn", "2958465.999"}, "9999-12-31 23:58\n"},
      {{"to-solar", "622-3-21"}, "0001/01/01\n"},
      {{"format", "yyyy", "-5"}, "1278\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const Outcome o = RunCli(c.args);
    EXPECT_EQ(o.status, cli::ExitOk) << c.args[2 % c.args.size()] << ": " << o.err;
    EXPECT_EQ(o.out, c.out);
  }
}

// Input in any of the three digit scripts; output in the one --digits names.
TEST(CommandLine, DigitsInAndOut) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  // clang-format off
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
  // clang-format on
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
      {"to-gregorian", "१४०४/१/१"},     // Devanagari
      {"to-gregorian", "۱۴۰۴/۱/ا"},     // alef for one
      {"to-gregorian", "۱۴۰۴/۱/\xDB"},  // a cut character
      {"parse", "१४०३/१/१"},           {"--digits", "hindi", "today"}, {"--digits"},
      {"--digits", "persian"},         {"today", "--letters"},         {"--letters=latin", "today"},
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
