#include "study/casetable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "text/language.h"
#include "study/studyaxis.h"
#include "text/csvformat.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

Failure Refused(const std::string& where, const std::string& why) { return Failure{where, why}; }

// Builds the table from the file's lines, handed over one at a time.
class TableLines {
 public:
  explicit TableLines(std::string name) : name_(std::move(name)) {}

  // The next line of the file, without its LF.
  Status add(std::string_view line);
  // The line being read is longer than a table's line may be.
  Failure tooLong() const;
  Outcome<CaseTable> finish();

 private:
  std::string at() const { return Filled(Tr("Falltabelle", "%1, Zeile %2"), {name_, std::to_string(number_)}); }
  Status header(const std::string& line);
  Status row(const std::string& line);

  std::string name_;
  std::size_t number_ = 0;  // of the line last added
  bool headerRead_ = false;
  char separator_ = 0;
  CaseTable table_;
};

Status TableLines::add(std::string_view line) {
  if (++number_ == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
  std::string text(line);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  if (Trimmed(text).empty()) return Done{};
  return headerRead_ ? row(text) : header(text);
}

Failure TableLines::tooLong() const {
  return Refused(Filled(Tr("Falltabelle", "%1, Zeile %2"), {name_, std::to_string(number_ + 1)}),
                 Filled(Tr("Falltabelle", "die Zeile ist länger als %1 Zeichen; eine Falltabelle hat je Zeile einen Fall "
                                          "aus höchstens 18 Zahlen"),
                        {std::to_string(kMaxCaseTableLineBytes)}));
}

Status TableLines::header(const std::string& line) {
  headerRead_ = true;
  separator_ = line.find(';') != std::string::npos ? ';' : line.find(',') != std::string::npos ? ',' : 0;
  const std::optional<std::vector<std::string>> names = SplitCsvLine(line, separator_);
  if (!names) return Refused(at(), Tr("Falltabelle", "ein Anführungszeichen ist nicht geschlossen"));
  for (const std::string& raw : *names) {
    const std::string box = Trimmed(raw);
    bool known = false;
    for (const InputField& f : InputFields()) {
      if (box == f.box) {
        table_.columns.push_back(f.id);
        known = true;
      }
    }
    if (!known) {
      std::string fields;
      for (const InputField& f : InputFields()) fields += std::string(" ") + f.box;
      return Refused(at(), Filled(Tr("Falltabelle", "unbekanntes Eingabefeld \"%1\" in der Kopfzeile; erwartet eines von:%2"),
                                  {ShownText(box), fields}));
    }
  }
  return Done{};
}

Status TableLines::row(const std::string& line) {
  if (table_.rows.size() == kMaxStudyCases) {
    return Refused(at(), Filled(Tr("Falltabelle", "mehr als %1 Fälle; so viele rechnet eine Studie nicht"), {std::to_string(kMaxStudyCases)}));
  }
  std::optional<std::vector<std::string>> row = SplitCsvLine(line, separator_);
  if (!row) return Refused(at(), Tr("Falltabelle", "ein Anführungszeichen ist nicht geschlossen"));
  if (row->size() != table_.columns.size()) {
    return Refused(at(), Filled(Tr("Falltabelle", "%1 Werte, die Kopfzeile hat %2 Felder"),
                                {std::to_string(row->size()), std::to_string(table_.columns.size())}) +
                             (separator_ == ',' ? Tr("Falltabelle", " (Dezimalkomma in Anführungszeichen setzen oder ; trennen)")
                                                : std::string()));
  }
  for (std::size_t c = 0; c < row->size(); ++c) {
    std::string& cell = (*row)[c];
    cell = Trimmed(cell);
    if (!cell.empty() && !IsPlainNumber(cell)) {
      return Refused(at(), Filled(Tr("Falltabelle", "%1 = \"%2\" ist keine Zahl"), {FieldOf(table_.columns[c]).box, ShownText(cell)}));
    }
  }
  table_.rows.push_back(std::move(*row));
  return Done{};
}

Outcome<CaseTable> TableLines::finish() {
  if (!headerRead_) {
    return Refused(name_, Tr("Falltabelle", "die Datei ist leer; erwartet eine Kopfzeile mit Feldnamen (z. B. txt_Dicke)"));
  }
  if (table_.rows.empty()) return Refused(name_, Tr("Falltabelle", "die Datei enthält nach der Kopfzeile keinen Fall"));
  return std::move(table_);
}

// Closes the file it holds.
struct OpenFile {
  int fd = -1;
  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

// Hands the lines of fd to `lines` as they are read, none longer than a table's line.
Status ReadLines(int fd, TableLines& lines, const std::string& name) {
  std::vector<char> buffer(1 << 16);
  std::string line;
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refused(name, Tr("Falltabelle", "die Falltabelle kann nicht gelesen werden"));
    if (got == 0) break;
    for (const char *from = buffer.data(), *end = buffer.data() + got; from < end;) {
      const char* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
      line.append(from, lf ? lf : end);
      if (line.size() > kMaxCaseTableLineBytes) return lines.tooLong();
      if (!lf) break;
      if (const Status added = lines.add(line); !added) return added;
      line.clear();
      from = lf + 1;
    }
  }
  return line.empty() ? Status(Done{}) : lines.add(line);
}

// The table in an open file; a device or a pipe is refused before it is read.
Outcome<CaseTable> ReadOpenFile(int fd, const std::string& name, bool anyStream) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return Refused(name, Tr("Falltabelle", "die Falltabelle kann nicht gelesen werden"));
  if (S_ISDIR(st.st_mode)) return Refused(name, Tr("Falltabelle", "das ist ein Ordner, keine Falltabelle"));
  if (!anyStream && !S_ISREG(st.st_mode)) {
    return Refused(name, Tr("Falltabelle", "das ist keine gewöhnliche Datei (ein Gerät oder eine Pipe); eine Falltabelle von der "
                                           "Standardeingabe liest --cases -"));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  TableLines lines(name);
  if (const Status read = ReadLines(fd, lines, name); !read) return read.failure();
  return lines.finish();
}

}  // namespace

Outcome<CaseTable> ParseCaseTable(std::string_view text, const std::string& name) {
  TableLines lines(name);
  for (std::size_t from = 0; from < text.size();) {
    std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    if (end - from > kMaxCaseTableLineBytes) return lines.tooLong();
    if (const Status added = lines.add(text.substr(from, end - from)); !added) return added.failure();
    from = end + 1;
  }
  return lines.finish();
}

Outcome<CaseTable> ReadCaseTable(const std::string& path) {
  if (path == "-") return ReadOpenFile(STDIN_FILENO, "stdin", true);
  // Without a writer, opening a FIFO would wait for one: it opens at once and is refused.
  const OpenFile file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) return Refused(path, Tr("Falltabelle", "die Falltabelle kann nicht gelesen werden"));
  return ReadOpenFile(file.fd, path, false);
}

}  // namespace lamvero
