#pragma once
// English for the Qt-free tests: the catalogues in translations/ read just
// far enough to look a German text up in its context, handed to the model as
// its lookup. Holding an EnglishCatalogues makes the process English; German
// comes back when it goes.

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "text/language.h"

namespace lamvero::testing {

class EnglishCatalogues {
 public:
  EnglishCatalogues() {
    for (const char* name : {"core", "present", "study", "files", "window", "diagrams", "studies", "tools"}) {
      Read(std::string(LAMVERO_TRANSLATIONS_DIR) + "/lamvero_" + name + "_en.ts");
    }
    UseLanguage(Language::English, &LookUp);
  }
  ~EnglishCatalogues() { UseLanguage(Language::German, nullptr); }
  EnglishCatalogues(const EnglishCatalogues&) = delete;
  EnglishCatalogues& operator=(const EnglishCatalogues&) = delete;

 private:
  using Key = std::pair<std::string, std::string>;  // context, German
  static std::map<Key, std::string>& Texts() {
    static std::map<Key, std::string> texts;
    return texts;
  }
  static std::string LookUp(const char* context, const char* german) {
    const auto found = Texts().find({context, german});
    return found == Texts().end() ? std::string() : found->second;
  }

  // The text between <tag…> and </tag> from position at on; at moves past it.
  static std::string Element(const std::string& xml, const char* tag, std::size_t& at) {
    const std::size_t open = xml.find(std::string("<") + tag, at);
    const std::size_t begin = xml.find('>', open) + 1;
    const std::size_t end = xml.find(std::string("</") + tag + ">", begin);
    at = end;
    return Unescaped(xml.substr(begin, end - begin));
  }
  static std::string Unescaped(const std::string& text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#x9;", "\t"}, {"&#xa;", "\n"}, {"&amp;", "&"}};
    std::string out = text;
    for (const auto& [entity, plain] : kEntities) {
      for (std::size_t p = out.find(entity); p != std::string::npos; p = out.find(entity, p + 1)) {
        out.replace(p, std::char_traits<char>::length(entity), plain);
      }
    }
    return out;
  }
  static void Read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    for (std::size_t c = xml.find("<context>"); c != std::string::npos; c = xml.find("<context>", c + 1)) {
      std::size_t at = c;
      const std::string context = Element(xml, "name", at);
      const std::size_t contextEnd = xml.find("</context>", c);
      for (std::size_t m = xml.find("<message", at); m < contextEnd; m = xml.find("<message", m + 1)) {
        std::size_t pos = m;
        const std::string german = Element(xml, "source", pos);
        const std::string english = Element(xml, "translation", pos);
        Texts()[{context, german}] = english;
      }
    }
  }
};

}  // namespace lamvero::testing
