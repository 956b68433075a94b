// The natalchart program run whole, headless, with scripted standard input: the exact
// console bytes of its dialogue, and a normal end whatever the input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "natalchart/place.h"

namespace {

struct ProgramRun {
  std::string out;
  bool exited = false;
  int status = -1;
  int snapshots = 0;
};

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "natal_dialogue_" + std::to_string(getpid()) + "_" + name;
}

// Runs the program with `input` on standard input and the given window keys; kills it
// if it has not ended within the time limit (a hang is a failure, not a stuck test).
ProgramRun RunNatalChart(const std::string& input, const std::string& keys = "32,32,32,32") {
  std::string inPath = TempPath("in");
  std::string outPath = TempPath("out");
  std::string shotDir = TempPath("shots");
  std::filesystem::remove_all(shotDir);
  std::filesystem::create_directories(shotDir);
  std::ofstream(inPath, std::ios::binary) << input;

  pid_t child = fork();
  if (child == 0) {
    int in = open(inPath.c_str(), O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int null = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || null < 0) _exit(126);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    setenv("WINGRAPH_DRIVER", "headless", 1);
    setenv("WINGRAPH_KEYS", keys.c_str(), 1);
    setenv("WINGRAPH_SNAPSHOTS", shotDir.c_str(), 1);
    execl(ASTRO_NATALCHART_EXE, "natalchart", static_cast<char*>(nullptr));
    _exit(127);
  }
  ProgramRun run;
  if (child < 0) return run;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : -1;
  std::ifstream outFile(outPath, std::ios::binary);
  std::stringstream text;
  text << outFile.rdbuf();
  run.out = text.str();
  for (const auto& entry : std::filesystem::directory_iterator(shotDir)) {
    (void)entry;
    ++run.snapshots;
  }
  std::filesystem::remove(inPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove_all(shotDir);
  return run;
}

const std::string kHeading =
    "TIMPUL SI LOCUL ASTROGRAMEI\n"
    "===========================\n"
    "Data va fi dat\x85 pe stil nou: - ptr. data 1800 - 1900 se adaug\x85 12 zile.\n"
    "                             - ptr. data 1900 - 1919 se adaug\x85 13 zile.\n";
const std::vector<std::string> kDatePrompts = {
    "Ziua=", "Luna=", "Anul=", "Ora locala (OO.MM(SS/6)):"};
const std::string kTableQuestion =
    "Folosesti tabelul ptr. alegerea coordonatelor locului ? (1=Da,0=Nu):";
const std::string kLongitudePrompt = "Longitudinea locului (E-) (GGG.MM):";
const std::string kLatitudePrompt = "Latitudinea locului (S-) (GG.MM):";
const std::string kHint = "\nPtr.a alege un oras apas\x85 \"1\"\n";
const std::string kCityPrompt = "Num\x85rul orasului:";
const std::string kZoneLabel = "Diferenta de fus orar fata de GMT:";
const std::string kDateAnswers = "1\n1\n1980\n12.00\n";

std::string DateDialogue() {
  std::string text = kHeading;
  for (const std::string& prompt : kDatePrompts) text += prompt;
  return text;
}

std::string Listing(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    text += natalchart::CityListingLine(i, natalchart::kCityTable[i - 1]) + "\n";
  }
  return text;
}

// The report follows the zone line; its lines are checked elsewhere.
void ExpectDialogue(const ProgramRun& run, const std::string& dialogue) {
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  ASSERT_GE(run.out.size(), dialogue.size());
  EXPECT_EQ(run.out.substr(0, dialogue.size()), dialogue);
}

TEST(NatalDialogue, TypedCoordinates) {
  ProgramRun run = RunNatalChart(kDateAnswers + "0\n-26.06\n44.26\n");
  ExpectDialogue(run, DateDialogue() + kTableQuestion + kLongitudePrompt + kLatitudePrompt +
                          kZoneLabel + "-2.00\n");
}

TEST(NatalDialogue, AnswersWithBlanksAndEmptyLinesAround) {
  ProgramRun run = RunNatalChart("\n  1 zi\n\t1\n\n1980 an\n 12.00\r\n0 nu\n  -26.06\n\n44.26 N\n");
  ExpectDialogue(run, DateDialogue() + kTableQuestion + kLongitudePrompt + kLatitudePrompt +
                          kZoneLabel + "-2.00\n");
}

TEST(NatalDialogue, TableWithEscAtTheFirstPause) {
  ProgramRun run = RunNatalChart(kDateAnswers +
                                 "1\n\x1b"
                                 "11\n");
  ExpectDialogue(run, DateDialogue() + kTableQuestion + Listing(1, 20) + kHint + kCityPrompt +
                          "Bucuresti - Latitudine:44.250N, Longitudine:-26.050E\n" + kZoneLabel +
                          "-2.00\n");
}

TEST(NatalDialogue, TableThroughAllFiftyAndAgain) {
  // Keys at 20, 40 and 50, the listing starts again; Esc at 20 of the second round.
  ProgramRun run = RunNatalChart(kDateAnswers +
                                 "1\n x\n\x1b"
                                 "13\n");
  ExpectDialogue(run, DateDialogue() + kTableQuestion + Listing(1, 50) + kHint + Listing(1, 20) +
                          kHint + kCityPrompt +
                          "C\x85lan - Latitudine:45.450N, Longitudine:-23.000E\n" + kZoneLabel +
                          "-2.00\n");
}

TEST(NatalDialogue, CityNumberOutsideTheTableIsAskedAgain) {
  ProgramRun run = RunNatalChart(kDateAnswers +
                                 "1\n\x1b"
                                 "51\n0\n49\n");
  std::string again = kCityPrompt + "Num\x85rul nu este \x8Cn tabel (1-50).\n";
  ExpectDialogue(run, DateDialogue() + kTableQuestion + Listing(1, 20) + kHint + again + again +
                          kCityPrompt + "Vaslui - Latitudine:46.400N, Longitudine:-27.400E\n" +
                          kZoneLabel + "-2.00\n");
}

// Once an answer is not a number the console falls silent for the rest of the run: the
// whole output is what was written before it, and the program still ends normally.
struct SilenceCase {
  std::string name;
  std::string input;
  std::string output;
};

void PrintTo(const SilenceCase& c, std::ostream* os) {
  *os << c.name;
}

class NatalSilenceTest : public testing::TestWithParam<SilenceCase> {};

TEST_P(NatalSilenceTest, OutputStopsAndTheRunEndsNormally) {
  const SilenceCase& c = GetParam();
  ProgramRun run = RunNatalChart(c.input);
  EXPECT_TRUE(run.exited) << c.name;
  EXPECT_EQ(run.status, 0) << c.name;
  EXPECT_EQ(run.out, c.output) << c.name;
  EXPECT_EQ(run.snapshots, 4) << c.name;  // the window still shows every screen
}

std::vector<SilenceCase> SilenceCases() {
  std::vector<SilenceCase> cases;
  // Input that ends before each question of both paths.
  const std::vector<std::string> typedAnswers = {"1\n", "1\n",      "1980\n", "12.00\n",
                                                 "0\n", "-26.06\n", "44.26\n"};
  const std::vector<std::string> typedPrompts = {
      "Ziua=",        "Luna=",          "Anul=",        "Ora locala (OO.MM(SS/6)):",
      kTableQuestion, kLongitudePrompt, kLatitudePrompt};
  std::string input;
  std::string output = kHeading;
  for (std::size_t i = 0; i < typedAnswers.size(); ++i) {
    output += typedPrompts[i];
    cases.push_back({"end at " + typedPrompts[i], input, output});
    input += typedAnswers[i];
  }
  std::string tableOutput = DateDialogue() + kTableQuestion + Listing(1, 20);
  cases.push_back({"end at the first pause", kDateAnswers + "1\n", tableOutput});
  cases.push_back(
      {"end at the second pause", kDateAnswers + "1\n ", tableOutput + Listing(21, 40)});
  cases.push_back(
      {"end at the city number", kDateAnswers + "1\n\x1b", tableOutput + kHint + kCityPrompt});
  cases.push_back({"end after a number outside the table",
                   kDateAnswers + "1\n\x1b"
                                  "99\n",
                   tableOutput + kHint + kCityPrompt + "Num\x85rul nu este \x8Cn tabel (1-50).\n" +
                       kCityPrompt});
  // Answers that are not numbers, part way.
  cases.push_back({"day 12a", "12a\n1\n1980\n12\n0\n-26.06\n44.26\n", kHeading + "Ziua="});
  cases.push_back({"year x", "1\n1\nx\n12\n0\n-26.06\n44.26\n", kHeading + "Ziua=Luna=Anul="});
  cases.push_back({"time 1.2.3", "1\n1\n1980\n1.2.3\n0\n-26.06\n44.26\n", DateDialogue()});
  cases.push_back(
      {"table answer 1.0", kDateAnswers + "1.0\n-26.06\n44.26\n", DateDialogue() + kTableQuestion});
  cases.push_back({"latitude --1", kDateAnswers + "0\n-26.06\n--1\n",
                   DateDialogue() + kTableQuestion + kLongitudePrompt + kLatitudePrompt});
  cases.push_back({"city number abc",
                   kDateAnswers + "1\n\x1b"
                                  "abc\n11\n",
                   tableOutput + kHint + kCityPrompt});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, NatalSilenceTest, testing::ValuesIn(SilenceCases()));

TEST(NatalDialogue, AbsurdNumbersStillEndNormally) {
  ProgramRun run = RunNatalChart("1e20\n-1e20\n1e308\n1e308\n0\n1e308\n-1e308\n");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  std::string zoneStart =
      DateDialogue() + kTableQuestion + kLongitudePrompt + kLatitudePrompt + kZoneLabel;
  ASSERT_GE(run.out.size(), zoneStart.size());
  EXPECT_EQ(run.out.substr(0, zoneStart.size()), zoneStart);
  // 1e308 / 15 written with every digit and two decimals.
  std::size_t lineEnd = run.out.find('\n', zoneStart.size());
  ASSERT_NE(lineEnd, std::string::npos);
  std::string zone = run.out.substr(zoneStart.size(), lineEnd - zoneStart.size());
  EXPECT_EQ(zone.size(), 307u + 3u);
  EXPECT_EQ(zone.substr(0, 4), "6666");
  EXPECT_EQ(zone.substr(zone.size() - 3), ".00");
}

TEST(NatalWindow, OpensAndClosesAfterItsKeys) {
  ProgramRun run = RunNatalChart(kDateAnswers + "0\n-26.06\n44.26\n", "32,32,32,32");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.snapshots, 4);  // one picture per key wait: two wheels, two grids
}

TEST(NatalWindow, EndsWhenTheKeyScriptRunsOut) {
  // An arrow key (two codes), then nothing: Esc is held down and every wait passes.
  ProgramRun run = RunNatalChart(kDateAnswers + "0\n-26.06\n44.26\n", "0,75");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.snapshots, 4);
}

}  // namespace
