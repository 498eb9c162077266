// A temporary folder for one test, removed with everything in it afterwards,
// and small helpers to put files into it and read them back as bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Full path of a file in the folder.
  std::string file(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
};

// Whole-file helpers for absolute or relative paths.
void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

// Little-endian 16-bit samples as bytes, and back.
std::string le16_bytes(const std::vector<int16_t>& samples);
std::vector<int16_t> le16_samples(const std::string& bytes);
// One value a line, as the ASCII file mode holds it.
std::string ascii_lines(const std::vector<int>& values);
