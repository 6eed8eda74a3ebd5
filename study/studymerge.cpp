#include "study/studymerge.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "text/language.h"
#include "study/studycolumns.h"
#include "study/studypart.h"

namespace lamvero {

namespace {

// A part read: its marks, its header (CSV: the captions and the machine
// names, or only the latter as older versions wrote it) and its rows without
// their line feeds.
struct Part {
  const StudyPartText* source = nullptr;
  PartMark mark;
  std::string_view header;
  std::vector<std::string_view> rows;
  StudyEnd end;
};

// The case number a row starts with: "12,..." / "12;..." in CSV, {"case":12,...} in JSON Lines.
std::optional<std::size_t> CaseNumber(std::string_view line, StudyFormat format) {
  const std::string_view prefix = format == StudyFormat::JsonLines ? "{\"case\":" : "";
  if (line.substr(0, prefix.size()) != prefix) return std::nullopt;
  std::size_t number = 0;
  const char* begin = line.data() + prefix.size();
  const char* end = line.data() + line.size();
  const auto result = std::from_chars(begin, end, number);
  if (result.ec != std::errc() || result.ptr == begin || result.ptr == end) return std::nullopt;
  if (*result.ptr != ',' && *result.ptr != ';') return std::nullopt;
  return number;
}

// Hands out a text's lines, each ended by a line feed; a last line without
// one is a line cut off.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  // The next line, or nothing at the end or when it runs on past `limit` bytes
  // or stops without its line feed (cut() and tooLong() tell which).
  std::optional<std::string_view> next(std::size_t limit) {
    if (pos_ == text_.size()) return std::nullopt;
    const std::size_t feed = text_.find('\n', pos_);
    const std::size_t end = feed == std::string_view::npos ? text_.size() : feed;
    tooLong_ = end - pos_ > limit;
    cut_ = feed == std::string_view::npos;
    if (tooLong_ || cut_) return std::nullopt;
    const std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    ++number_;
    return line;
  }
  bool atEnd() const { return pos_ == text_.size(); }
  bool cut() const { return cut_; }
  bool tooLong() const { return tooLong_; }
  // The number of the line handed out last (from 1), or of the one refused.
  std::size_t number() const { return number_ + (cut_ || tooLong_ ? 1 : 0); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t number_ = 0;
  bool cut_ = false;
  bool tooLong_ = false;
};

std::string Shard(const StudyShard& s) { return std::to_string(s.k) + "/" + std::to_string(s.n); }

// "name, Zeile 7".
std::string LineOf(const std::string& name, std::size_t line) {
  return Filled(Tr("Studienteile", "%1, Zeile %2"), {name, std::to_string(line)});
}

// Why a line was not handed out, for the part's message.
Failure LineRefused(const std::string& name, const Lines& lines, std::size_t limit, std::size_t rows,
                    std::size_t partCases) {
  const std::string at = LineOf(name, lines.number());
  if (lines.tooLong()) {
    return Failure{at, Filled(Tr("Studienteile", "länger als jede Zeile dieser Studie (über %1 Bytes)"), {std::to_string(limit)})};
  }
  return Failure{name, Filled(Tr("Studienteile", "ohne Schlussmarke: der Teil ist abgeschnitten oder wurde nicht fertig "
                                                 "geschrieben (%1 von %2 Zeilen)"),
                              {std::to_string(rows), std::to_string(partCases)})};
}

// The end mark: the last line, complete, counting the rows the part holds.
Status CheckEnd(const Part& part, const StudyEnd& end, const Lines& lines) {
  const std::string& name = part.source->name;
  const std::string at = LineOf(name, lines.number());
  if (!lines.atEnd()) return Failure{at, Tr("Studienteile", "nach der Schlussmarke folgt noch Text")};
  if (!end.complete) {
    return Failure{name, Filled(Tr("Studienteile", "als unvollständig markiert (%1): %2 von %3 Fällen geschrieben"),
                                {end.reason.empty() ? Tr("Studienteile", "ohne Grund") : end.reason, std::to_string(end.rows),
                                 std::to_string(part.mark.partCases)})};
  }
  if (end.rows != part.rows.size() || part.rows.size() != part.mark.partCases) {
    return Failure{at, Filled(Tr("Studienteile", "die Schlussmarke zählt %1 Zeilen, der Teil hat %2 von %3"),
                              {std::to_string(end.rows), std::to_string(part.rows.size()), std::to_string(part.mark.partCases)})};
  }
  return Done{};
}

// One row: the next case of the part's shard, within the part's case count.
Status CheckRow(const Part& part, std::string_view line, std::size_t lineNumber) {
  const std::string at = LineOf(part.source->name, lineNumber);
  const std::size_t expected = part.mark.shard.caseIndex(part.rows.size()) + 1;
  if (part.rows.size() >= part.mark.partCases) {
    return Failure{at, Filled(Tr("Studienteile", "mehr Zeilen als die %1 Fälle von Teil %2"),
                              {std::to_string(part.mark.partCases), Shard(part.mark.shard)})};
  }
  const std::optional<std::size_t> number = CaseNumber(line, part.mark.format);
  if (!number) return Failure{at, Tr("Studienteile", "keine Zeile einer Studie (sie beginnt nicht mit der Fallnummer)")};
  if (*number != expected) {
    return Failure{at, Filled(Tr("Studienteile", "Fall %1 statt Fall %2 (Teil %3 rechnet jeden %4. Fall ab Fall %5)"),
                              {std::to_string(*number), std::to_string(expected), Shard(part.mark.shard),
                               std::to_string(part.mark.shard.n), std::to_string(part.mark.shard.k)})};
  }
  return Done{};
}

// A CSV part's header: the line of captions and the line of machine names, or
// the machine names alone (what older versions wrote).
Status ReadHeader(Part& part, Lines& lines) {
  const std::string& name = part.source->name;
  const std::size_t limit = part.mark.rowLimit;
  const std::optional<std::string_view> header = lines.next(limit);
  if (!header) return LineRefused(name, lines, limit, 0, part.mark.partCases);
  part.header = *header;
  if (IsStudyKeyLine(*header)) return Done{};
  const std::optional<std::string_view> keys = lines.next(limit);
  if (!keys) return LineRefused(name, lines, limit, 0, part.mark.partCases);
  if (!IsStudyKeyLine(*keys)) {
    return Failure{LineOf(name, lines.number()), Tr("Studienteile", "keine zweite Kopfzeile mit den Schlüsseln der Spalten (case, …)")};
  }
  part.header = std::string_view(header->data(), static_cast<std::size_t>(keys->data() - header->data()) + keys->size());
  return Done{};
}

Outcome<Part> ReadPart(const StudyPartText& source) {
  const std::string& name = source.name;
  if (source.text.empty()) return Failure{name, Tr("Studienteile", "die Datei ist leer (0 Bytes): kein vollständiger Teil einer Studie")};
  Part part;
  part.source = &source;
  Lines lines(source.text);
  // A first line without its end is read as far as it goes: no part, or a mark cut off.
  const std::optional<std::string_view> first = lines.next(kMaxPartMarkBytes);
  Outcome<PartMark> mark = ReadPartBegin(first ? *first : std::string_view(source.text).substr(0, 64));
  if (!mark) return Failure{name, mark.failure().reason};
  part.mark = std::move(mark).value();
  const std::size_t limit = part.mark.rowLimit;
  if (part.mark.format == StudyFormat::Csv) {
    if (const Status header = ReadHeader(part, lines); !header) return header.failure();
  }
  while (const std::optional<std::string_view> line = lines.next(limit)) {
    if (std::optional<Outcome<StudyEnd>> end = ReadPartEnd(*line, part.mark.format)) {
      if (!*end) return Failure{LineOf(name, lines.number()), end->failure().reason};
      if (const Status ended = CheckEnd(part, end->value(), lines); !ended) return ended.failure();
      part.end = end->value();
      return part;
    }
    if (const Status row = CheckRow(part, *line, lines.number()); !row) return row.failure();
    part.rows.push_back(*line);
  }
  return LineRefused(name, lines, limit, part.rows.size(), part.mark.partCases);
}

// Whether part belongs to the same study as the first, split the same way.
Status SameStudy(const Part& first, const Part& part) {
  const std::string& name = part.source->name;
  if (part.mark.study != first.mark.study) {
    return Failure{name, Filled(Tr("Studienteile", "gehört zu einer anderen Studie als %1 (%2)"),
                                {first.source->name, FingerprintDifference(first.mark.study, part.mark.study)})};
  }
  if (part.mark.shard.n != first.mark.shard.n) {
    return Failure{name, Filled(Tr("Studienteile", "ist Teil %1, %2 aber Teil %3: die Studie ist verschieden geteilt"),
                                {Shard(part.mark.shard), first.source->name, Shard(first.mark.shard)})};
  }
  if (part.header != first.header) return Failure{name, Tr("Studienteile", "die Kopfzeile weicht von der des ersten Teils ab")};
  return Done{};
}

// Every shard once, in the order K = 1 .. N.
Outcome<std::vector<const Part*>> ByShard(const std::vector<Part>& parts) {
  std::vector<const Part*> byShard(parts.front().mark.shard.n, nullptr);
  for (const Part& part : parts) {
    const Part*& slot = byShard[part.mark.shard.k - 1];
    if (slot) {
      return Failure{part.source->name, Filled(Tr("Studienteile", "Teil %1 kommt zweimal vor (auch %2)"),
                                               {Shard(part.mark.shard), slot->source->name})};
    }
    slot = &part;
  }
  for (std::size_t k = 1; k <= byShard.size(); ++k) {
    if (!byShard[k - 1]) {
      const StudyShard missing{k, byShard.size()};
      std::string cases = Filled(Tr("Studienteile", "Fall %1"), {std::to_string(k)});
      if (missing.caseCount(parts.front().mark.studyCases) > 1) cases += ", " + std::to_string(k + byShard.size()) + ", …";
      if (missing.caseCount(parts.front().mark.studyCases) == 0) cases = Tr("Studienteile", "keine Fälle");
      return Failure{"", Filled(Tr("Studienteile", "Teil %1 fehlt (%2)"), {Shard(missing), cases})};
    }
  }
  return byShard;
}

}  // namespace

Outcome<MergedStudy> MergeStudyParts(const std::vector<StudyPartText>& sources) {
  if (sources.empty()) return Failure{"", Tr("Studienteile", "keine Dateien angegeben")};
  std::vector<Part> parts;
  parts.reserve(sources.size());
  for (const StudyPartText& source : sources) {
    Outcome<Part> part = ReadPart(source);
    if (!part) return part.failure();
    if (!parts.empty()) {
      if (const Status same = SameStudy(parts.front(), part.value()); !same) return same.failure();
    }
    parts.push_back(std::move(part).value());
  }
  const Outcome<std::vector<const Part*>> byShard = ByShard(parts);
  if (!byShard) return byShard.failure();
  MergedStudy merged;
  merged.cases = parts.front().mark.studyCases;
  if (parts.front().mark.format == StudyFormat::Csv) merged.text = std::string(parts.front().header) + "\n";
  const std::vector<const Part*>& shards = byShard.value();
  for (std::size_t c = 0; c < merged.cases; ++c) {
    merged.text.append(shards[c % shards.size()]->rows[c / shards.size()]).push_back('\n');
  }
  for (const Part& part : parts) merged.incomplete += part.end.incomplete;
  return merged;
}

namespace {

// What a path names, when it is no file a part can be read from.
std::optional<std::string> NotAFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return Filled(Tr("Studienteile", "die Datei kann nicht gelesen werden (%1)"), {std::strerror(errno)});
  }
  if (S_ISDIR(info.st_mode)) return Tr("Studienteile", "ist ein Ordner, keine Datei eines Teils");
  if (!S_ISREG(info.st_mode)) {
    return Tr("Studienteile", "ist keine gewöhnliche Datei (FIFO, Gerät oder Socket); ein Teil ist eine Datei, die --shard K/N "
                              "geschrieben hat");
  }
  return std::nullopt;
}

// Appends to text what the file holds, at most until text is longer than
// limit or, with stopAtLine, until it holds a line feed. False on a read error.
bool ReadUpTo(std::FILE* file, std::string& text, std::size_t limit, bool stopAtLine) {
  char buffer[1 << 16];
  while (text.size() <= limit) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
    const std::size_t searchFrom = text.size();
    text.append(buffer, got);
    if (got < sizeof buffer) return std::ferror(file) == 0;
    if (stopAtLine && text.find('\n', searchFrom) != std::string::npos) return true;
    if (stopAtLine && !StartsLikePart(text)) return true;  // not a part: no need to read on
  }
  return true;
}

}  // namespace

Outcome<StudyPartText> ReadStudyPartFile(const std::string& path) {
  if (const std::optional<std::string> why = NotAFile(path)) return Failure{path, *why};
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return Failure{path, Filled(Tr("Studienteile", "die Datei kann nicht gelesen werden (%1)"), {std::strerror(errno)})};
  StudyPartText part{path, {}};
  const Failure unreadable{path, Tr("Studienteile", "die Datei kann nicht gelesen werden")};
  if (!ReadUpTo(file.get(), part.text, kMaxPartMarkBytes, true)) return unreadable;
  const std::size_t feed = part.text.find('\n');
  if (feed == std::string::npos || !StartsLikePart(part.text)) return part;  // the merge says what is wrong
  const Outcome<PartMark> mark = ReadPartBegin(std::string_view(part.text).substr(0, feed));
  if (!mark) return part;
  // The mark, the header's two lines and the rows, each at most a row's limit, and the end mark.
  const std::size_t limit = feed + 1 + (mark->partCases + 3) * (mark->rowLimit + 1);
  if (!ReadUpTo(file.get(), part.text, limit, false)) return unreadable;
  if (part.text.size() > limit) {
    return Failure{path, Filled(Tr("Studienteile", "länger, als ein Teil mit %1 Fällen sein kann (über %2 Bytes)"),
                                {std::to_string(mark->partCases), std::to_string(limit)})};
  }
  return part;
}

}  // namespace lamvero
