// The sndconv command line through the program: start-up words, the help text
// with current values, option matching, values, positional names and the checks.
#include "tests/driver/sndconv_fixture.h"

namespace {

// The help text with every default value.
const std::string defaultHelp =
    "Tamsel Audio Conversion Tool,  Version 2.37\n"
    "USAGE: sndconv [ ... ] inname outname\n"
    "   -s x      :    scale factor                   D=1.\n"
    "   -m x      :    mean to subtract               D=0.\n"
    "   -c x      :    limit values to [-x,+x]        D=no\n"
    "   -C        :    enable clipping in ASCII mode  D=no\n"
    "   -sw       :    swap bytes from input          D=no\n"
    "   -swo      :    swap bytes before output       D=no\n"
    "   -l n      :    max. number of samples         D=all\n"
    "   -le n     :    length (needed for wav output) D=0\n"
    "   -hs n     :    skip first n samples           D=0 \n"
    "   -nc n     :    number of channels             D=1\n"
    "   -at t     :    set start time [sec] for copy  D=0 \n"
    "   -et t     :    set end time [sec] for copy    D=end\n"
    "   -inc n    :    increment                      D=1 \n"
    "   -r  n     :    sampling rate                  D=8000\n"
    "   -v        :    verbose mode                   D=no\n"
    "   -S        :    give more statistics           D=no\n"
    "   -L        :    print ONLY the length info.    D=no\n"
    "   -LF name  :    save the length in file name   D=no\n"
    "   -LI name  :    read the length from file name D=no\n"
    "   -ns       :    no statistics                  D=no\n"
    "   -N        :    display NIST header            D=no\n"
    "   -R  x     :    reference level for dB         D=none\n"
    "   -xi       :    ASCII input in hex             D=no\n"
    "   -xo       :    ASCII output in hex            D=no\n"
    "   -i name   :    use name to set input mode         \n"
    "   -o name   :    use name to set output mode        \n"
    "   -lf name  :    name of the label file         D=\n"
    "   -lfo name :    name of the label output file  D=\n"
    "   -cm       :    compose outname from tr, id    D=no\n"
    "   -cm_tr    :    transliteration (incl. -cm)    D=unknown\n"
    "   -cm_id    :    speaker id      (incl. -cm)    D=0\n"
    "   -a_s n    :    size of asm word in samples    D=2\n"
    "   -a_h text :    assembler header for samples   D= DW 0x\n"
    "   -a_c text :    assembler comment              D=;  \n"
    "   -a_adpcm  :    assembler ADPCM input          D=no\n"
    "known extensions:\n"
    "  .au         SUN-Audio\n"
    "  .sam        VAX-ILS\n"
    "  .pcm        16bit linear, bytes swaped, no header\n"
    "  .voc        16bit linear, no header\n"
    "  .wav        MS-wave\n"
    "  .dat, .asc  ASCII\n"
    "  .fas        Float ASCII\n"
    "  .ala        8bit A-law (binary)\n"
    "  .ahx        A-law hex (ascii)\n"
    "  .mhx        mu-law hex (ascii)\n"
    "  .asm        Assembler\n"
    "  .m          matlab\n"
    "  .nis        NIST\n"
    "  .dev, .DEV  Speechdat-Car (16bit unsigned short, no header)\n"
    "  .htk, .hwav HTK wave form \n"
    "  .mul        multi channel \n"
    "  --          STDIN (ASCII) \n"
    "  ++          STDOUT (ASCII) \n"
    "  -           NONE \n";

class CommandLineTest : public SndconvTest {
 protected:
  ProgramResult named(const std::vector<std::string>& args) {
    return run_program_as(SNDCONV_BIN, "sndconv", args, dir.path());
  }
};

TEST_F(CommandLineTest, StartUpWordsGiveNoticeBannerOrHelp) {
  ProgramResult none = named({});
  EXPECT_EQ(none.out, "no inputs?! --  -h gives help\n");
  EXPECT_EQ(none.code, 0);

  ProgramResult banner = named({"-V"});
  EXPECT_EQ(banner.out, "Tamsel Audio Conversion Tool,  Version 2.37\n");
  EXPECT_EQ(banner.code, 0);

  for (const char* lone : {"x.asc", "-v", "-h", "-?", "-s"}) {
    ProgramResult help = named({lone});
    EXPECT_EQ(help.out, defaultHelp) << lone;
    EXPECT_EQ(help.code, 0);
  }
}

TEST_F(CommandLineTest, HelpShowsValuesGivenBeforeIt) {
  ProgramResult r =
      named({"-le", "500", "-nc", "2", "-inc", "3", "-r", "16000", "-lf", "l.txt", "-h", "a", "b"});
  for (const char* line : {"   -le n     :    length (needed for wav output) D=500\n",
                           "   -nc n     :    number of channels             D=2\n",
                           "   -inc n    :    increment                      D=3 \n",
                           "   -r  n     :    sampling rate                  D=16000\n",
                           "   -lf name  :    name of the label file         D=l.txt\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  EXPECT_EQ(r.code, 0);
}

TEST_F(CommandLineTest, OptionValueIsNeverAnOption) {
  // "-h" as the assembler header text is a value, not the help request.
  ProgramResult r = named({"-a_h", "-h", "-h"});
  EXPECT_NE(r.out.find("   -a_h text :    assembler header for samples   D=-h\n"), std::string::npos)
      << r.out;
  // A negative number as a value.
  dir.write("in.asc", "10\n20\n");
  ProgramResult mean = sndconv({"-m", "-3", "in.asc", "-"});
  EXPECT_NE(mean.out.find("mean      =       18.00\n"), std::string::npos) << mean.out;
}

TEST_F(CommandLineTest, WordsThatAreNotOptionsMustBeTheLastTwo) {
  ProgramResult banner = named({"-V", "a.asc", "b.asc"});
  EXPECT_EQ(banner.out, "don't understand -V\n");
  EXPECT_EQ(banner.code, 1);

  ProgramResult early = named({"a.asc", "-v", "b.asc"});
  EXPECT_EQ(early.out, "don't understand a.asc\n");
  EXPECT_EQ(early.code, 1);

  ProgramResult nist = named({"-N", "x.nis"});
  EXPECT_EQ(nist.out, "don't understand x.nis\n");
  EXPECT_EQ(nist.code, 1);

  // Options match whole words only and case matters.
  ProgramResult prefix = named({"-sc", "a.asc", "b.asc"});
  EXPECT_EQ(prefix.out, "don't understand -sc\n");
  EXPECT_EQ(prefix.code, 1);
}

TEST_F(CommandLineTest, ValueOptionAsLastArgumentIsRefused) {
  // The second-to-last word is a name, so the last one is the output name.
  ProgramResult r = named({"in.asc", "-r"});
  EXPECT_EQ(r.out, "in.asc\n-r\nFILE_MODE_NAME: sorry! mode not implemented\n");
  ProgramResult last = named({"-v", "-r"});
  EXPECT_EQ(last.out, "missing value for -r\n");
  EXPECT_EQ(last.code, 1);
}

TEST_F(CommandLineTest, NumbersAreScannedLikeSscanf) {
  dir.write("in.asc", "1000\n");
  // "abc" leaves the scale factor at 1.
  std::string out = convert({"-s", "abc", "in.asc", "-"});
  EXPECT_NE(out.find("max       =     1000.00\n"), std::string::npos) << out;
  // The later of two occurrences wins; -S and -ns override each other.
  out = convert({"-s", "2", "-s", "3", "-S", "-ns", "in.asc", "-"});
  EXPECT_EQ(out, "in.asc\n-\ninmode = ASCII,   outmode = NONE\n" + nsample_line(1, 1.0 / 8000));
  out = convert({"-ns", "-S", "-s", "3", "in.asc", "-"});
  EXPECT_NE(out.find("max       =     3000.00\n"), std::string::npos) << out;
  EXPECT_NE(out.find("psi1/psi0"), std::string::npos) << out;
  // Integers beyond 32 bits saturate.
  out = convert({"-r", "99999999999", "in.asc", "-"});
  EXPECT_NE(out.find(nsample_line(1, 1.0 / 2147483647.0)), std::string::npos) << out;
}

TEST_F(CommandLineTest, ChannelCountMustFitTheBlock) {
  dir.write("in.asc", "1\n");
  ProgramResult many = sndconv({"-nc", "1001", "in.asc", "out.voc"});
  EXPECT_EQ(many.out, "Sorry, can not do multi channel,  BUFSIZE = 1000, leaves rest of 1000\n");
  EXPECT_EQ(many.code, 1);
  EXPECT_FALSE(dir.exists("out.voc"));
  ProgramResult zero = sndconv({"-nc", "0", "in.asc", "out.voc"});
  EXPECT_EQ(zero.out, "can not handle 0 channels\n");
  EXPECT_EQ(zero.code, 1);
  for (const char* good : {"1", "2", "3", "7", "16", "1000"})
    EXPECT_EQ(sndconv({"-nc", good, "in.asc", "-"}).code, 0) << good;
}

TEST_F(CommandLineTest, CountsBelowOneAreRefused) {
  dir.write("in.asc", "1\n");
  ProgramResult inc = sndconv({"-inc", "0", "in.asc", "-"});
  EXPECT_EQ(inc.out, "increment must be at least 1\n");
  EXPECT_EQ(inc.code, 1);
  ProgramResult ai = sndconv({"-ai", "-2", "in.asc", "-"});
  EXPECT_EQ(ai.out, "values per sample must be at least 1\n");
  EXPECT_EQ(ai.code, 1);
  ProgramResult word = sndconv({"-a_s", "0", "in.asc", "-"});
  EXPECT_EQ(word.out, "can not handle asm word size 0\n");
  EXPECT_EQ(word.code, 1);
  ProgramResult adpcm = sndconv({"-a_adpcm", "-a_s", "9", "in.asc", "-"});
  EXPECT_EQ(adpcm.out, "can not handle asm word size 9\n");
  EXPECT_EQ(sndconv({"-a_s", "9", "in.asc", "-"}).code, 0);
}

TEST_F(CommandLineTest, VerboseShowsTheSampleTransform) {
  dir.write("in.asc", "");
  std::string out = convert({"-v", "-s", "0.5", "-m", "3", "-c", "100", "in.asc", "-"});
  EXPECT_EQ(out.substr(0, 62), "scale_factor = 0.5\nscale_mean   = 3\nclip_value   = 100\nin.asc\n");
}

TEST_F(CommandLineTest, ModeLineFollowsTheNameEcho) {
  dir.write("in.asc", "");
  EXPECT_EQ(convert({"in.asc", "out.voc"}),
            "in.asc\nout.voc\ninmode = ASCII,   outmode = Gradient\n" + nsample_line(0, 0));
  // -i and -o are echoed instead of the file names and decide the modes.
  dir.write("noext", le16_bytes({5}));
  EXPECT_EQ(convert({"-i", "x.voc", "-o", "y.dat", "noext", "outfile"}),
            "x.voc\ny.dat\ninmode = Gradient,   outmode = ASCII\n" + nsample_line(1, 1.0 / 8000) +
                "min       =        5.00\nmax       =        5.00\nmean      =        5.00\n"
                "energy    =          25,  std =          0\n");
  EXPECT_EQ(dir.read("outfile"), "5\n");
  // With -L neither names nor the mode line.
  EXPECT_EQ(convert({"-L", "in.asc", "out.voc"}), "0\n");
}

TEST_F(CommandLineTest, UnknownNamesStopAtTheModeLine) {
  ProgramResult r = sndconv({"in.xyz", "out.voc"});
  EXPECT_EQ(r.out, "in.xyz\nout.voc\nFILE_MODE_NAME: sorry! mode not implemented\n");
  EXPECT_EQ(r.code, 1);
  // Under -L the stop comes when the input is opened.
  ProgramResult quiet = sndconv({"-L", "in.xyz", "out.voc"});
  EXPECT_EQ(quiet.out, "FILE_MODE_NAME: sorry! mode not implemented\n");
  EXPECT_EQ(quiet.code, 1);
}

TEST_F(CommandLineTest, LengthFileIsReadAtOnce) {
  ProgramResult missing = sndconv({"-LI", "nofile.txt", "in.asc", "-"});
  EXPECT_EQ(missing.err, "nofile.txt: No such file or directory\n");
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
  dir.write("len.txt", "1234\n");
  ProgramResult help = run_program_as(SNDCONV_BIN, "sndconv", {"-LI", "len.txt", "-h"}, dir.path());
  EXPECT_NE(help.out.find("   -le n     :    length (needed for wav output) D=1234\n"), std::string::npos);
  dir.write("empty.txt", "");
  ProgramResult empty =
      run_program_as(SNDCONV_BIN, "sndconv", {"-le", "7", "-LI", "empty.txt", "-h"}, dir.path());
  EXPECT_NE(empty.out.find("   -le n     :    length (needed for wav output) D=7\n"), std::string::npos);
}

TEST_F(CommandLineTest, RatesAreWholeSamplesASecondWithKForThousands) {
  dir.write("in.asc", "1\n");
  for (const auto& [value, rate] :
       {std::pair{"16k", "16000"}, {"44.1k", "44100"}, {"22.05k", "22050"}, {"8000", "8000"}}) {
    const std::string out = convert({"-r", value, "in.asc", "out.wav"});
    EXPECT_NE(out.find(std::string(" rate = ") + rate + "\n"), std::string::npos) << value << out;
  }
  for (const char* low : {"0", "-5", "0k"}) {
    const ProgramResult r = sndconv({"-r", low, "in.asc", "x.wav"});
    EXPECT_EQ(r.out, "sampling rate must be at least 1\n") << low;
    EXPECT_EQ(r.code, 1) << low;
  }
  for (const char* bad : {"16x", "16.5", "k", "16kk"}) {
    const ProgramResult r = sndconv({"-r", bad, "in.asc", "x.wav"});
    EXPECT_EQ(r.out, std::string("don't understand ") + bad + "\n");
    EXPECT_EQ(r.code, 1) << bad;
  }
  EXPECT_FALSE(dir.exists("x.wav"));
}

TEST_F(CommandLineTest, WrappedSamplesAreCountedOnStandardError) {
  // Scaled by 4: 32764 fits, 32768 wraps, -32768 fits, -32772 wraps.
  dir.write("in.asc", "8191\n8192\n-8192\n-8193\n");
  ProgramResult r = sndconv({"-s", "4", "in.asc", "out.voc"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, "2 samples wrapped around 16 bits; -c 32767 clips instead\n");
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{32764, -32768, -32768, 32764}));
  // Clipped, written as floats or not written: nothing wraps.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-s", "4", "-c", "32767", "in.asc", "out.voc"},
        {"-s", "4", "in.asc", "out.fas"},
        {"-s", "4", "in.asc", "-"}})
    EXPECT_EQ(sndconv(args).err, "") << args.back();
}

}  // namespace
