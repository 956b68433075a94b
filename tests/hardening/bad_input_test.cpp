// The four programs against bad input: the end of input and a non-number at every
// question, lines of a megabyte, every byte value, and forty keys typed ahead. Each run
// must end by itself with status 0, write nothing to standard error and, once an answer
// has failed, write nothing after the question that failed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "natalchart/place.h"

namespace {

constexpr auto kRunLimit = std::chrono::seconds(20);
constexpr std::size_t kMegabyte = 1 << 20;

struct RunResult {
  bool finished = false;  // false: killed after kRunLimit
  bool exited = false;
  int status = -1;
  int signal = 0;
  std::string out;
  std::string err;
};

std::string TempFile(const std::string& contents) {
  char name[] = "/tmp/astro-hardening-XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return {};
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  return name;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the program headless with the given standard input and key script, killing it
// if it has not ended within kRunLimit.
RunResult RunProgram(const char* exe, const std::string& input, const std::string& keys) {
  const std::string inPath = TempFile(input);
  const std::string outPath = TempFile("");
  const std::string errPath = TempFile("");
  RunResult result;
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_TRUNC);
    const int err = open(errPath.c_str(), O_WRONLY | O_TRUNC);
    if (in < 0 || out < 0 || err < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    setenv("WINGRAPH_DRIVER", "headless", 1);
    setenv("WINGRAPH_KEYS", keys.c_str(), 1);
    unsetenv("WINGRAPH_SNAPSHOTS");
    // Under the leak checker, its note on the known leaks is not a message of the program.
    const char* lsan = getenv("LSAN_OPTIONS");
    const std::string quiet = std::string(lsan ? lsan : "") + ":print_suppressions=0";
    setenv("LSAN_OPTIONS", quiet.c_str(), 1);
    execl(exe, exe, static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid > 0) {
    const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
    int status = 0;
    while (true) {
      const pid_t done = waitpid(pid, &status, WNOHANG);
      if (done == pid) {
        result.finished = true;
        break;
      }
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exited = WIFEXITED(status);
    if (result.exited) result.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  }
  result.out = Slurp(outPath);
  result.err = Slurp(errPath);
  std::remove(inPath.c_str());
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return result;
}

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string Tail(const std::string& text) {
  return text.size() > 200 ? "..." + text.substr(text.size() - 200) : text;
}

void ExpectCleanRun(const RunResult& run) {
  EXPECT_TRUE(run.finished) << "still running after 20 s";
  EXPECT_TRUE(run.exited) << "ended by signal " << run.signal;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
}

// One question of a dialogue: the text that ends the output when its answer fails, and a
// good answer that leads on to the next question.
struct Question {
  std::string lastOutput;
  std::string goodAnswer;
  bool readsNumber = true;  // false: any line or key is a good answer
};

struct Dialogue {
  const char* name;
  const char* exe;
  std::vector<Question> questions;
};

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

std::string PrefixAnswers(const Dialogue& dialogue, std::size_t count) {
  std::string input;
  for (std::size_t i = 0; i < count; ++i) input += dialogue.questions[i].goodAnswer;
  return input;
}

// The natal chart, both ways of giving the place.
Dialogue NatalTyped() {
  return {"natalchart typed place",
          ASTRO_NATALCHART_EXE,
          {{"Ziua=", "1\n"},
           {"Luna=", "1\n"},
           {"Anul=", "1980\n"},
           {"Ora locala (OO.MM(SS/6)):", "12.00\n"},
           {"Folosesti tabelul ptr. alegerea coordonatelor locului ? (1=Da,0=Nu):", "0\n"},
           {"Longitudinea locului (E-) (GGG.MM):", "-26.06\n"},
           {"Latitudinea locului (S-) (GG.MM):", "44.26\n"}}};
}

Dialogue NatalTable() {
  const std::string line20 = natalchart::CityListingLine(20, natalchart::kCityTable[19]) + "\n";
  const std::string line40 = natalchart::CityListingLine(40, natalchart::kCityTable[39]) + "\n";
  return {"natalchart city table",
          ASTRO_NATALCHART_EXE,
          {{"Ziua=", "1\n"},
           {"Luna=", "1\n"},
           {"Anul=", "1980\n"},
           {"Ora locala (OO.MM(SS/6)):", "12.00\n"},
           {"Folosesti tabelul ptr. alegerea coordonatelor locului ? (1=Da,0=Nu):", "1\n"},
           {line20, " ", false},
           {line40, "\x1b", false},
           {"Num\x85rul orasului:", "11\n"}}};
}

Dialogue Chartanim() {
  return {"chartanim",
          ASTRO_CHARTANIM_EXE,
          {{"Ziua=", "1\n"},
           {"Luna=", "1\n"},
           {"Anul=", "1980\n"},
           {"Ora locala (OO.MM(SS/6)):", "12.00\n"},
           {"Intervalul in minute cu care ma deplasez in timp:", "60\n"},
           {"Longitudine (E-) (GGG.MM):", "-26.06\n"},
           {"Latitudine (S-) (GG.MM):", "44.26\n"}}};
}

Dialogue Biorhythm() {
  return {"biorhythm",
          ASTRO_BIORHYTHM_EXE,
          {{"Cum te cheama:", "Ion\n", false},
           {"DATA NASTERII:\nAnul=", "1980\n"},
           {"Luna=", "3\n"},
           {"Ziua=", "15\n"},
           {"DATA CURENTA:\nAnul=", "2024\n"},
           {"Luna=", "1\n"},
           {"Ziua=", "1\n"}}};
}

std::vector<Dialogue> Dialogues() {
  return {NatalTyped(), NatalTable(), Chartanim(), Biorhythm()};
}

class BadInput : public ::testing::TestWithParam<int> {
 protected:
  Dialogue dialogue = Dialogues()[GetParam()];
};

// The whole dialogue answered well runs through with a few keys.
TEST_P(BadInput, GoodAnswersRunThrough) {
  const RunResult run = RunProgram(dialogue.exe, PrefixAnswers(dialogue, dialogue.questions.size()),
                                   "32,0,77,32,32,32");
  ExpectCleanRun(run);
}

// Input ending at a question: nothing is written after that question.
TEST_P(BadInput, EndOfInputAtEveryQuestion) {
  for (std::size_t k = 0; k < dialogue.questions.size(); ++k) {
    SCOPED_TRACE("question " + std::to_string(k + 1));
    const RunResult run = RunProgram(dialogue.exe, PrefixAnswers(dialogue, k), "");
    ExpectCleanRun(run);
    EXPECT_TRUE(EndsWith(run.out, dialogue.questions[k].lastOutput)) << Tail(run.out);
  }
}

// A non-number, a megabyte-long number, a megabyte of letters and every byte value at each
// numeric question all fail that answer and silence the rest of the run.
TEST_P(BadInput, BadAnswerAtEveryNumericQuestion) {
  const std::vector<std::string> badAnswers = {"12a\n",
                                               "abc 5\n",
                                               std::string(kMegabyte, '7') + "\n",
                                               std::string(kMegabyte, 'x') + "\n",
                                               AllBytes(),
                                               "nan\n",
                                               "1e999\n"};
  for (std::size_t k = 0; k < dialogue.questions.size(); ++k) {
    if (!dialogue.questions[k].readsNumber) continue;
    for (std::size_t b = 0; b < badAnswers.size(); ++b) {
      SCOPED_TRACE("question " + std::to_string(k + 1) + ", bad answer " + std::to_string(b));
      const RunResult run =
          RunProgram(dialogue.exe, PrefixAnswers(dialogue, k) + badAnswers[b] + "1\n2\n3\n", "");
      ExpectCleanRun(run);
      EXPECT_TRUE(EndsWith(run.out, dialogue.questions[k].lastOutput)) << Tail(run.out);
    }
  }
}

// A megabyte of blanks before a good answer, and a megabyte of text after it on the same
// line, still give that answer: the next question is asked.
TEST_P(BadInput, MegabyteLinesAroundGoodAnswers) {
  for (std::size_t k = 0; k + 1 < dialogue.questions.size(); ++k) {
    const Question& question = dialogue.questions[k];
    if (!question.readsNumber) continue;
    SCOPED_TRACE("question " + std::to_string(k + 1));
    std::string answer = question.goodAnswer;
    answer.pop_back();  // its line end
    const std::vector<std::string> lines = {std::string(kMegabyte, ' ') + answer + "\n",
                                            answer + " " + std::string(kMegabyte, 'z') + "\n"};
    for (const std::string& line : lines) {
      const RunResult run = RunProgram(dialogue.exe, PrefixAnswers(dialogue, k) + line, "");
      ExpectCleanRun(run);
      EXPECT_TRUE(EndsWith(run.out, dialogue.questions[k + 1].lastOutput)) << Tail(run.out);
    }
  }
}

// Every byte value, 0x00 to 0xFF, in one input after each run of good answers.
TEST_P(BadInput, AllByteValuesAfterEveryQuestion) {
  for (std::size_t k = 0; k <= dialogue.questions.size(); ++k) {
    SCOPED_TRACE("after question " + std::to_string(k));
    const RunResult run = RunProgram(dialogue.exe, PrefixAnswers(dialogue, k) + AllBytes(), "");
    ExpectCleanRun(run);
  }
}

std::string DialogueName(const ::testing::TestParamInfo<int>& info) {
  std::string name = Dialogues()[info.param].name;
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Programs, BadInput, ::testing::Values(0, 1, 2, 3), DialogueName);

// Forty codes typed ahead, special keys (0 and a code) and the close box among them.
const char* const kFortyKeys =
    "32,0,75,0,77,0,72,0,80,0,115,0,116,0,107,13,8,65,97,0,59,"
    "42,47,91,93,114,0,71,0,79,0,73,0,81,0,82,0,83,49,255";

std::string ValidAnswers(int dialogue) {
  const Dialogue d = Dialogues()[dialogue];
  return PrefixAnswers(d, d.questions.size());
}

struct KeysCase {
  const char* name;
  const char* exe;
  int dialogue;  // -1: no console dialogue
};

class FortyKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(FortyKeys, TypedAheadKeysEndCleanly) {
  const KeysCase& c = GetParam();
  const std::string input = c.dialogue < 0 ? AllBytes() : ValidAnswers(c.dialogue);
  ExpectCleanRun(RunProgram(c.exe, input, kFortyKeys));
  // The same keys with no console input: nothing after the first question.
  const RunResult run = RunProgram(c.exe, "", kFortyKeys);
  ExpectCleanRun(run);
  if (c.dialogue >= 0) {
    EXPECT_TRUE(EndsWith(run.out, Dialogues()[c.dialogue].questions[0].lastOutput)) << run.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, FortyKeys,
                         ::testing::Values(KeysCase{"natalchart", ASTRO_NATALCHART_EXE, 0},
                                           KeysCase{"chartanim", ASTRO_CHARTANIM_EXE, 2},
                                           KeysCase{"biorhythm", ASTRO_BIORHYTHM_EXE, 3},
                                           KeysCase{"planetarium", ASTRO_PLANETARIUM_EXE, -1}),
                         [](const ::testing::TestParamInfo<KeysCase>& info) {
                           return std::string(info.param.name);
                         });

// A name of a megabyte, or of every byte value but the line end, is taken and drawn.
TEST(BiorhythmInput, HugeAndBinaryNames) {
  std::string binary = AllBytes();
  binary.erase(binary.find('\n'), 1);
  const std::string rest = ValidAnswers(3).substr(std::string("Ion\n").size());
  for (const std::string& name : {std::string(kMegabyte, 'N'), binary}) {
    const RunResult run = RunProgram(ASTRO_BIORHYTHM_EXE, name + "\n" + rest, "0,75,0,77");
    ExpectCleanRun(run);
    EXPECT_TRUE(EndsWith(run.out, "DATA CURENTA:\nAnul=Luna=Ziua=")) << Tail(run.out);
  }
}

// The planetarium reads no console: every byte on its input and a megabyte line change
// nothing, and its frame loop ends at the Esc that follows the last scripted key.
TEST(PlanetariumInput, IgnoresConsoleBytes) {
  for (const std::string& input : {std::string(), AllBytes(), std::string(kMegabyte, '9')}) {
    const RunResult run = RunProgram(ASTRO_PLANETARIUM_EXE, input, ".,.,0,77,.,42");
    ExpectCleanRun(run);
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
