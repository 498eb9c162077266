// In-process runs of the two programs for the fuzz targets, with the checks
// every run must pass: a defined exit code and no file descriptor left open.
#include "fuzz/fuzz_run.h"

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

std::string workDir;

// Files that the command-line targets find in their work folder.
const std::map<std::string, std::string>& seed_files() {
  static const std::map<std::string, std::string> files = [] {
    std::map<std::string, std::string> f;
    f["in.asc"] = "1\n-2\n300\n0x10\n017\n-32768\n32767\n5\n";
    f["in.fas"] = "0.5 -1.25e3 nan inf 3\n";
    f["in.ahx"] = "d5 55 1d5 0 ff\n";
    f["in.io"] = "0012 -0012 000 -000 +012 70000\n";
    std::string voc;
    for (int i = 0; i < 64; ++i) voc += static_cast<char>(i * 37), voc += static_cast<char>(i);
    f["in.voc"] = voc;
    f["in.ala"] = voc;
    f["in.pcm"] = voc;
    f["in.dev"] = voc;
    std::string wav(
        "RIFF\x44\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\x80\0\0\0", 44);
    f["in.wav"] = wav + voc;
    std::string nist =
        "NIST_1A\n   1024\nspeaker_id -s3 abc\ntransliteration -s11 hello world\n"
        "sample_rate -i 16000\nsample_count -i 64\nend_head\n";
    nist.resize(1024, ' ');
    f["in.nis"] = nist + voc;
    f["in.htk"] = std::string("\x40\0\0\0\x71\x02\0\0\x02\0\x00\x00", 12) + voc;
    f["in.sam"] = std::string(512, 'h') + voc;
    f["in.mat"] = std::string(20, '\x01') + voc;
    f["esps.lab"] = "signal x\n#\n0.001 121 a\n0.003 121 b\n0.005 121 end\n";
    f["sam.lab"] = "LHD: x\nSAM: 16000\nNCH: 1\nLB0: 16, 24, 48, hello\r\n";
    f["desc"] = "<name> mine <data> short <binary>\n";
    f["descf"] = "<name> f <data> float <ascii>\n";
    f["len.txt"] = "40\n";
    return f;
  }();
  return files;
}

// Removes the files of the work folder, the seed files too unless `keepSeeds`.
void remove_all_files(bool keepSeeds) {
  DIR* folder = opendir(workDir.c_str());
  if (folder == nullptr) abort();
  std::vector<std::string> others;
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != ".." && !(keepSeeds && seed_files().count(name) != 0)) others.push_back(name);
  }
  closedir(folder);
  for (const std::string& name : others) {
    const std::string path = workDir + name;
    if (unlink(path.c_str()) != 0) rmdir(path.c_str());
  }
}

int open_descriptors() {
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) abort();
  int count = 0;
  while (readdir(folder) != nullptr) ++count;
  closedir(folder);
  return count;
}

// At exit the work folder goes, with whatever a run left in it.
void remove_work_dir() {
  remove_all_files(false);
  rmdir(workDir.c_str());
}

}  // namespace

int run_checked(int (*programMain)(int, char**), int highestCode, const std::vector<std::string>& args) {
  // libFuzzer installs its own handler after the setup; a file that reaches
  // the size limit must give a write error, not a signal.
  static const bool ignoreSizeSignal = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  (void)ignoreSizeSignal;
  std::vector<std::string> words = args;
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int openBefore = open_descriptors();
  const int code = programMain(static_cast<int>(words.size()), argv.data());
  if (code < 0 || code > highestCode) {
    fprintf(stderr, "exit code %d\n", code);
    __builtin_trap();
  }
  if (open_descriptors() != openBefore) {
    fprintf(stderr, "a file was left open\n");
    __builtin_trap();
  }
  clearerr(stdin);
  return code;
}

void fuzz_setup() {
  if (!freopen("/dev/null", "w", stdout)) abort();
  if (!freopen("/dev/null", "r", stdin)) abort();
  const rlimit limit{1 << 20, 1 << 20};
  setrlimit(RLIMIT_FSIZE, &limit);
  std::string pattern =
      access("/dev/shm", W_OK) == 0 ? "/dev/shm/sndconv-fuzz-XXXXXX" : "/tmp/sndconv-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) abort();
  workDir = pattern + "/";
  atexit(remove_work_dir);
}

const std::string& work_dir() { return workDir; }

std::string write_work_file(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = workDir + name;
  FILE* file = fopen(path.c_str(), "wb");
  if (file == nullptr) abort();
  if (size > 0 && fwrite(data, 1, size, file) != size) abort();
  fclose(file);
  return path;
}

std::string write_work_file(const std::string& name, const std::string& text) {
  return write_work_file(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

FuzzInput split_flags(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  return {data[0], data + 1, size - 1};
}

void add_verbose(std::vector<std::string>& args, bool on) {
  if (on) args.push_back("-v");
}

std::string output_choice(uint8_t flags) {
  static const char* const names[] = {"-", "o.voc", "o.wav", "o.asc", "o.fas", "o.sam", "o.ahx", "o.asm"};
  const char* name = names[(flags >> 5) & 7];
  return name[0] == '-' ? name : workDir + name;
}

std::vector<std::string> words_of(const uint8_t* data, size_t size, size_t maxWords) {
  std::vector<std::string> words(1);
  for (size_t i = 0; i < size && words.size() <= maxWords; ++i) {
    if (data[i] == 0 || data[i] == '\n')
      words.emplace_back();
    else
      words.back().push_back(static_cast<char>(data[i]));
  }
  if (words.size() > maxWords) words.resize(maxWords);
  for (std::string& word : words)
    if (word.find('/') != std::string::npos) word = "x";
  return words;
}

void lay_seed_files() {
  for (const auto& [name, text] : seed_files()) write_work_file(name, text);
}

void remove_other_files() { remove_all_files(true); }
