#pragma once
// While it lives, the user's home is `home` (and so the Pictures folder, where
// the wallpaper folder lies, and the desktop's configuration under it); the
// variables are then put back exactly as they were, unset ones unset.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace orn::test {

class HomeFolder {
 public:
  explicit HomeFolder(const std::filesystem::path& home) {
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  }
  ~HomeFolder() {
    restore("HOME", home_);
    restore("XDG_CONFIG_HOME", config_);
  }
  HomeFolder(const HomeFolder&) = delete;
  HomeFolder& operator=(const HomeFolder&) = delete;

 private:
  static std::optional<std::string> get(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
  }
  static void restore(const char* name, const std::optional<std::string>& v) {
    if (v) ::setenv(name, v->c_str(), 1);
    else ::unsetenv(name);
  }
  std::optional<std::string> home_ = get("HOME"), config_ = get("XDG_CONFIG_HOME");
};

}  // namespace orn::test
