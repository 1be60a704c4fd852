// Runs a real program headless with a PALM_SCRIPT, as a person's session recorded.
#include "run_executable.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

ProgramRun run_executable(const std::string& program, const std::string& args,
                          const std::string& dir, const std::string& script, double timeout) {
  ProgramRun r;
  std::string scriptPath = dir + "/script.txt", outPath = dir + "/stdout.txt",
              errPath = dir + "/stderr.txt";
  std::ofstream(scriptPath) << script;

  std::vector<std::string> env = {"PALM_HEADLESS=1", "PALM_SCRIPT=" + scriptPath};
  for (char** e = environ; *e; e++) {
    std::string v = *e;
    if (v.rfind("PALM_", 0) != 0) env.push_back(v);
  }
  std::vector<char*> envp;
  for (auto& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  std::vector<std::string> argv = {program};
  std::istringstream words(args);
  for (std::string w; words >> w;) argv.push_back(w);
  std::vector<char*> argp;
  for (auto& v : argv) argp.push_back(v.data());
  argp.push_back(nullptr);

  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&fa, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&fa, dir.c_str());
  pid_t pid;
  auto start = std::chrono::steady_clock::now();
  if (posix_spawn(&pid, program.c_str(), &fa, nullptr, argp.data(), envp.data()) != 0) {
    posix_spawn_file_actions_destroy(&fa);
    return r;
  }
  posix_spawn_file_actions_destroy(&fa);
  int wstatus = 0;
  for (;;) {
    pid_t done = waitpid(pid, &wstatus, WNOHANG);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (done == pid) break;
    if (r.seconds > timeout) {
      kill(pid, SIGKILL);
      waitpid(pid, &wstatus, 0);
      r.timedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!r.timedOut && WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
  r.out = file_bytes(outPath);
  r.err = file_bytes(errPath);
  return r;
}

bool wine_ready() {
  const char* apps = getenv("PALM_WINDOWS_APPS");
  return apps && *apps &&
         system("command -v wine >/dev/null 2>&1 && command -v Xvfb >/dev/null 2>&1") == 0;
}

ProgramRun run_under_wine(const std::string& exe, const std::string& dir, const std::string& script,
                          const std::string& args) {
  setenv("WINEDEBUG", "-all", 1);
  std::string path = std::string(getenv("PALM_WINDOWS_APPS")) + "/" + exe;
  return run_executable(PALM_WITH_XVFB, "wine " + path + " " + args, dir, script, 180);
}

std::string script_pen(const char* command, int x, int y) {
  return std::string(command) + " " + std::to_string(2 * x) + " " + std::to_string(2 * y) + "\n";
}
