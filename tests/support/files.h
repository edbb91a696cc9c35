// Whole-file byte access for tests: read a file's bytes, write bytes to a file.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace kvo::testing {

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Spit(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace kvo::testing
