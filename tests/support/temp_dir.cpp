// Temporary test folders and whole-file helpers for the tests.
// Folders are made with mkdtemp and removed recursively.
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "sndtest.XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return path_ + "/" + name; }
void TempDir::write(const std::string& name, const std::string& bytes) const {
  write_file(file(name), bytes);
}
std::string TempDir::read(const std::string& name) const { return read_file(file(name)); }
bool TempDir::exists(const std::string& name) const { return file_exists(file(name)); }

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool file_exists(const std::string& path) { return std::filesystem::exists(path); }

std::string le16_bytes(const std::vector<int16_t>& samples) {
  std::string bytes;
  for (int16_t s : samples) {
    auto u = static_cast<uint16_t>(s);
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

std::vector<int16_t> le16_samples(const std::string& bytes) {
  std::vector<int16_t> samples;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto lo = static_cast<uint8_t>(bytes[i]);
    auto hi = static_cast<uint8_t>(bytes[i + 1]);
    samples.push_back(static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8))));
  }
  return samples;
}

std::string ascii_lines(const std::vector<int>& values) {
  std::string text;
  for (int v : values) text += std::to_string(v) + "\n";
  return text;
}
