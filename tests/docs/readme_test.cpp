// The README's worked examples, run exactly as written, with the files they write and
// the report lines they show; the shipped examples/ folder and the script that makes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "tests/docs/docs_support.h"

namespace {

std::string readme() { return source_text("README.md"); }

// The 44-byte header that sndconv writes, then `data`.
void expect_wav_of(const std::string& wav, const std::string& data, const std::string& name) {
  ASSERT_EQ(wav.size(), 44 + data.size()) << name;
  EXPECT_EQ(wav.substr(0, 4), "RIFF") << name;
  EXPECT_EQ(wav.substr(36, 4), "data") << name;
  uint32_t dataLength = 0;
  memcpy(&dataLength, wav.data() + 40, 4);
  EXPECT_EQ(dataLength, data.size()) << name;
  EXPECT_TRUE(same_bytes(wav.substr(44), data)) << name;
}

std::vector<std::string> corpus_files(const std::string& root, const std::string& extension) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.path().extension() == extension) files.push_back(entry.path().string());
  return files;
}

}  // namespace

TEST(Readme, CiRunsItsTestCommand) {
  const std::vector<std::string> commands = fenced_blocks(readme(), "sh");
  ASSERT_GE(commands.size(), 2u);
  EXPECT_TRUE(has_line(source_text(".ci/run"), "  " + text_lines(commands[1]).at(0))) << commands[1];
}

// The quick start as written, in a copy of the sources, with GoogleTest hidden from
// cmake as on a machine without it: one configure message, the programs build, and
// the tone files land in the build folder.
TEST(Readme, QuickStartBuildsTheProgramsWithoutGoogleTest) {
  const std::vector<std::string> commands = fenced_blocks(readme(), "sh");
  ASSERT_FALSE(commands.empty());
  std::string quickStart = commands[0];
  const std::string configure = "cmake -S . -B build ";
  ASSERT_EQ(quickStart.find(configure), 0u) << quickStart;
  quickStart.insert(configure.size(), "-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON ");

  TempDir dir;
  std::filesystem::create_directory(dir.file("src"));
  std::set<std::string> sources;
  for (const auto& entry : std::filesystem::directory_iterator(SOURCE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name == ".git" || (entry.is_directory() && name.rfind("build", 0) == 0)) continue;
    std::filesystem::copy(entry.path(), dir.file("src/" + name), std::filesystem::copy_options::recursive);
    sources.insert(name);
  }
  // The cmake, generator and compiler of this build.
  const std::string cmakeDir = std::filesystem::path(CMAKE_BIN).parent_path().string();
  const std::string environment = "export PATH='" + cmakeDir +
                                  "':\"$PATH\"\n"
                                  "export CMAKE_GENERATOR='" CMAKE_GENERATOR_NAME "' CXX='" CXX_COMPILER
                                  "'\n";
  const ProgramResult r = run_shell(environment + quickStart, dir.file("src"));
  ASSERT_EQ(r.code, 0) << r.out << r.err;

  size_t mentions = 0;
  for (const auto& line : text_lines(r.out + r.err)) mentions += line.find("GoogleTest") != std::string::npos;
  EXPECT_EQ(mentions, 1u) << r.out << r.err;
  EXPECT_FALSE(dir.exists("src/build/tests")) << "the tests were configured";
  EXPECT_EQ(text_samples(dir.read("src/build/tone.asc")).size(), 8000u);
  EXPECT_EQ(dir.read("src/build/tone.voc").size(), 16000u);
  sources.insert("build");
  std::set<std::string> after;
  for (const auto& entry : std::filesystem::directory_iterator(dir.file("src")))
    after.insert(entry.path().filename().string());
  EXPECT_EQ(after, sources) << "the quick start wrote into the source folder";
}

// Each block runs on its own, in order, in one folder; a block whose output is shown
// prints exactly that.
TEST(Readme, WorkedExamplesRunAsWrittenAndWriteWhatTheySay) {
  const std::vector<ExampleBlock> blocks = example_blocks(readme());
  TempDir dir;
  ProgramResult r;
  size_t shown = 0;
  for (const auto& block : blocks) {
    const ProgramResult step = run_shell(block.script, dir.path());
    ASSERT_EQ(step.code, 0) << block.script << step.out << step.err;
    if (!block.shown.empty()) {
      EXPECT_EQ(step.out, block.shown) << block.script;
      ++shown;
    }
    r.out += step.out;
  }
  EXPECT_EQ(shown, 4u);
  ASSERT_TRUE(std::any_of(blocks.begin(), blocks.end(), [](const ExampleBlock& block) {
    return block.script.find(
               "find corpus -name '*.wav' -print0 | xargs -0 -P \"$(nproc)\" -I{} sndconv -ns {} .voc") !=
           std::string::npos;
  }));

  // Tone, WAV and headerless 16-bit, and back by -le and by -LF/-LI.
  const std::vector<int16_t> tone = text_samples(dir.read("tone.asc"));
  ASSERT_EQ(tone.size(), 8000u);
  const std::string voc = dir.read("tone.voc");
  EXPECT_TRUE(same_bytes(voc, le16_bytes(tone)));
  expect_wav_of(dir.read("tone.wav"), voc, "tone.wav");
  EXPECT_TRUE(same_bytes(dir.read("back.wav"), dir.read("tone.wav")));
  EXPECT_EQ(dir.read("tone.len"), "8000\n");
  EXPECT_TRUE(same_bytes(dir.read("back2.wav"), dir.read("tone.wav")));

  // The segment from 0.25 s to 0.75 s, by times and by every kind of label file.
  const std::string cut = voc.substr(2 * 2000, 2 * 4000);
  EXPECT_TRUE(same_bytes(dir.read("cut.voc"), cut));
  EXPECT_TRUE(same_bytes(dir.read("vowel.voc"), cut));
  EXPECT_TRUE(same_bytes(dir.read("vowel-sam.voc"), cut));
  EXPECT_TRUE(same_bytes(dir.read("vowel-grid.voc"), cut));
  EXPECT_TRUE(same_bytes(dir.read("vowel-track.voc"), cut));

  // A-law: one byte a sample, no value out of range, back within A-law's precision
  // (a step of at most 1/16 of the magnitude, times the scale of 8, plus truncation).
  EXPECT_EQ(r.out.find("Achtung"), std::string::npos);
  const std::vector<int16_t> loud = le16_samples(dir.read("loud.voc"));
  const std::vector<int16_t> back = le16_samples(dir.read("loud-back.voc"));
  EXPECT_EQ(dir.read("loud.ala").size(), 8000u);
  ASSERT_EQ(loud.size(), 8000u);
  ASSERT_EQ(back.size(), 8000u);
  for (size_t i = 0; i < loud.size(); ++i)
    EXPECT_LE(std::abs(back[i] - loud[i]), 16 + std::abs(loud[i]) / 32) << i;

  // Interleaving and the split into one file per channel.
  const std::vector<int16_t> left = text_samples(dir.read("left.asc"));
  const std::vector<int16_t> right = text_samples(dir.read("right.asc"));
  std::vector<int16_t> both;
  for (size_t i = 0; i < left.size(); ++i) both.insert(both.end(), {left[i], right[i]});
  EXPECT_TRUE(same_bytes(dir.read("stereo.voc"), le16_bytes(both)));
  EXPECT_TRUE(same_bytes(dir.read("stereo_c0.voc"), le16_bytes(left)));
  EXPECT_TRUE(same_bytes(dir.read("stereo_c1.voc"), le16_bytes(right)));

  // Pipelines.
  EXPECT_EQ(dir.read("tone250.voc").size(), 16000u);

  // The corpus: every WAV file has its .voc beside it, the same samples.
  const std::vector<std::string> wavs = corpus_files(dir.file("corpus"), ".wav");
  EXPECT_EQ(wavs.size(), 6u);
  EXPECT_EQ(corpus_files(dir.file("corpus"), ".voc").size(), wavs.size());
  for (const auto& wav : wavs) {
    const std::string stem = wav.substr(0, wav.size() - 4);
    const std::string samples = le16_bytes(text_samples(read_file(stem + ".asc")));
    EXPECT_EQ(samples.size(), 8000u) << wav;
    expect_wav_of(read_file(wav), samples, wav);
    EXPECT_TRUE(same_bytes(read_file(stem + ".voc"), samples)) << wav;
  }
  // -i and -o keep a ".dat" in a folder name from choosing the ASCII mode.
  EXPECT_TRUE(same_bytes(dir.read("take.dat/tone300.voc"), dir.read("corpus/spk1/tone300.voc")));
}

// The Slurm job script as written, run here as the tasks of an array of three (numbered
// from 1) over a list of five WAV files and one name that does not exist.
TEST(Readme, SlurmJobConvertsItsShareOfTheFileList) {
  const std::vector<std::string> jobs = fenced_blocks(readme(), "sh slurm-job");
  ASSERT_EQ(jobs.size(), 1u);
  TempDir dir;
  dir.write("convert.sbatch", jobs[0]);
  const std::vector<std::string> names = {"c/1/t.wav", "c/2/t.wav", "c/missing.wav",
                                          "c/4/t.wav", "c/5/t.wav", "c/6 six/t.wav"};
  std::string list, make;
  for (size_t i = 0; i < names.size(); ++i) {
    list += names[i] + "\n";
    if (i == 2) continue;
    const std::string folder = names[i].substr(0, names[i].rfind('/'));
    make += "mkdir -p '" + folder + "' && tonemaker -n 100 -f " + std::to_string(100 * (i + 1)) + " '" +
            folder + "/t.asc' && sndconv -ns '" + folder + "/t.asc' .wav\n";
  }
  dir.write("files.txt", list);
  const ProgramResult made = run_shell(make, dir.path());
  ASSERT_EQ(made.code, 0) << made.out << made.err;

  auto converted = [&] {
    std::vector<bool> done;
    for (const auto& name : names) done.push_back(dir.exists(name.substr(0, name.size() - 4) + ".voc"));
    return done;
  };
  auto run_task = [&](int id) {
    return run_shell("SLURM_ARRAY_TASK_ID=" + std::to_string(id) +
                         " SLURM_ARRAY_TASK_MIN=1 SLURM_ARRAY_TASK_COUNT=3 bash convert.sbatch files.txt\n",
                     dir.path());
  };
  EXPECT_EQ(run_task(1).code, 0);
  EXPECT_EQ(converted(), (std::vector<bool>{true, false, false, true, false, false}));
  EXPECT_EQ(run_task(2).code, 0);
  EXPECT_EQ(converted(), (std::vector<bool>{true, true, false, true, true, false}));
  EXPECT_EQ(run_task(3).code, 1) << "the missing file fails its task";
  EXPECT_EQ(converted(), (std::vector<bool>{true, true, false, true, true, true}));
  for (size_t i = 0; i < names.size(); ++i) {
    if (i == 2) continue;
    const std::string stem = names[i].substr(0, names[i].size() - 4);
    EXPECT_TRUE(same_bytes(dir.read(stem + ".voc"), dir.read(stem + ".wav").substr(44))) << names[i];
  }
}

TEST(Readme, StandardStereoWavSplitsWithoutOptions) {
  ASSERT_NE(readme().find("sndconv stereo.wav split.mul"), std::string::npos);
  const std::string command = "sndconv rec.wav rec.mul";
  // The canonical 44-byte header of 16-bit stereo at 8000 Hz (block align 4), then three frames.
  const std::string header = std::string("RIFF") + le16_bytes({36 + 12, 0}) + "WAVEfmt " +
                             le16_bytes({16, 0}) + le16_bytes({1, 2}) + le16_bytes({8000, 0}) +
                             le16_bytes({32000, 0}) + le16_bytes({4, 16}) + "data" + le16_bytes({12, 0});
  TempDir dir;
  dir.write("rec.wav", header + le16_bytes({1, 2, 3, 4, 5, 6}));
  const ProgramResult r = run_shell(command + "\n", dir.path());
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_TRUE(same_bytes(dir.read("rec_c0.voc"), le16_bytes({1, 3, 5})));
  EXPECT_TRUE(same_bytes(dir.read("rec_c1.voc"), le16_bytes({2, 4, 6})));
}

TEST(Readme, ExamplesFolderCommandsRunFromTheSourceFolder) {
  TempDir dir;
  std::filesystem::copy(std::string(SOURCE_DIR) + "/examples", dir.file("examples"));
  std::string script;
  for (const auto& block : fenced_blocks(readme(), "sh source-example")) script += block;
  ASSERT_FALSE(script.empty());
  const ProgramResult r = run_shell(script, dir.path());
  ASSERT_EQ(r.code, 0) << r.out << r.err;

  const std::vector<int16_t> tone = text_samples(dir.read("examples/tone.asc"));
  ASSERT_EQ(tone.size(), 800u);
  const std::string voc = dir.read("try/tone.voc");
  EXPECT_TRUE(same_bytes(voc, le16_bytes(tone)));
  EXPECT_TRUE(same_bytes(dir.read("try/end.voc"), voc.substr(2 * 400)));           // 0.05 s to 0.1 s
  EXPECT_TRUE(same_bytes(dir.read("try/mid.voc"), voc.substr(2 * 200, 2 * 400)));  // samples 200 to 599
  const std::string floats = dir.read("try/tone.f32");
  ASSERT_EQ(floats.size(), 4 * tone.size());
  for (size_t i = 0; i < tone.size(); ++i) {
    float value = 0;
    memcpy(&value, floats.data() + 4 * i, 4);
    EXPECT_EQ(value, tone[i]) << i;
  }
}

TEST(Examples, ShippedFilesAreWhatTheScriptMakes) {
  TempDir dir;
  const ProgramResult r =
      run_shell("bash '" + std::string(SOURCE_DIR) + "/examples/make_examples.sh' made\n", dir.path());
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  size_t shipped = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(SOURCE_DIR) + "/examples")) {
    const std::string name = entry.path().filename().string();
    if (name == "make_examples.sh") continue;
    ++shipped;
    ASSERT_TRUE(dir.exists("made/" + name)) << name << " is shipped but not made by the script";
    EXPECT_TRUE(same_bytes(dir.read("made/" + name), read_file(entry.path().string()))) << name;
  }
  EXPECT_EQ(shipped, 5u);
  size_t made = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.file("made"))) ++made;
  EXPECT_EQ(made, shipped) << "the script makes files that are not shipped";
}
