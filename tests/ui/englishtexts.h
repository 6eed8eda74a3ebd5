#pragma once
// A test in English that also fails when the model was asked for a German
// text its catalogues do not hold under that context: a table looked up under
// another table's context, or a text that was never marked, would otherwise
// show German in the English window unseen.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

#include "text/language.h"
#include "ui/shell/languagechoice.h"

namespace lamvero::testing {

class InEnglishWithEveryText : public ::testing::Test {
 protected:
  void SetUp() override {
    StartLanguage(Language::English);
    Missed().clear();
    UseLanguage(Language::English, &Recorded);
  }
  void TearDown() override {
    StartLanguage(Language::German);
    std::string list;
    for (const std::string& m : Missed()) list += "\n  " + m;
    EXPECT_TRUE(Missed().empty()) << "German texts without English:" << list;
  }

 private:
  static std::vector<std::string>& Missed() {
    static std::vector<std::string> missed;
    return missed;
  }
  static std::string Recorded(const char* context, const char* german) {
    std::string english = CatalogueEnglish(context, german);
    static const QRegularExpression kGerman(QStringLiteral(
        "[äöüÄÖÜß„]|\\b(der|die|das|des|und|oder|nicht|ist|mit|ein|eine|für|von|bei|pro|je|im|mom)\\b"));
    if (english.empty() && kGerman.match(QString::fromUtf8(german)).hasMatch()) {
      Missed().push_back(std::string(context) + ": " + german);
    }
    return english;
  }
};

}  // namespace lamvero::testing
