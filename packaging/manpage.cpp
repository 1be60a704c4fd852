// Manual page writer: turns a program's --help text into a page, so both say the same.
//
// Usage: manpage NAME SECTION SOURCE SUMMARY HELP-FILE
// Writes the page on standard output. The help text is plain: a line at the margin in capitals
// ("SWITCHES") heads a section, one ending in ':' a subsection; "  term  description" lines
// (two spaces or more between, or one where the section's other descriptions or the next,
// deeper-indented line start) become tagged paragraphs, and deeper-indented lines after one
// continue it; a section's least-indented other lines are running text (a short line keeps
// its line break), deeper ones indented paragraphs.
#include <algorithm>
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

// A line at the margin that heads a section: all capitals ("SWITCHES") or ending in ':'.
static bool is_section(const std::string& s) {
  bool letter = false;
  for (char c : s) {
    if (islower(static_cast<unsigned char>(c))) return false;
    letter |= isupper(static_cast<unsigned char>(c)) != 0;
  }
  return letter;
}
static bool is_subsection(const std::string& s) { return s.back() == ':'; }
static bool is_heading(const std::string& s) {
  return !s.empty() && s[0] != ' ' && (is_section(s) || is_subsection(s));
}

// Where a "term  description" line's description starts (npos when it has none).
static size_t description_column(const std::string& s) {
  size_t term = indent_of(s);
  size_t gap = s.find("  ", term);
  if (gap == std::string::npos) return std::string::npos;
  return s.find_first_not_of(' ', gap);
}

// Whether a term set off by one space only ends at `column`: the description column the
// section's other items use, or where the next, deeper-indented line continues it.
static bool splits_at(const std::string& s, size_t column) {
  return column != std::string::npos && column > indent_of(s) && column < s.size() &&
         s[column - 1] == ' ' && s[column] != ' ';
}

// The help text as the body of a manual page, line by line.
class PageWriter {
 public:
  PageWriter(std::ostream& out, const std::vector<std::string>& lines) : out_(out), lines_(lines) {
    for (const std::string& line : lines) width_ = std::max(width_, line.size());
  }

  void write() {
    start_section(0);
    for (size_t i = 0; i < lines_.size(); i++) {
      const std::string& line = lines_[i];
      if (line.empty()) {
        end_block();
      } else if (is_heading(line)) {
        std::string title = is_subsection(line) ? line.substr(0, line.size() - 1) : line;
        if (!is_section(line)) describe();
        out_ << (is_section(line) ? ".SH " : ".SS ") << roff(title) << "\n";
        described_ = true;
        end_block();
        broken_ = false;
        start_section(i + 1);
      } else {
        write_line(i);
      }
    }
  }

 private:
  enum class Block { NONE, PROSE, ITEM, INDENTED };

  // The section from `first` to the next heading: its least indentation (its running
  // text) and the column most of its items' descriptions start at.
  void start_section(size_t first) {
    base_ = std::string::npos;
    column_ = std::string::npos;
    std::vector<size_t> columns;
    for (size_t i = first; i < lines_.size() && !is_heading(lines_[i]); i++) {
      if (lines_[i].empty()) continue;
      base_ = std::min(base_, indent_of(lines_[i]));
      size_t c = description_column(lines_[i]);
      if (c != std::string::npos) columns.push_back(c);
    }
    size_t best = 0;
    for (size_t c : columns) {
      size_t n = static_cast<size_t>(std::count(columns.begin(), columns.end(), c));
      if (n > best) best = n, column_ = c;
    }
  }

  // Text before the first section heading goes under DESCRIPTION.
  void describe() {
    if (!described_) out_ << ".SH DESCRIPTION\n";
    described_ = true;
  }

  void end_block() {
    if (block_ != Block::NONE) broken_ = true;
    block_ = Block::NONE;
  }

  void write_line(size_t i) {
    const std::string& line = lines_[i];
    size_t in = indent_of(line);
    std::string text = line.substr(in);
    describe();
    if (block_ == Block::ITEM && in > indent_) {
      out_ << roff(text) << "\n";  // continues the description above
      return;
    }
    size_t desc = in > 0 ? description_column(line) : std::string::npos;
    if (desc == std::string::npos && block_ == Block::ITEM && splits_at(line, column_))
      desc = column_;
    size_t next = i + 1 < lines_.size() && !lines_[i + 1].empty() ? indent_of(lines_[i + 1])
                                                                  : std::string::npos;
    bool deeper = in > 0 && next != std::string::npos && next > in;
    if (desc == std::string::npos && deeper && splits_at(line, next)) desc = next;
    // A term too long for the column, its description on the lines below.
    if (desc == std::string::npos && deeper && (column_ == std::string::npos || next == column_))
      desc = line.size();
    if (desc != std::string::npos) {
      std::string term = line.substr(in, desc - in);
      while (term.back() == ' ') term.pop_back();
      out_ << ".TP\n\\fB" << roff(term) << "\\fR\n";
      if (desc < line.size()) out_ << roff(line.substr(desc)) << "\n";
      block_ = Block::ITEM;
      indent_ = in;
      return;
    }
    Block kind = in <= base_ ? Block::PROSE : Block::INDENTED;
    if (block_ == kind && (kind == Block::PROSE || in == indent_)) {
      // A short line ended a line of its own in the help ("orbitale [SWITCH ...]").
      if (last_ * 5 < width_ * 3) out_ << ".br\n";
    } else {
      out_ << (kind == Block::PROSE ? (broken_ || block_ != Block::NONE ? ".PP\n" : "") : ".IP\n");
    }
    out_ << roff(text) << "\n";
    block_ = kind;
    indent_ = in;
    last_ = line.size();
    broken_ = false;
  }

  std::ostream& out_;
  const std::vector<std::string>& lines_;
  size_t width_ = 0;                   // the widest help line
  size_t base_ = 0;                    // the section's running-text indentation
  size_t column_ = std::string::npos;  // the section's description column
  Block block_ = Block::NONE;          // what the last line belonged to
  size_t indent_ = 0;                  // its indentation
  size_t last_ = 0;                    // its length
  bool broken_ = false;                // a blank line since
  bool described_ = false;             // a section heading written
};

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
      << roff(name) << " \\- " << roff(summary) << "\n";
  PageWriter(out, lines).write();
  std::cout << out.str();
  return std::cout.good() ? 0 : 1;
}
