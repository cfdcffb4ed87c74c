#include "model/file_util.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/core/file_read.h"

namespace orn {

bool FileExists(const std::string& path) {
  std::string p = path;
  if (!p.empty() && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  if (p.empty()) return false;

  // A folder, a FIFO or a device is no file; one byte read shows that the
  // file opens and is not empty.
  const FileBytes first = ReadRegularFile(p, 1);
  return first.ok() && !first.bytes.empty();
}

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RecentCaption(const std::string& path, const std::string& baseDir) {
  if (baseDir.empty()) return path;
  const std::string base = baseDir.back() == '/' ? baseDir : baseDir + "/";
  if (path.rfind(base, 0) != 0) return path;
  const std::string rest = path.substr(base.size());
  return rest.find('/') == std::string::npos ? rest : "../" + rest;
}

std::string PathKey(const std::string& path) {
  std::string s = Upper(path);
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

bool HasExtension(const std::string& path, const std::string& ext) {
  const std::string name = FileNameOf(path);
  const auto dot = name.find_last_of('.');
  return dot != std::string::npos && Upper(name.substr(dot + 1)) == Upper(ext);
}

bool HoldsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

bool IsSamplePath(const std::string& path) { return PathKey(path).find("\\STATIC\\OV") != std::string::npos; }

bool IsStandardColFile(const std::string& path) {
  const std::string name = Upper(FileNameOf(path));
  const std::string standard = "STANDARD.COL";
  return name.size() >= standard.size() && name.compare(name.size() - standard.size(), standard.size(), standard) == 0;
}

int ModelNumberOf(const std::string& path) {
  const std::string key = PathKey(path);
  auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0; };
  const std::string mod = "\\STATIC\\OVMOD";
  if (const auto p = key.find(mod); p != std::string::npos) {
    return p + mod.size() < key.size() ? digit(key[p + mod.size()]) : 0;
  }
  if (key.find("\\STATIC\\OVX") != std::string::npos && key.size() >= 5) return digit(key[key.size() - 5]);
  return 0;
}

}  // namespace orn
