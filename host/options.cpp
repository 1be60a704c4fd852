// Command line and help: the switches every program takes, read as words, and the text of
// --help, composed from what all programs share and what each program says of itself.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "host/host.h"

#ifndef PALM_VERSION
#define PALM_VERSION "0"
#endif

static const int MAX_SCALE = 6;
static const int MAX_FPS = 1000;
static const long MAX_GREMLINS = 100000000;
static const size_t HELP_COLUMN = 22;  // where the right-hand column of the help starts

// The switches of the original command line, each found as a substring anywhere in it.
static const char* const SUBSTRING_SWITCHES[] = {"-console", "/console", "-color",
                                                 "/color",   "-nocolor", "/nocolor"};

/* ---------------------------------------------------------------------------
 * Reading the words
 * ------------------------------------------------------------------------- */

// Words split at spaces and tabs; double quotes group a word that holds spaces.
static std::vector<std::string> words_of(const char* line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (const char* p = line; *p; p++) {
    if (*p == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((*p == ' ' || *p == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += *p;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

static void say(const HostApplication& app, const std::string& text) {
  fprintf(stderr, "%s: %s\n", app.name, text.c_str());
  fflush(stderr);
}

// A whole decimal number from lo to hi.
static bool whole_number(const std::string& s, long lo, long hi, long& out) {
  if (s.empty()) return false;
  char* end;
  errno = 0;
  long v = strtol(s.c_str(), &end, 10);
  if (*end || errno || v < lo || v > hi) return false;
  out = v;
  return true;
}

static bool unsigned_number(const std::string& s, uint64_t& out) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  unsigned long long v = strtoull(s.c_str(), nullptr, 10);
  if (errno) return false;
  out = v;
  return true;
}

static bool is_help(const std::string& w) {
  return w == "--help" || w == "-help" || w == "/help" || w == "-h" || w == "/?";
}

static bool is_version(const std::string& w) {
  return w == "--version" || w == "-version" || w == "/version";
}

static bool holds_substring_switch(const std::string& w) {
  for (const char* s : SUBSTRING_SWITCHES)
    if (w.find(s) != std::string::npos) return true;
  return false;
}

HostOptions host_parse_options(const HostApplication& app, const char* line) {
  HostOptions o;
  std::vector<std::string> w = words_of(line ? line : "");
  for (size_t i = 0; i < w.size(); i++) {
    const std::string& word = w[i];
    if (is_help(word)) {
      o.help = true;
      continue;
    }
    if (is_version(word)) {
      o.version = true;
      continue;
    }
    bool lead = word.size() > 1 && (word[0] == '-' || word[0] == '/');
    std::string name = lead ? word.substr(1) : "", value;
    bool attached = false;  // "-name=VALUE"
    if (size_t eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
      attached = true;
    }
    // The next word is the value; a number's only when it is one.
    auto take = [&](bool number) {
      long ignored;
      if (attached) return true;
      if (i + 1 >= w.size() ||
          (number && !whole_number(w[i + 1], -2147483647, 2147483647, ignored)))
        return false;
      value = w[++i];
      return true;
    };
    long v;
    if (name == "scale" || name == "fps") {
      bool scale = name == "scale";
      int hi = scale ? MAX_SCALE : MAX_FPS;
      if (!take(true) || !whole_number(value, scale ? 1 : 0, hi, v)) {
        say(app, "-" + name + " takes a whole number from " + (scale ? "1" : "0") + " to " +
                     std::to_string(hi) + "; ignored");
      } else if (!scale && app.help && !app.help->frames) {
        say(app, "-fps does not apply: " + std::string(app.name) + " draws no frames; ignored");
      } else {
        (scale ? o.scale : o.fps) = static_cast<int>(v);
      }
    } else if (name == "script" || name == "record") {
      if (!take(false) || value.empty()) {
        say(app, "-" + name + " needs a file name");
        o.bad = true;
      } else {
        (name == "script" ? o.script : o.record) = value;
      }
    } else if (name == "gremlins") {
      if (!take(true) || !whole_number(value, 0, MAX_GREMLINS, v)) {
        say(app, "-gremlins takes a count from 0 to " + std::to_string(MAX_GREMLINS) +
                     " and then, if given, a seed (a whole number)");
        o.bad = true;
        continue;
      }
      o.gremlins = v;
      o.seeded = !attached && i + 1 < w.size() && unsigned_number(w[i + 1], o.seed);
      if (o.seeded) i++;
    } else if (!holds_substring_switch(word)) {  // those are taken by their own rule
      say(app, lead ? "unknown switch " + word + "; ignored" : word + ": not a switch; ignored");
      continue;
    }
    o.searched += word + " ";  // values taken above (file names) are not searched
  }
  if (o.gremlins >= 0 && !o.seeded)
    o.seed = static_cast<uint64_t>(time(nullptr)) * 1000003u ^ GetTickCount();
  return o;
}

/* ---------------------------------------------------------------------------
 * Help
 * ------------------------------------------------------------------------- */

struct HelpRow {
  const char* left;
  const char* right;
};

static const HelpRow SWITCH_ROWS[] = {
    {"-console",
     "open a console (standard output on Linux): the banner line, System.out, "
     "fatal errors"},
    {"-scale N",
     "show the window N times its size, 1 to 6 (default: the largest whole scale "
     "that fits the screen)"},
    {"-fps N",
     "at most N frames a second, 0 for no limit (default: 60 in a window, no limit "
     "headless); the wait ends at once on input"},
    {"-script FILE",
     "run FILE as a script (see SCRIPTS); a malformed line, a missing or "
     "unreadable file ends the program with status 2"},
    {"-record FILE",
     "write the session's pen and key input to FILE as a script that replays "
     "it, waits included"},
    {"-gremlins N [SEED]",
     "N random taps, strokes, silk-screen presses and keys, the same for "
     "the same SEED, then close (or run the -script, if given)"},
    {"--help, -help, -h, /?", "this text, on standard output (in a message box on Windows)"},
    {"--version, -version", "the program's name and version on standard output"},
};

static const HelpRow KEY_ROWS[] = {
    {"left mouse button", "the pen on the screen; clicks the silk-screen buttons"},
    {"arrow keys, Enter, Escape, typed characters", "device keys"},
    {"PageUp, PageDown", "the PgUp and PgDn buttons' keys"},
    {"mouse wheel", "one page key per notch (wheel up: PgUp)"},
    {"F1, Menu key", "the Menu button"},
    {"Home", "the Apps button"},
    {"F11", "full screen on and off"},
    {"Ctrl+Plus, Ctrl+Minus", "one scale larger, smaller"},
    {"F12, Print", "save the screen as NAME-YYYYMMDD-HHMMSS-mmm.png in the current folder"},
    {"Ctrl+Q", "close the window as its close box does"},
};

static const HelpRow SCRIPT_ROWS[] = {
    {"wait MS", "let the program run MS milliseconds"},
    {"settle", "wait until the program has taken its input and has nothing left to do"},
    {"down X Y", "pen press at window point (X, Y)"},
    {"move X Y", "pen drag"},
    {"up X Y", "pen release"},
    {"tap X Y", "down then up"},
    {"key VK", "key-down with that virtual key (37 to 40 are the arrows)"},
    {"char C", "a typed character code (decimal)"},
    {"press LABEL",
     "click a silk-screen button: Apps, Menu, Calc, Find, Date, Addr, PgUp, PgDn, "
     "To Do, Memo"},
    {"shot FILE", "save the screen (320 x 320) as a PNG file"},
    {"window FILE", "save the whole client area (319 x 459) as a PNG file"},
    {"close", "close the window as its close box does"},
};

static const HelpRow ENVIRONMENT_ROWS[] = {
    {"PALM_SCRIPT=FILE",
     "run FILE as a script when no -script is given; a malformed line "
     "stops the script, the program goes on"},
    {"PALM_HEADLESS=1", "run without a window"},
};

// Text wrapped to the help's width, each line after the first indented to the column.
static std::string wrapped(const std::string& text, size_t column) {
  const size_t width = 90;
  std::string out, line;
  size_t at = 0;
  while (at < text.size()) {
    size_t next = text.find(' ', at);
    if (next == std::string::npos) next = text.size();
    std::string word = text.substr(at, next - at);
    if (!line.empty() && column + line.size() + 1 + word.size() > width) {
      out += line + "\n" + std::string(column, ' ');
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    at = next + 1;
  }
  return out + line;
}

static std::string row(const std::string& left, const std::string& right) {
  std::string out = "  " + left;
  if (out.size() + 1 > HELP_COLUMN) {
    out += "\n";
    out += std::string(HELP_COLUMN, ' ');
  } else {
    out += std::string(HELP_COLUMN - out.size(), ' ');
  }
  return out + wrapped(right, HELP_COLUMN) + "\n";
}

static std::string paragraph(const std::string& text) { return "  " + wrapped(text, 2) + "\n"; }

// The two colour switches: the one that acts says what it does in this program.
static std::string colour_rows(const HostApplication& app) {
  std::string name = app.name;
  const char* what = app.help && app.help->colour ? app.help->colour : nullptr;
  if (app.colourByDefault)
    return row("-nocolor", what ? what : "monochrome (" + name + " starts in colour)") +
           row("-color", "no effect: " + name + " starts in colour");
  return row("-color", what ? what : "colour (" + name + " starts monochrome)") +
         row("-nocolor", "no effect: " + name + " starts monochrome");
}

std::string host_version_text(const HostApplication& app) {
  return std::string(app.name) + " " + PALM_VERSION + "\n";
}

std::string host_help_text(const HostApplication& app) {
  const HostHelp* h = app.help;
  std::string program = app.name;
  for (char& c : program) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  std::string t = std::string(app.name) + " " + PALM_VERSION;
  if (h && h->about) t += ": " + std::string(h->about);
  t += "\n\nUSAGE\n  " + program + " [SWITCH ...]\n";
  t += paragraph(
      std::string("Each switch is a word of its own, \"-name\" or \"/name\", "
                  "case-sensitive; a value follows as the next word (or \"-name=VALUE\"). "
                  "-console, -color and -nocolor count anywhere in a word as well. A switch "
                  "given twice counts once; for one that takes a value, the last one "
                  "counts. A word no switch takes is named on standard error and ignored, "
                  "and so is a bad -scale") +
      (h && !h->frames ? "" : " or -fps") + " value.");
  t += "\nSWITCHES\n" + row(SWITCH_ROWS[0].left, SWITCH_ROWS[0].right) + colour_rows(app);
  for (const HelpRow& r : SWITCH_ROWS) {
    if (&r == &SWITCH_ROWS[0]) continue;
    if (strcmp(r.left, "-fps N") == 0 && h && !h->frames) continue;
    t += row(r.left, r.right);
  }
  t += "\nKEYS\n";
  t += paragraph(
      "The window is the 160 x 160 screen at double size over ten silk-screen "
      "buttons (Apps, Menu, Calc, Find, Date, Addr, PgUp, PgDn, To Do, Memo). The "
      "host keeps F11, Ctrl+Plus, Ctrl+Minus, F12, Print and Ctrl+Q for itself.");
  for (const HelpRow& r : KEY_ROWS) t += row(r.left, r.right);
  if (h && h->controls) t += "\nCONTROLS\n" + std::string(h->controls);
  t += "\nSCRIPTS\n";
  t += paragraph(
      "One command a line; # starts a comment. X and Y are window pixels at scale 1: device "
      "pixel (x, y) is window point (2x, 2y). Input takes effect when the program next reads "
      "events: put a wait before a shot. A picture that cannot be written is reported and "
      "the script goes on; what was at its path stays, and only a regular file is replaced.");
  for (const HelpRow& r : SCRIPT_ROWS) t += row(r.left, r.right);
  t += "\nENVIRONMENT\n";
  for (const HelpRow& r : ENVIRONMENT_ROWS) t += row(r.left, r.right);
  t += "\nEXIT STATUS\n";
  t += row("0", "the window was closed, or the program ended itself");
  t += row("2",
           "-script, -record or -gremlins could not do what was asked (a malformed line, "
           "a file that cannot be read or written); the reason is on standard error");
  return t;
}
