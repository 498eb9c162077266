// No data lost: inputs are never outputs, output names land where they say,
// outputs of a stopped or interrupted run are complete, counts pass 2^31.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/driver/sndconv_fixture.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::vector<int16_t> safety_ramp(int count) {
  std::vector<int16_t> samples;
  for (int i = 0; i < count; ++i) samples.push_back(static_cast<int16_t>(i * 7 - 9000));
  return samples;
}

class DataSafetyTest : public SndconvTest {
 protected:
  // Refused with the name on standard error, and the input left as it was.
  void expect_refused(const std::vector<std::string>& args, const std::string& name) {
    const std::string before = dir.read("in.voc");
    const ProgramResult r = sndconv(args);
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_EQ(r.err, name + ": is also an input file\n");
    EXPECT_EQ(dir.read("in.voc"), before) << "input changed by: " << args.back();
  }

  // The samples of an MS-wav file as sox and python's wave module read them;
  // each peer that is installed must agree with `expected`.
  void expect_peers_read(const std::string& wav, const std::vector<int16_t>& expected) {
    const std::string sox = find_program("sox"), python = find_program("python3");
    if (sox.empty() && python.empty()) GTEST_SKIP() << "neither sox nor python3 is installed";
    if (!sox.empty()) {
      const ProgramResult r = run_program(
          sox, {wav, "-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "peer.raw"}, dir.path());
      EXPECT_EQ(r.code, 0) << r.err;
      EXPECT_EQ(le16_samples(dir.read("peer.raw")), expected) << "as sox reads " << wav;
    }
    if (!python.empty()) {
      const ProgramResult r = run_program(
          python,
          {"-c",
           "import sys,wave\nw=wave.open(sys.argv[1])\nsys.stdout.buffer.write(w.readframes(w.getnframes()))",
           wav},
          dir.path());
      EXPECT_EQ(r.code, 0) << r.err;
      EXPECT_EQ(le16_samples(r.out), expected) << "as python's wave reads " << wav;
    }
  }
};

TEST_F(DataSafetyTest, EveryWayOfNamingAnInputAsOutputIsRefused) {
  dir.write("in.voc", le16_bytes(safety_ramp(3000)));
  fs::create_symlink("in.voc", dir.file("link.voc"));
  fs::create_hard_link(dir.file("in.voc"), dir.file("hard.voc"));
  expect_refused({"in.voc", "in.voc"}, "in.voc");
  expect_refused({"in.voc", "./in.voc"}, "./in.voc");
  expect_refused({"in.voc", "link.voc"}, "link.voc");
  expect_refused({"in.voc", "hard.voc"}, "hard.voc");
  expect_refused({"in.voc", ".voc"}, "in.voc");
  expect_refused({"-lfo", "in.voc", "in.voc", "out.asc"}, "in.voc");
  expect_refused({"-LF", "in.voc", "in.voc", "out.asc"}, "in.voc");
  fs::copy_file(dir.file("in.voc"), dir.file("x_c1.voc"));
  expect_refused({"-nc", "2", "x_c1.voc", "x.mul"}, "x_c1.voc");
  fs::copy_file(dir.file("in.voc"), dir.file("t#7.voc"));
  expect_refused({"-cm_tr", "t", "-cm_id", "7", "t#7.voc", ".voc"}, "t#7.voc");
  EXPECT_EQ(dir.read("t#7.voc"), dir.read("hard.voc"));
  // Refused before anything is written: no label output, no channel file.
  EXPECT_FALSE(dir.exists("x_c0.voc"));
  dir.write("length.txt", "3000\n");
  expect_refused({"-LI", "length.txt", "-o", ".voc", "in.voc", "length.txt"}, "length.txt");
  // The length file may take its count back.
  EXPECT_EQ(sndconv({"-LI", "length.txt", "-L", "in.voc", "-"}).code, 0);
  EXPECT_EQ(dir.read("length.txt"), "3000\n");
}

TEST_F(DataSafetyTest, PathsBeginningWithADotAreUsedAsGiven) {
  fs::create_directory(dir.file("sub"));
  dir.write("sub/in.voc", le16_bytes(safety_ramp(100)));
  const std::string sub = dir.file("sub");
  EXPECT_EQ(run_program(SNDCONV_BIN, {"in.voc", "./copy.voc"}, sub).code, 0);
  EXPECT_EQ(run_program(SNDCONV_BIN, {"in.voc", "../up.voc"}, sub).code, 0);
  EXPECT_EQ(dir.read("sub/copy.voc"), dir.read("sub/in.voc"));
  EXPECT_EQ(dir.read("up.voc"), dir.read("sub/in.voc"));
  // A bare extension still takes the input's name.
  EXPECT_EQ(run_program(SNDCONV_BIN, {"in.voc", ".asc"}, sub).code, 0);
  EXPECT_TRUE(dir.exists("sub/in.asc"));
}

TEST_F(DataSafetyTest, NamesFromAHostileNistHeaderStayInTheOutputFolder) {
  std::string header =
      "NIST_1A\n   1024\nspeaker_id -s3 /\t.\ntransliteration -s17 ../../escape/x\n"
      "sample_rate -i 8000\nsample_count -i 2\nend_head\n";
  header.resize(1024, ' ');
  dir.write("in.nis", header + le16_bytes({5, -5}));
  fs::create_directories(dir.file("a/out"));
  const std::string out = convert({"-cm", "in.nis", "a/out/.voc"});
  EXPECT_NE(out.find("id: __.\ntr: .._.._escape_x\n"), std::string::npos) << out;
  EXPECT_EQ(dir.read("a/out/.._.._escape_x#__..voc"), le16_bytes({5, -5}));
  EXPECT_FALSE(fs::exists(dir.file("escape")));
}

TEST_F(DataSafetyTest, AStopHalfWayLeavesAWavWithTheSamplesWritten) {
  std::string text;
  for (int i = 1; i < 5000; ++i) text += std::to_string(i) + "\n";
  dir.write("in.asc", text + "x\n");
  const ProgramResult r = sndconv({"in.asc", "out.wav"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("unrecognizable input in file in.asc at value 4999\n"), std::string::npos);
  // Four whole blocks were written; the block in progress is dropped.
  std::vector<int16_t> written;
  for (int i = 1; i <= 4000; ++i) written.push_back(static_cast<int16_t>(i));
  expect_peers_read("out.wav", written);
}

TEST_F(DataSafetyTest, AFullDiskLeavesAWavWithTheSamplesThatFit) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
  fs::create_directory(dir.file("small"));
  if (system(("mount -t tmpfs -o size=64k tmpfs " + dir.file("small") + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "cannot mount a small tmpfs here";
  const std::vector<int16_t> samples = safety_ramp(100000);
  dir.write("in.voc", le16_bytes(samples));
  const ProgramResult r = sndconv({"in.voc", "small/out.wav"});
  fs::copy_file(dir.file("small/out.wav"), dir.file("out.wav"));
  EXPECT_EQ(system(("umount " + dir.file("small")).c_str()), 0);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "small/out.wav: No space left on device\n");
  const size_t stored = (fs::file_size(dir.file("out.wav")) - 44) / 2;
  ASSERT_GT(stored, 1000u);
  expect_peers_read("out.wav", std::vector<int16_t>(samples.begin(), samples.begin() + stored));
}

// sndconv reading standard input from a pipe that stays open and quiet after
// `text`, until the signal arrives.
ProgramResult interrupt_reading_pipe(const std::string& dir, const std::string& text, int signal) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  posix_spawn_file_actions_addopen(&actions, 1, (dir + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, (dir + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  std::vector<std::string> words{SNDCONV_BIN, "--", "out.wav"};
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, SNDCONV_BIN, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[0]);
  if (rc != 0) return {};
  EXPECT_EQ(write(fds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  int unread = 1;
  for (int wait = 0; wait < 500 && unread > 0; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ioctl(fds[1], FIONREAD, &unread) != 0) unread = 0;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  kill(pid, signal);
  int status = 0;
  // A signal that does not end the read leaves the program waiting: kill it.
  for (int wait = 0; wait < 300 && waitpid(pid, &status, WNOHANG) == 0; ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (kill(pid, 0) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  close(fds[1]);
  ProgramResult result;
  result.out = read_file(dir + "/stdout");
  result.err = read_file(dir + "/stderr");
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

TEST_F(DataSafetyTest, InterruptedRunsLeaveAWavWithTheSamplesConverted) {
  std::string text;
  std::vector<int16_t> samples;
  for (int i = 0; i < 5000; ++i) {
    samples.push_back(static_cast<int16_t>(i - 2500));
    text += std::to_string(i - 2500) + "\n";
  }
  for (const int signal : {SIGINT, SIGTERM}) {
    const ProgramResult r = interrupt_reading_pipe(dir.path(), text, signal);
    EXPECT_EQ(r.code, 128 + signal);
    EXPECT_EQ(r.err, "interrupted\n");
    EXPECT_EQ(r.out.find("nsample"), std::string::npos) << "no report after an interruption";
    expect_peers_read("out.wav", samples);
  }
}

TEST_F(DataSafetyTest, CountsAndPositionsPassTwoToThe31) {
  // tmpfs reads a hole as fast as memory, so 2^31 samples take well under a second.
  struct stat shm;
  if (stat("/dev/shm", &shm) != 0 || !S_ISDIR(shm.st_mode)) GTEST_SKIP() << "no /dev/shm for a sparse file";
  TempDir fast;
  const std::string sparse = "/dev/shm/" + fs::path(fast.path()).filename().string() + ".voc";
  { std::ofstream create(sparse); }
  fs::resize_file(sparse, 2 * 2147483700ull);
  const ProgramResult r = sndconv({"-ns", sparse, "-"});
  const ProgramResult cut = sndconv({"-L", "-at", "268435.375", "-r", "8000", sparse, "-"});
  const ProgramResult limit = sndconv({"-ns", "-l", "2147483690", "-hs", "5", sparse, "-"});
  const ProgramResult counted = sndconv({"-ns", "-L", "-LF", "n.txt", sparse, "-"});
  fs::remove(sparse);
  EXPECT_NE(r.out.find(nsample_line(2147483700, 268435.4625)), std::string::npos) << r.out;
  EXPECT_EQ(cut.out, "skip_size = 2147483000\n700\n");
  EXPECT_NE(limit.out.find(nsample_line(2147483690, 268435.46125)), std::string::npos) << limit.out;
  EXPECT_EQ(counted.out, "2147483700\n");
  EXPECT_EQ(dir.read("n.txt"), "2147483700\n");

  // A declared length beyond the header's 32-bit fields: both say "unknown"
  // where the header stays as first written (a pipe).
  dir.write("in.voc", le16_bytes({1, 2}));
  ASSERT_EQ(mkfifo(dir.file("pipe.wav").c_str(), 0600), 0);
  const ProgramResult piped = run_program("/bin/sh",
                                          {"-c", std::string("cat pipe.wav > got.wav & ") + SNDCONV_BIN +
                                                     " -le 3000000000 in.voc pipe.wav; wait"},
                                          dir.path());
  EXPECT_EQ(piped.code, 0) << piped.err;
  const std::string header = dir.read("got.wav").substr(0, 44);
  EXPECT_EQ(header.substr(4, 4), std::string(4, '\xff'));
  EXPECT_EQ(header.substr(40, 4), std::string(4, '\xff'));
}

TEST_F(DataSafetyTest, ChannelCountsFromLabelFilesAreCheckedBeforeAnyOutput) {
  dir.write("in.voc", le16_bytes(safety_ramp(100)));
  dir.write("lab.sam", "LHD: x\nNCH: 3000\n");
  const ProgramResult r = sndconv({"-lf", "lab.sam", "in.voc", "x.mul"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("Sorry, can not do multi channel,  BUFSIZE = 1000, leaves rest of 1000\n"),
            std::string::npos);
  EXPECT_FALSE(dir.exists("x_c0.voc"));
}

#if !defined(__SANITIZE_ADDRESS__)
TEST_F(DataSafetyTest, RunningOutOfMemoryEndsWithAMessage) {
  dir.write("in.voc", le16_bytes(safety_ramp(2000)));
  const ProgramResult r = run_program(
      "/bin/sh", {"-c", std::string("ulimit -v 40000; exec ") + SNDCONV_BIN + " -nc 1000 in.voc x.mul"},
      dir.path());
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.err == "out of memory\n" || r.err.ends_with(": Cannot allocate memory\n")) << r.err;
}
#endif

}  // namespace
