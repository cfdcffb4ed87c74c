// The home folder the program settles on before it looks for its folder.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/program_folder.h"

namespace orn {
namespace {

// HOME as the test found it, put back at the end.
class HomeVariable : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* home = std::getenv("HOME")) saved_ = home;
  }
  void TearDown() override {
    if (saved_) {
      ::setenv("HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("HOME");
    }
  }
  std::optional<std::string> saved_;
};

// Without HOME, or with a relative one that would name a folder under
// wherever the program was started from, the home is the account's own; an
// absolute HOME is the user's choice and stays.
TEST_F(HomeVariable, AMissingOrRelativeHomeBecomesTheAccountsOwn) {
  const passwd* account = ::getpwuid(::geteuid());
  ASSERT_NE(account, nullptr);
  for (const char* value : {static_cast<const char*>(nullptr), "", "relhome", "./relhome"}) {
    if (value == nullptr) {
      ::unsetenv("HOME");
    } else {
      ::setenv("HOME", value, 1);
    }
    settleHomeFolder();
    ASSERT_NE(std::getenv("HOME"), nullptr);
    EXPECT_EQ(std::string(std::getenv("HOME")), account->pw_dir) << (value ? value : "unset");
  }
  ::setenv("HOME", "/somewhere/else", 1);
  settleHomeFolder();
  EXPECT_EQ(std::string(std::getenv("HOME")), "/somewhere/else");
}

}  // namespace
}  // namespace orn
