#pragma once
// Shared by the tests on picture files: a byte builder for hand-made files,
// a scratch folder and file dialogs that answer from a script.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "model/file_dialogs.h"
#include "platform/core/scratch_folder.h"

namespace orn::test {

// Little-endian 32-bit floats, one after another, as a picture file holds them.
struct Bytes {
  std::vector<std::uint8_t> b;
  Bytes& f(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
    return *this;
  }
  Bytes& fs(std::initializer_list<float> vs) { for (float v : vs) f(v); return *this; }
  Bytes& zeros(int n) { for (int k = 0; k < n; ++k) f(0.0f); return *this; }
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// File dialogs that answer from a script; an empty string stands for Cancel.
class ScriptedDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& r) override {
    openRequests.push_back(r);
    return next(opens);
  }
  std::optional<std::string> saveFile(const FileDialogRequest& r) override {
    saveRequests.push_back(r);
    return next(saves);
  }
  // An empty string in a script stands for Cancel.
  std::deque<std::string> opens, saves;
  std::vector<FileDialogRequest> openRequests, saveRequests;

 private:
  static std::optional<std::string> next(std::deque<std::string>& q) {
    if (q.empty()) return std::nullopt;
    std::string s = q.front();
    q.pop_front();
    if (s.empty()) return std::nullopt;
    return s;
  }
};

}  // namespace orn::test
