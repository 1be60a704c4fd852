// The programs' automation end to end: a failing -script ends a real program with status 2,
// a recorded session replays to the same picture, gremlins repeat themselves for a seed, and
// every switch, key and script command the README names is in the programs' --help.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "run_executable.h"

namespace {

// A recorded script less its waits and comments: the events alone.
std::string events_of(const std::string& script) {
  std::istringstream in(script);
  std::string out;
  for (std::string line; std::getline(in, line);)
    if (line.rfind("wait ", 0) != 0 && line.rfind("#", 0) != 0) out += line + "\n";
  return out;
}

// A malformed line in a -script ends the running program with status 2 and the reason.
// (Files that cannot be opened stop it before it starts: the start-up tests.)
TEST(Automation, ScriptFailuresEndTheProgramWithStatusTwo) {
  ProgramRun r = run_executable(TUMBLER, "-script script.txt", scratch_dir("script_status"),
                                "wait 10\njump 1 2\nclose\n");
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.err.find("-script script.txt:2: unknown command: \"jump 1 2\"; ending the program"),
            std::string::npos)
      << r.err;
}

// A session's input recorded by -record replays, through -script, to the same window.
TEST(Automation, RecordedSessionReplaysToTheSamePicture) {
  std::string dir = scratch_dir("record");
  ProgramRun session = run_executable(ORBITALE, "-record session.txt", dir,
                                      "wait 300\nwindow first.png\ntap 292 48\nwait 300\n"
                                      "down 120 200\nmove 121 201\nup 121 201\nwait 500\n"
                                      "window recorded.png\nclose\n");
  ASSERT_EQ(session.status, 0) << session.err;
  std::string recorded = file_bytes(dir + "/session.txt");
  EXPECT_EQ(events_of(recorded),
            "down 292 48\nup 292 48\ndown 120 200\nmove 121 201\nup 121 201\nclose\n");
  EXPECT_NE(recorded.find("\nwait "), std::string::npos) << recorded;
  std::string replay =
      std::regex_replace(recorded, std::regex("\nclose\n$"), "\nwindow replayed.png\nclose\n");
  ProgramRun again = run_executable(ORBITALE, "-script script.txt", dir, replay);
  ASSERT_EQ(again.status, 0) << again.err;
  std::string picture = file_bytes(dir + "/recorded.png");
  EXPECT_NE(picture, file_bytes(dir + "/first.png")) << "the session changed nothing";
  EXPECT_EQ(file_bytes(dir + "/replayed.png"), picture);
}

// The same seed gives the same events and the same final picture; another seed others.
TEST(Automation, GremlinsRepeatThemselvesForASeed) {
  std::string dir = scratch_dir("gremlins");
  std::string events[3], pictures[3];
  const char* args[3] = {"-gremlins 60 5", "-gremlins 60 5", "-gremlins=60"};
  for (int i = 0; i < 3; i++) {
    ProgramRun r = run_executable(ORBITALE, std::string(args[i]) + " -record events.txt", dir,
                                  "window final.png\nclose\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Orbitale: 60 gremlins, seed "), std::string::npos) << r.err;
    events[i] = events_of(file_bytes(dir + "/events.txt"));
    pictures[i] = file_bytes(dir + "/final.png");
  }
  ProgramRun first = run_executable(ORBITALE, "", dir, "window first.png\nclose\n");
  EXPECT_GT(std::count(events[0].begin(), events[0].end(), '\n'), 60);
  EXPECT_EQ(events[1], events[0]);
  EXPECT_EQ(pictures[1], pictures[0]);
  EXPECT_NE(pictures[0], file_bytes(dir + "/first.png")) << "the gremlins changed nothing";
  EXPECT_NE(events[2], events[0]) << "a seed from the clock gave seed 5's events";
}

// Every switch, key and script command of the README is in each program's help (-fps only in
// the programs that draw frames), and so is the environment; --version is the name and the
// version. Each of help's and version's words prints and runs nothing: an empty script would
// leave a running program to be killed.
TEST(Automation, HelpNamesEverySwitchKeyAndCommandOfTheReadme) {
  std::string readme = file_bytes(README);
  ASSERT_FALSE(readme.empty());
  // The switch list (from its rules to the exit status) and the automation section.
  size_t rules = readme.find("Switches are words"), status = readme.find("The exit status is");
  size_t automation = readme.find("## Automation"), end = readme.find("\n## ", automation + 1);
  ASSERT_TRUE(rules < status && status < automation && automation < end);
  std::set<std::string> switches, keys, commands;
  std::regex code("`([^`]+)`");
  for (auto m = std::sregex_iterator(readme.begin(), readme.end(), code);
       m != std::sregex_iterator(); ++m) {
    std::string span = (*m)[1], first = span.substr(0, span.find(' '));
    size_t at = static_cast<size_t>(m->position());
    bool inSwitches = (at > rules && at < status) || (at > automation && at < end);
    if (inSwitches && std::regex_match(first, std::regex("(--?|/)[a-z]+|/\\?")) &&
        first != "-name" && first != "/name")
      switches.insert(first[0] == '/' && first != "/?" ? "-" + first.substr(1) : first);
    if (at > automation && at < end && std::regex_match(span, std::regex("[a-z]+( [A-Z]+)*")))
      commands.insert(first);
  }
  std::regex key("\\b(F[0-9]{1,2}|Ctrl\\+[A-Za-z]+)\\b");
  for (auto m = std::sregex_iterator(readme.begin(), readme.end(), key);
       m != std::sregex_iterator(); ++m)
    keys.insert((*m)[1]);
  for (const char* name : {"PageUp", "PageDown", "Home", "Print", "Enter", "Escape", "mouse wheel",
                           "Menu key", "arrow keys"})
    if (readme.find(name) != std::string::npos) keys.insert(name);
  EXPECT_GE(switches.size(), 12u);
  EXPECT_GE(keys.size(), 7u);
  EXPECT_GE(commands.size(), 11u);

  struct Program {
    const char *path, *name;
    bool frames;
    const char *help, *version;
  } programs[] = {{ORBITALE, "Orbitale", false, "--help", "--version"},
                  {SPINDRIFT, "Spindrift", true, "-h", "-version"},
                  {GLIMMER, "Glimmer", true, "/?", "/version"},
                  {TUMBLER, "Tumbler", false, "-console -help", "--version"}};
  std::string dir = scratch_dir("help");
  for (const Program& p : programs) {
    ProgramRun help = run_executable(p.path, p.help, dir, "", 10);
    ASSERT_EQ(help.status, 0) << p.help;
    const std::string& h = help.out;
    for (const char* heading :
         {"\nUSAGE\n", "\nSWITCHES\n", "\nKEYS\n", "\nCONTROLS\n", "\nSCRIPTS\n", "\nENVIRONMENT\n",
          "PALM_SCRIPT", "PALM_HEADLESS", "\nEXIT STATUS\n"})
      EXPECT_NE(h.find(heading), std::string::npos) << p.name << ": " << heading;
    for (const std::string& s : switches) {
      std::string word = std::regex_replace(s, std::regex("[?]"), "\\?");
      bool listed = std::regex_search(h, std::regex("\n  ([^\n]*, )?" + word + "[ ,\n]"));
      EXPECT_EQ(listed, s != "-fps" || p.frames) << p.name << ": " << s;
    }
    for (const std::string& k : keys)
      EXPECT_NE(h.find(k), std::string::npos) << p.name << ": " << k;
    for (const std::string& c : commands)
      EXPECT_NE(h.find("\n  " + c + " "), std::string::npos) << p.name << ": " << c;
    ProgramRun version = run_executable(p.path, p.version, dir, "", 10);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string(p.name) + " " + PALM_VERSION + "\n");
  }
}

}  // namespace
