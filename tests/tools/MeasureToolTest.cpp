// saruvi-measure as its users run it: command lines, lists and what comes out on each stream.

#include "tests/app/RegionCases.h"

#include "framework/platform/qt/ImageFile.h"
#include "tools/measure/ImageMeasurement.h"
#include "tools/measure/MeasureTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

class MeasureToolTest : public ::testing::Test {
protected:
    MeasureToolTest() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        FDirectory = fs::path(::testing::TempDir()) / "saruvi-measure" /
                     (std::string(test->test_suite_name()) + "." + test->name());
        fs::remove_all(FDirectory);
        fs::create_directories(FDirectory);
    }

    std::string Write(const std::string& name, const std::string& content) const {
        const fs::path path = FDirectory / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    // A 40 x 30 white image with a dark 10 x 10 square at (10, 10): 100 pixels from (15, 15).
    std::string Square(const std::string& name) const {
        return Write(name, BmpFile(40, 30, clWhite, {{Rect(10, 10, 20, 20), clBlack}}));
    }

    static TRun Run(const std::vector<std::string>& args, const std::string& in = "",
                    bool errIsTerminal = false) {
        std::istringstream input(in);
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunMeasureTool(args, {input, out, err, errIsTerminal});
        return {status, out.str(), err.str()};
    }

    // The real executable under /bin/sh: before runs ahead of it, redirect after its
    // arguments; {dir} in any of them stands for the test's folder.
    TRun RunProgram(const std::vector<std::string>& args, const std::string& redirect = "",
                    const std::string& before = "") const {
        const std::string out = (FDirectory / "stdout.txt").string();
        const std::string err = (FDirectory / "stderr.txt").string();
        std::string command = InFolder(before) + " exec " + Quoted(SARUVI_MEASURE_EXE);
        for (const std::string& arg : args)
            command += " " + Quoted(InFolder(arg));
        command += " >" + Quoted(out) + " " + InFolder(redirect) + " 2>" + Quoted(err);
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(out), Read(err)};
    }

    std::string InFolder(std::string text) const {
        for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;)
            text.replace(at, 5, FDirectory.string());
        return text;
    }

    static std::string Quoted(const std::string& arg) {
        std::string quoted = "'";
        for (const char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    fs::path FDirectory;
};

int RedPixels(const platform::PixelBuffer& pixels) {
    return static_cast<int>(
        std::count(pixels.Pixels.begin(), pixels.Pixels.end(), ColorToPixel(RegionColor)));
}

class MeasureToolCountTest : public MeasureToolTest,
                             public ::testing::WithParamInterface<TRegionCase> {};

TEST_P(MeasureToolCountTest, PrintsAndPaintsTheWindowsCount) {
    const TRegionCase& c = GetParam();
    const std::string image = Write("case.bmp", BmpFile(c.Width, c.Height, c.Background, c.Rects));
    const TRun run = Run({image, std::to_string(c.Seed.x), std::to_string(c.Seed.y)});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, std::to_string(c.Count) + "\n");
    EXPECT_EQ(run.Err, "");

    TImageMeasurer measurer;
    EXPECT_EQ(measurer.Measure(image, c.Seed).Pixels, c.Count);
    EXPECT_EQ(RedPixels(measurer.Display().Pixels()), c.Count);
}

INSTANTIATE_TEST_SUITE_P(Regions, MeasureToolCountTest, ::testing::ValuesIn(RegionCases),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST_F(MeasureToolTest, PaintWritesThePngOfTheImageWithTheRegionRed) {
    const std::string image = Square("square.bmp");
    const std::string png = (FDirectory / "out.png").string();
    ASSERT_EQ(Run({"--paint", png, image, "15", "15"}).Out, "100\n");
    const auto painted = platform::ReadImage(png);
    ASSERT_TRUE(painted);
    ASSERT_EQ(painted->Width, 40);
    EXPECT_EQ(RedPixels(*painted), 100);
    EXPECT_EQ(painted->Row(10)[10], ColorToPixel(RegionColor));
    EXPECT_EQ(painted->Row(9)[10], ColorToPixel(clWhite));
    EXPECT_EQ(painted->Row(20)[19], ColorToPixel(clWhite));
}

TEST_F(MeasureToolTest, PaintWritesThroughASymbolicLinkAndKeepsIt) {
    const std::string image = Square("square.bmp");
    fs::create_directories(FDirectory / "pictures");
    Write("pictures/out.png", "the old picture");
    fs::create_symlink(FDirectory / "pictures" / "out.png", FDirectory / "link.png");
    ASSERT_EQ(Run({"--paint", (FDirectory / "link.png").string(), image, "15", "15"}).Status, 0);
    EXPECT_TRUE(fs::is_symlink(FDirectory / "link.png"));
    const auto painted = platform::ReadImage((FDirectory / "pictures" / "out.png").string());
    ASSERT_TRUE(painted);
    EXPECT_EQ(RedPixels(*painted), 100);
    EXPECT_EQ(std::distance(fs::directory_iterator(FDirectory / "pictures"), {}), 1);
}

TEST_F(MeasureToolTest, OneImageThatFailsIsReportedOnStandardErrorOnly) {
    const std::string image = Square("square.bmp");
    const std::string junk = Write("junk.bmp", "not a bitmap");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {image, "40", "0"},
             {image, "-1", "5"},
             {(FDirectory / "missing.bmp").string(), "1", "1"},
             {junk, "1", "1"},
             {"--paint", (FDirectory / "no-such-folder" / "out.png").string(), image, "15",
              "15"}}) {
        const TRun run = Run(args);
        EXPECT_EQ(run.Status, 1) << args[0];
        EXPECT_EQ(run.Out, "") << args[0];
        EXPECT_NE(run.Err.find("saruvi-measure: "), std::string::npos) << args[0];
    }
    EXPECT_NE(Run({image, "40", "0"}).Err.find("outside the 40 x 30 image"), std::string::npos);
}

TEST_F(MeasureToolTest, HelpAndVersionGoToStandardOutput) {
    const TRun help = Run({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("usage: saruvi-measure"), std::string::npos);
    EXPECT_EQ(help.Err, "");
    const TRun version = Run({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out.rfind("saruvi-measure ", 0), 0u);
}

struct TRefusal {
    std::vector<std::string> Args;
    std::string Message;
};

// Run by the real executable, so that nothing but the tool's own line reaches standard error.
TEST_F(MeasureToolTest, AWrongCommandLineIsRefusedInOneLineWithStatus2) {
    Square("square.bmp");
    const TRefusal refusals[] = {
        {{}, "expected IMAGE X Y"},
        {{"a.bmp", "1"}, "expected IMAGE X Y"},
        {{"a.bmp", "1", "2", "3"}, "expected IMAGE X Y"},
        {{"a.bmp", "x", "2"}, "X x is not an integer"},
        {{"a.bmp", "1", "99999999999"}, "Y 99999999999 is out of range"},
        {{"a.bmp", "-99999999999", "1"}, "X -99999999999 is out of range"},
        {{"--frobnicate", "a.bmp", "1", "2"}, "unknown option --frobnicate"},
        {{"--csv"}, "--csv needs a value"},
        {{"--csv="}, "--csv needs a value"},
        {{"--paint=", "a.bmp", "1", "2"}, "--paint needs a value"},
        {{"--paint", "", "a.bmp", "1", "2"}, "--paint needs a value"},
        {{"--csv", "a.csv", "--csv=b.csv"}, "--csv is given twice"},
        {{"--paint", "a.png", "--paint", "b.png", "a.bmp", "1", "2"}, "--paint is given twice"},
        {{"--csv", "list", "a.bmp"}, "--csv takes no operands and no --paint"},
        {{"--csv", "list", "--paint", "o.png"}, "--csv takes no operands and no --paint"},
        {{"--jobs", "2", "a.bmp", "1", "2"}, "--jobs is for --csv only"},
        {{"--csv", "list", "--jobs", "0"}, "--jobs 0 is out of range: it must be from 1 to 1024"},
        {{"--csv", "list", "--jobs=99999999999"},
         "--jobs 99999999999 is out of range: it must be from 1 to 1024"},
        {{"--csv", "list", "--jobs", "two"}, "--jobs two is not an integer"},
        {{"--paint", "{dir}/square.bmp", "{dir}/square.bmp", "15", "15"},
         "--paint {dir}/square.bmp would overwrite the image"},
        {{"--paint", "{dir}/./square.bmp", "{dir}/square.bmp", "15", "15"},
         "--paint {dir}/./square.bmp would overwrite the image"}};
    for (const TRefusal& refusal : refusals) {
        const TRun run = RunProgram(refusal.Args);
        EXPECT_EQ(run.Status, 2) << refusal.Message;
        EXPECT_EQ(run.Out, "") << refusal.Message;
        EXPECT_EQ(run.Err,
                  InFolder("saruvi-measure: " + refusal.Message + "; see saruvi-measure --help\n"));
    }
    EXPECT_EQ(Read(FDirectory / "square.bmp"),
              BmpFile(40, 30, clWhite, {{Rect(10, 10, 20, 20), clBlack}}));
}

struct TFailure {
    std::vector<std::string> Args;
    // Shell redirections of the standard streams.
    std::string Redirect;
    std::string Message;
};

// Each a failure of the run, not of the command line: status 1, one line on standard error.
TEST_F(MeasureToolTest, WhatCannotBeReadOrWrittenFailsInOneLine) {
    Square("square.bmp");
    Write("list.csv", "square.bmp,15,15\n");
    ASSERT_EQ(mkfifo((FDirectory / "fifo.bmp").c_str(), 0600), 0);
    const std::string stdoutFailed = "cannot write standard output: ";
    const TFailure failures[] = {
        {{"{dir}/square.bmp", "15", "15"}, ">/dev/full", stdoutFailed + "No space left on device"},
        {{"{dir}/square.bmp", "15", "15"}, ">&-", stdoutFailed + "Bad file descriptor"},
        {{"--csv", "{dir}/list.csv"}, ">/dev/full", stdoutFailed + "No space left on device"},
        {{"--csv", "{dir}/list.csv", "--jobs", "3"}, ">&-", stdoutFailed + "Bad file descriptor"},
        {{"--version"}, ">/dev/full", stdoutFailed + "No space left on device"},
        {{"--paint", "/dev/full", "{dir}/square.bmp", "15", "15"},
         "",
         "/dev/full: No space left on device"},
        {{"--paint", "{dir}/no-such-folder/out.png", "{dir}/square.bmp", "15", "15"},
         "",
         "{dir}/no-such-folder/out.png: No such file or directory"},
        {{"--paint", "{dir}", "{dir}/square.bmp", "15", "15"}, "", "{dir}: Is a directory"},
        {{"--csv", "-"}, "<&-", "standard input: Bad file descriptor"},
        {{"--csv", "-"}, "<{dir}", "standard input: Is a directory"},
        {{"--csv", "{dir}"}, "", "{dir}: Is a directory"},
        {{"--csv", "{dir}/none.csv"}, "", "{dir}/none.csv: No such file or directory"},
        {{"{dir}", "1", "1"}, "", "{dir}: Cannot open file \"{dir}\". Is a directory"},
        {{"{dir}/fifo.bmp", "1", "1"},
         "",
         "{dir}/fifo.bmp: Cannot open file \"{dir}/fifo.bmp\". Is a FIFO"},
        {{"/dev/zero", "1", "1"}, "", "/dev/zero: Cannot open file \"/dev/zero\". Is a device"}};
    for (const TFailure& failure : failures) {
        const TRun run = RunProgram(failure.Args, failure.Redirect);
        EXPECT_EQ(run.Status, 1) << failure.Message;
        EXPECT_EQ(run.Err, InFolder("saruvi-measure: " + failure.Message + "\n"));
    }
}

TEST_F(MeasureToolTest, APaintThatFailsLeavesTheOldFileAndNoOtherBehind) {
    // Too many colours to compress below the file size limit of the run.
    std::vector<TFilledRect> noise;
    for (int i = 0; i < 40 * 40; ++i)
        noise.push_back({Rect(i % 40, i / 40 + 40, i % 40 + 1, i / 40 + 41),
                         static_cast<TColor>((i * 2654435761u) & 0xFFFFFF)});
    Write("noise.bmp", BmpFile(40, 80, clBlack, noise));
    Write("out.png", "the old picture");
    // A file may grow to 512 bytes only; past that a write fails with EFBIG.
    const TRun run = RunProgram({"--paint", "{dir}/out.png", "{dir}/noise.bmp", "1", "1"}, "",
                                "trap '' XFSZ; ulimit -f 1;");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, InFolder("saruvi-measure: {dir}/out.png: File too large\n"));
    EXPECT_EQ(Read(FDirectory / "out.png"), "the old picture");
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(FDirectory))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"noise.bmp", "out.png", "stderr.txt", "stdout.txt"}));
}

TEST_F(MeasureToolTest, ABatchWritesOneRowPerLineUnderTheHeader) {
    Square("square.bmp");
    Write("sub/tall.bmp", BmpFile(8, 50, clBlack));
    const std::string list = Write("list.csv", "square.bmp,15,15\nsub/tall.bmp, 3 , 10\n");
    const TRun run = Run({"--csv", list});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{"image,x,y,width,height,pixels,error",
                                                        "square.bmp,15,15,40,30,100,",
                                                        "sub/tall.bmp, 3 , 10,8,50,343,"}));
    EXPECT_EQ(run.Err, "");
}

TEST_F(MeasureToolTest, ABatchGoesOnPastEveryKindOfFailedRow) {
    Square("square.bmp");
    Write("junk.bmp", "not a bitmap");
    const std::string list = Write("list.csv", "missing.bmp,1,1\n"
                                               "junk.bmp,1,1\n"
                                               "square.bmp,40,5\n"
                                               "square.bmp,5,-1\n"
                                               "square.bmp,five,5\n"
                                               "square.bmp,5\n"
                                               "square.bmp,5,5,5\n"
                                               ",5,5\n"
                                               "\"square.bmp,5,5\n"
                                               "square.bmp,15,15\n");
    const TRun run = Run({"--csv", list});
    EXPECT_EQ(run.Status, 1);
    const std::vector<std::string> rows = Lines(run.Out);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[1].rfind("missing.bmp,1,1,,,,\"Cannot open file", 0), 0u) << rows[1];
    EXPECT_EQ(rows[2].rfind("junk.bmp,1,1,,,,", 0), 0u) << rows[2];
    EXPECT_GT(rows[2].size(), std::string("junk.bmp,1,1,,,,").size()) << "the decoder's reason";
    EXPECT_EQ(rows[3], "square.bmp,40,5,40,30,,\"seed (40, 5) is outside the 40 x 30 image\"");
    EXPECT_EQ(rows[4], "square.bmp,5,-1,40,30,,\"seed (5, -1) is outside the 40 x 30 image\"");
    EXPECT_EQ(rows[5], "square.bmp,five,5,,,,the seed's x is not an integer");
    EXPECT_EQ(rows[6], "\"square.bmp,5\",,,,,,\"expected three fields: image,x,y\"");
    EXPECT_EQ(rows[7], "\"square.bmp,5,5,5\",,,,,,\"expected three fields: image,x,y\"");
    EXPECT_EQ(rows[8], ",5,5,,,,no image named");
    EXPECT_EQ(rows[9], "\"\"\"square.bmp,5,5\",,,,,,a quote is not closed where the field ends");
    EXPECT_EQ(rows[10], "square.bmp,15,15,40,30,100,");
    EXPECT_EQ(run.Err, "");
}

TEST_F(MeasureToolTest, AListMayHaveBlankLinesQuotedNamesAndCrLf) {
    Write("a, \"b\".bmp", BmpFile(40, 30, clWhite, {{Rect(10, 10, 20, 20), clBlack}}));
    Square("square.bmp");
    const std::string list =
        Write("list.csv", "\r\n\"a, \"\"b\"\".bmp\",15,15\r\n  \r\n\r\nsquare.bmp,15,15\r\n\r\n");
    const TRun run = Run({"--csv", list});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "image,x,y,width,height,pixels,error\n"
                       "\"a, \"\"b\"\".bmp\",15,15,40,30,100,\n"
                       "square.bmp,15,15,40,30,100,\n");
}

struct TListCase {
    const char* Name;
    std::string List;
    // The rows under the header.
    std::string Rows;
};

TEST_F(MeasureToolTest, AListIsReadAsItsCsvSays) {
    Square("square.bmp");
    Square("line\nbreak.bmp");
    const TListCase cases[] = {
        {"byte-order mark", "\xEF\xBB\xBFsquare.bmp,15,15\n", "square.bmp,15,15,40,30,100,\n"},
        {"line break in a quoted name", "\"line\nbreak.bmp\",15,15\n",
         "\"line\nbreak.bmp\",15,15,40,30,100,\n"},
        {"line break and CR LF", "\"line\nbreak.bmp\",15,15\r\nsquare.bmp,1,1\r\n",
         "\"line\nbreak.bmp\",15,15,40,30,100,\nsquare.bmp,1,1,40,30,0,\n"},
        {"no line end at the end", "square.bmp,15,15", "square.bmp,15,15,40,30,100,\n"},
        {"blank after a closing quote", "\"square.bmp\" ,15,15\nsquare.bmp,15,15\n",
         "\"\"\"square.bmp\"\" ,15,15\",,,,,,text after the closing quote of field 1\n"
         "square.bmp,15,15,40,30,100,\n"},
        {"text after a quote on a later line", "\"line\nbreak.bmp\"x,15,15\nsquare.bmp,15,15\n",
         "\"\"\"line\nbreak.bmp\"\"x,15,15\",,,,,,text after the closing quote of field 1\n"
         "square.bmp,15,15,40,30,100,\n"},
        {"quote open to the end", "square.bmp,\"15,15\nsquare.bmp,15,15\n",
         "\"square.bmp,\"\"15,15\",,,,,,a quote is not closed where the field ends\n"
         "square.bmp,15,15,40,30,100,\n"},
        {"quoted seed", "square.bmp,\"15\",\" 15 \"\n", "square.bmp,15, 15 ,40,30,100,\n"},
        {"x out of range", "square.bmp,99999999999,15\n",
         "square.bmp,99999999999,15,,,,the seed's x is out of range\n"},
        {"y not an integer", "square.bmp,15,1.5\n",
         "square.bmp,15,1.5,,,,the seed's y is not an integer\n"},
        {"an empty quoted name", "\"\",1,1\n", ",1,1,,,,no image named\n"}};
    for (const TListCase& c : cases) {
        const TRun run = Run({"--csv", Write("list.csv", c.List)});
        EXPECT_EQ(run.Out, "image,x,y,width,height,pixels,error\n" + c.Rows) << c.Name;
        EXPECT_EQ(run.Err, "") << c.Name;
    }
}

TEST_F(MeasureToolTest, TheImageXAndYABatchWritesReadBackAsTheSameRow) {
    Square("a, \"b\"\r\nc.bmp");
    const TRun first = Run({"--csv", Write("list.csv", "\"a, \"\"b\"\"\r\nc.bmp\",15,15\n")});
    const std::string row = first.Out.substr(first.Out.find('\n') + 1);
    ASSERT_EQ(row, "\"a, \"\"b\"\"\r\nc.bmp\",15,15,40,30,100,\n");
    const std::string list = row.substr(0, row.rfind(",40,30,100,")) + "\n";
    EXPECT_EQ(Run({"--csv", Write("again.csv", list)}).Out, first.Out);
}

TEST_F(MeasureToolTest, ABatchOnManyJobsWritesWhatOneJobWritesInTheListsOrder) {
    std::string list;
    for (int i = 0; i < 60; ++i) {
        const std::string name = "image" + std::to_string(i) + ".bmp";
        // Sizes that differ a lot, so rows finish out of order; every seventh row fails.
        const int side = 20 + (i * 37) % 200;
        Write(name, BmpFile(side, side, clBlack, {{Rect(0, 0, side, i % 5), clWhite}}));
        list += (i % 7 == 3 ? "missing" + name : name) + ",5," + std::to_string(i % 9) + "\n";
    }
    const std::string path = Write("list.csv", list);
    const TRun one = Run({"--csv", path, "--jobs", "1"});
    ASSERT_EQ(one.Status, 1);
    ASSERT_EQ(Lines(one.Out).size(), 61u);
    for (const char* jobs : {"2", "7", "64"}) {
        const TRun many = Run({"--csv", path, "--jobs", jobs});
        EXPECT_EQ(many.Status, 1) << jobs;
        EXPECT_EQ(many.Out, one.Out) << jobs;
    }
}

TEST_F(MeasureToolTest, AListFromStandardInputIsReadFromTheWorkingFolder) {
    const std::string image = Square("square.bmp");
    const TRun run = Run({"--csv", "-"}, image + ",15,15\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Lines(run.Out).at(1), image + ",15,15,40,30,100,");
}

TEST_F(MeasureToolTest, AMissingListIsAnError) {
    const TRun run = Run({"--csv", (FDirectory / "none.csv").string()});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("none.csv"), std::string::npos);
}

TEST_F(MeasureToolTest, ProgressShowsOnATerminalOnly) {
    Square("square.bmp");
    const std::string list = Write("list.csv", "square.bmp,15,15\nsquare.bmp,1,1\n");
    EXPECT_EQ(Run({"--csv", list}).Err, "");
    const TRun shown = Run({"--csv", list}, "", true);
    EXPECT_NE(shown.Err.find("2 of 2"), std::string::npos);
    EXPECT_EQ(Lines(shown.Out).size(), 3u);
}

} // namespace
