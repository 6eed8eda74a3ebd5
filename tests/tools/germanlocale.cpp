// The runner speaks the language of the machine's locale, and these tests read
// its German: every runner they start gets a German locale, whatever the
// locale the tests run under. A test in English says --lang en or sets LANG
// for its runner.

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class GermanLocale : public ::testing::Environment {
 public:
  void SetUp() override {
    ::setenv("LANG", "C.UTF-8", 1);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
  }
};

const ::testing::Environment* const kGermanLocale = ::testing::AddGlobalTestEnvironment(new GermanLocale);

}  // namespace
