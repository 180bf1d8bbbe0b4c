// saruvi-measure as its users run it: command lines, lists and what comes out on each stream.

#include "tests/app/RegionCases.h"

#include "framework/platform/qt/ImageFile.h"
#include "tools/measure/ImageMeasurement.h"
#include "tools/measure/MeasureTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

TEST_F(MeasureToolTest, AWrongCommandLineShowsTheUsageOnStandardError) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"a.bmp", "1"},
                                               {"a.bmp", "1", "2", "3"},
                                               {"a.bmp", "x", "2"},
                                               {"--frobnicate", "a.bmp", "1", "2"},
                                               {"--csv"},
                                               {"--csv", "list", "a.bmp"},
                                               {"--csv", "list", "--paint", "o.png"}}) {
        const TRun run = Run(args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("usage: saruvi-measure"), std::string::npos);
    }
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
    EXPECT_EQ(rows[5], "square.bmp,five,5,,,,the seed's x and y must be integers");
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
