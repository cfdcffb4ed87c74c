#include "model/file_util.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace orn {

bool FileExists(const std::string& path) {
  std::string p = path;
  if (!p.empty() && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  if (p.empty()) return false;

  std::error_code ec;
  const std::filesystem::path fsPath(p);
  // A folder may open for reading on this system; it is still no file.
  if (!std::filesystem::is_regular_file(fsPath, ec) || ec) return false;
  const auto length = std::filesystem::file_size(fsPath, ec);
  if (ec || length == 0) return false;
  std::ifstream in(fsPath, std::ios::binary);
  return in.is_open();
}

}  // namespace orn
