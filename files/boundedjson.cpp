#include "files/boundedjson.h"

#include <string>
#include <utility>
#include <vector>

#include "text/language.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

using nlohmann::json;

bool Separates(char c) {
  switch (c) {
    case ' ': case '\t': case '\n': case '\r': case ',': case ':': case '[': case ']': case '{': case '}':
      return true;
    default:
      return false;
  }
}

// Where the first text or number longer than limit bytes starts, or npos. The
// parser keeps a token whole before it hands it on; this keeps that bounded.
std::size_t FirstLongToken(std::string_view text, std::size_t limit) {
  enum class In { Between, String, Bare } in = In::Between;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in == In::String) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        in = In::Between;
      }
    } else if (c == '"') {
      in = In::String;
      start = i;
    } else if (Separates(c)) {
      in = In::Between;
    } else if (in == In::Between) {
      in = In::Bare;
      start = i;
    }
    if (in != In::Between && i + 1 - start > limit) return start;
  }
  return std::string_view::npos;
}

// Builds the document from the parser's events, counting as it goes; the
// first bound exceeded stops the parser.
class BoundedBuilder {
 public:
  BoundedBuilder(json& root, const JsonBounds& bounds, const FieldNamer& fieldName)
      : root_(root), bounds_(bounds), fieldName_(fieldName) {}

  bool null() { return Value(json(nullptr)); }
  bool boolean(bool v) { return Value(json(v)); }
  bool number_integer(json::number_integer_t v) { return Value(json(v)); }
  bool number_unsigned(json::number_unsigned_t v) { return Value(json(v)); }
  bool number_float(json::number_float_t v, const std::string&) { return Value(json(v)); }
  bool string(std::string& v) {
    if (v.size() > bounds_.maxStringBytes) return Refuse(Tr("JSON-Lesen", "Der Text") + At(LV_TR_NOOP("JSON-Lesen", "bei"), Path()) + TooLong(v.size()));
    if (!CountText(v.size())) return false;
    return Value(json(std::move(v)));
  }
  bool binary(json::binary_t&) { return Refuse(Tr("JSON-Lesen", "Die Datei enthält Binärdaten.")); }  // never in a JSON text

  bool start_object(std::size_t) { return Open(json::value_t::object); }
  bool start_array(std::size_t) { return Open(json::value_t::array); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(std::string& k) {
    if (++keys_ > bounds_.maxKeys) return Refuse(Tr("JSON-Lesen", "Die Datei hat zu viele Feldnamen") + MoreThan(bounds_.maxKeys));
    if (k.size() > bounds_.maxStringBytes) return Refuse(Tr("JSON-Lesen", "Ein Feldname") + At(LV_TR_NOOP("JSON-Lesen", "in"), Path(false)) + TooLong(k.size()));
    if (!CountText(k.size())) return false;
    auto& object = stack_.back().node->get_ref<json::object_t&>();
    const auto [at, inserted] = object.emplace(k, nullptr);
    stack_.back().key = std::move(k);
    if (!inserted) return Refuse(Filled(Tr("JSON-Lesen", "Das Feld %1 steht zweimal in der Datei."), {Quoted(Path())}));
    slot_ = &at->second;
    return true;
  }

  // `read`: the bytes the parser had read, the one it stopped at included.
  template <class Exception>
  bool parse_error(std::size_t read, const std::string&, const Exception&) {
    stoppedAt_ = read > 0 ? read - 1 : 0;
    return Refuse(Tr("JSON-Lesen", "kein gültiges JSON."));
  }

  std::size_t stoppedAt() const { return stoppedAt_; }

  const std::string& failure() const { return failure_; }

 private:
  struct Frame {
    json* node;
    std::string key;  // in an object: the field being read
  };

  std::string Quoted(const std::string& path) const {
    return fieldName_ ? fieldName_(path) : Filled(Tr("Dateifelder", "„%1“"), {ShownText(path)});
  }
  static std::string MoreThan(std::size_t n) { return Filled(Tr("JSON-Lesen", " (mehr als %1)."), {std::to_string(n)}); }
  std::string TooLong(std::size_t bytes) const {
    return Filled(Tr("JSON-Lesen", " ist zu lang (%1 Bytes, höchstens %2)."),
                  {std::to_string(bytes), std::to_string(bounds_.maxStringBytes)});
  }

  // The field being read (a list's element by its index), or with !inner the
  // object or list it is in.
  std::string Path(bool inner = true) const {
    std::string path;
    const std::size_t frames = stack_.size() - (inner || stack_.empty() ? 0 : 1);
    for (std::size_t i = 0; i < frames; ++i) {
      const Frame& f = stack_[i];
      std::string step = f.key;
      if (f.node->is_array()) step = std::to_string(f.node->size() - (i + 1 < stack_.size() ? 1 : 0));
      path += i == 0 ? step : "." + step;
    }
    return path;
  }

  // " bei „path“", or nothing for the document itself.
  std::string At(const char* preposition, const std::string& path) const {
    return path.empty() ? std::string() : std::string(" ") + Tr("JSON-Lesen", preposition) + " " + Quoted(path);
  }

  bool Refuse(std::string why) {
    if (failure_.empty()) failure_ = std::move(why);
    return false;
  }

  // Puts a value where the parser is: the document itself, a list's end or the field just named.
  json* Place(json&& v) {
    if (stack_.empty()) {
      root_ = std::move(v);
      return &root_;
    }
    json& parent = *stack_.back().node;
    if (parent.is_array()) {
      auto& list = parent.get_ref<json::array_t&>();
      list.push_back(std::move(v));
      return &list.back();
    }
    *slot_ = std::move(v);
    return slot_;
  }

  bool CountText(std::size_t bytes) {
    textBytes_ += bytes;
    if (textBytes_ <= bounds_.maxTextBytes) return true;
    return Refuse(Filled(Tr("JSON-Lesen", "Die Datei hat zu viel Text (mehr als %1 Bytes)."), {std::to_string(bounds_.maxTextBytes)}));
  }

  bool Value(json&& v) {
    if (++values_ > bounds_.maxValues) return Refuse(Tr("JSON-Lesen", "Die Datei hat zu viele Werte") + MoreThan(bounds_.maxValues));
    Place(std::move(v));
    return true;
  }

  bool Open(json::value_t kind) {
    if (stack_.size() >= static_cast<std::size_t>(bounds_.maxDepth)) {
      return Refuse(Filled(Tr("JSON-Lesen", "Die Datei ist zu tief verschachtelt (mehr als %1 Ebenen%2)."),
                           {std::to_string(bounds_.maxDepth), At(LV_TR_NOOP("JSON-Lesen", "bei"), Path())}));
    }
    if (++containers_ > bounds_.maxContainers) {
      return Refuse(Tr("JSON-Lesen", "Die Datei hat zu viele Objekte und Listen") + MoreThan(bounds_.maxContainers));
    }
    stack_.push_back(Frame{Place(json(kind)), {}});
    return true;
  }

  bool Close() {
    stack_.pop_back();
    return true;
  }

  json& root_;
  const JsonBounds& bounds_;
  const FieldNamer& fieldName_;
  std::vector<Frame> stack_;
  json* slot_ = nullptr;
  std::size_t values_ = 0;
  std::size_t containers_ = 0;
  std::size_t keys_ = 0;
  std::size_t textBytes_ = 0;
  std::size_t stoppedAt_ = std::string_view::npos;  // where the text stopped being JSON
  std::string failure_;
};

}  // namespace

std::string PlaceInText(std::string_view text, std::size_t byte) {
  const std::string_view before = text.substr(0, byte);
  const std::size_t lineStart = before.rfind('\n') + 1;  // 0 on the first line
  std::size_t line = 1;
  for (char c : before) line += c == '\n';
  // Characters, not bytes: a UTF-8 continuation byte (10xxxxxx) adds none.
  std::size_t column = 1;
  for (char c : before.substr(lineStart)) column += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return Filled(Tr("JSON-Lesen", "Zeile %1, Spalte %2"), {std::to_string(line), std::to_string(column)});
}

Outcome<json> ReadBoundedJson(std::string_view text, const JsonBounds& bounds, const FieldNamer& fieldName) {
  const std::size_t longToken = FirstLongToken(text, bounds.maxTokenBytes);
  if (longToken != std::string_view::npos) {
    return Failure{PlaceInText(text, longToken), Filled(Tr("JSON-Lesen", "ein Text oder eine Zahl ist zu lang (mehr als %1 Bytes)."),
                                                        {std::to_string(bounds.maxTokenBytes)})};
  }
  json root;
  BoundedBuilder builder(root, bounds, fieldName);
  if (!json::sax_parse(text.begin(), text.end(), &builder)) {
    if (builder.stoppedAt() == std::string_view::npos) return Failure{"", builder.failure()};
    return Failure{PlaceInText(text, builder.stoppedAt()), builder.failure()};
  }
  return Outcome<json>(std::move(root));
}

}  // namespace lamvero
