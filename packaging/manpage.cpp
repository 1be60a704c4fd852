// Manual page writer: turns a program's --help text into a page, so both say the same.
//
// Usage: manpage NAME SECTION SOURCE SUMMARY HELP-FILE
// Writes the page on standard output. The help text is plain: a line at the margin that ends
// in ':' heads a subsection; "  term  description" lines (two spaces or more between, or one
// where the next line continues at the description's column) become tagged paragraphs, and
// deeper-indented lines after one continue it; any other indented line is an indented
// paragraph; the rest is running text.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

static const size_t TAB_WIDTH = 8;

// A line with its tabs expanded and its trailing blanks and carriage return removed.
static std::string clean(const std::string& raw) {
  std::string s;
  for (char c : raw) {
    if (c == '\t')
      s.append(TAB_WIDTH - s.size() % TAB_WIDTH, ' ');
    else
      s += c;
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
  return s;
}

static size_t indent_of(const std::string& s) { return s.find_first_not_of(' '); }

// Text as roff reads it: backslashes and minus signs escaped, no line taken as a request.
static std::string roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else if (c == '"')
      out += "\\(dq";  // a quote would end a request's argument
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

static std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return s;
}

// Where a "term  description" line's description starts (npos when it has none).
static size_t description_column(const std::string& s) {
  size_t term = indent_of(s);
  size_t gap = s.find("  ", term);
  if (gap == std::string::npos) return std::string::npos;
  return s.find_first_not_of(' ', gap);
}

// A term set off by one space only: its description starts where the next line, deeper
// indented, continues it ("  NAME=VALUE does this\n             and that").
static size_t continued_column(const std::string& s, const std::string& next) {
  size_t in = indent_of(s), at = next.empty() ? 0 : indent_of(next);
  if (at <= in || at >= s.size() || s[at - 1] != ' ' || s[at] == ' ') return std::string::npos;
  return at;
}

static void write_body(std::ostream& out, const std::vector<std::string>& lines) {
  // The indentation of the open tagged or indented paragraph; npos outside one.
  size_t open = std::string::npos;
  for (size_t i = 0; i < lines.size(); i++) {
    const std::string& line = lines[i];
    const std::string* next = i + 1 < lines.size() ? &lines[i + 1] : nullptr;
    if (line.empty()) {
      out << ".PP\n";
      open = std::string::npos;
      continue;
    }
    size_t in = indent_of(line);
    std::string text = line.substr(in);
    if (in == 0) {
      if (text.back() == ':') {
        out << ".SS " << roff(text.substr(0, text.size() - 1)) << "\n";
      } else {
        if (open != std::string::npos) out << ".PP\n";
        out << roff(text) << "\n";
      }
      open = std::string::npos;
      continue;
    }
    if (open != std::string::npos && in > open) {
      out << roff(text) << "\n";  // continues the paragraph above
      continue;
    }
    size_t desc = description_column(line);
    if (desc == std::string::npos && next) desc = continued_column(line, *next);
    if (desc != std::string::npos) {
      std::string term = line.substr(in, desc - in);
      while (term.back() == ' ') term.pop_back();
      out << ".TP\n\\fB" << roff(term) << "\\fR\n" << roff(line.substr(desc)) << "\n";
    } else {
      out << ".IP\n" << roff(text) << "\n";
    }
    open = in;
  }
}

int main(int argc, char** argv) {
  if (argc != 6) {
    fprintf(stderr, "usage: manpage NAME SECTION SOURCE SUMMARY HELP-FILE\n");
    return 2;
  }
  std::string name = argv[1], section = argv[2], source = argv[3], summary = argv[4];
  std::ifstream help(argv[5]);
  if (!help) {
    fprintf(stderr, "manpage: cannot read %s\n", argv[5]);
    return 1;
  }
  std::vector<std::string> lines;
  for (std::string raw; std::getline(help, raw);) lines.push_back(clean(raw));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  if (lines.empty()) {
    fprintf(stderr, "manpage: %s is empty\n", argv[5]);
    return 1;
  }

  std::ostringstream out;
  out << ".TH " << upper(name) << " " << section << " \"\" \"" << roff(source) << "\"\n"
      << ".nh\n.ad l\n"
      << ".SH NAME\n"
      << roff(name) << " \\- " << roff(summary) << "\n"
      << ".SH SYNOPSIS\n"
      << ".B " << roff(name) << "\n[\\fIswitches\\fR]\n"
      << ".SH DESCRIPTION\n";
  write_body(out, lines);
  std::cout << out.str();
  return std::cout.good() ? 0 : 1;
}
