// The decoder against a public suite of BMP files: good files must match their reference
// renderings pixel for pixel, bad files must be refused, questionable ones either.

#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/platform/qt/ImageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path CorpusDir = SARUVI_CORPUS_DIR;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> BmpFiles(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(CorpusDir / folder)) {
        if (entry.path().extension() == ".bmp") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// "g/pal8.bmp" -> the acceptable reference files, preferred first.
std::map<std::string, std::vector<std::string>> ReadRefMap() {
    std::map<std::string, std::vector<std::string>> refs;
    std::ifstream in(CorpusDir / "refmap.tsv");
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) {
            continue;
        }
        std::istringstream list(line.substr(tab + 1));
        std::string ref;
        while (std::getline(list, ref, ',')) {
            if (!ref.empty()) {
                refs[line.substr(0, tab)].push_back(ref);
            }
        }
    }
    return refs;
}

std::string Key(const fs::path& file) {
    return file.parent_path().filename().string() + "/" + file.filename().string();
}

// Files whose reference the decoder knowingly misses, with the largest channel difference allowed.
const std::map<std::string, int> KnownDeviations = {
    {"q/rgb24prof2.bmp", 255}, // colour profiles are not applied; this one swaps red and green
    {"q/rgb32-111110.bmp", 1}, // the reference rounds some 11-bit reds down, not to nearest
};

int ChannelDifference(std::uint32_t a, std::uint32_t b, int shift) {
    return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
}

// RGB always; alpha only where the reference has any; fully transparent reference pixels match
// any colour.
bool MatchesReference(const platform::PixelBuffer& decoded, const platform::PixelBuffer& ref,
                      int tolerance) {
    if (decoded.Width != ref.Width || decoded.Height != ref.Height) {
        return false;
    }
    const bool refHasAlpha = std::any_of(ref.Pixels.begin(), ref.Pixels.end(),
                                         [](std::uint32_t p) { return p >> 24 != 0xFF; });
    for (std::size_t i = 0; i < ref.Pixels.size(); ++i) {
        const std::uint32_t want = ref.Pixels[i], got = decoded.Pixels[i];
        if (refHasAlpha && want >> 24 == 0) {
            continue;
        }
        for (int shift = 0; shift < (refHasAlpha ? 32 : 24); shift += 8) {
            if (ChannelDifference(want, got, shift) > tolerance) {
                return false;
            }
        }
    }
    return true;
}

struct TOutcome {
    bool Accepted = false;
    bool HasReference = false;
    bool MatchesReference = false; // within the known deviation, if any
    bool Exact = false;
    std::string Detail; // the rejection reason
};

TOutcome Decode(const fs::path& file, const std::map<std::string, std::vector<std::string>>& refs) {
    TOutcome outcome;
    TDecodedBmp bmp;
    try {
        bmp = DecodeBmp(ReadBytes(file));
    } catch (const EInvalidGraphic& e) {
        outcome.Detail = e.Detail();
        return outcome;
    }
    outcome.Accepted = true;
    const auto found = refs.find(Key(file));
    outcome.HasReference = found != refs.end() && !found->second.empty();
    if (outcome.HasReference) {
        for (const std::string& name : found->second) {
            const auto ref = platform::ReadImage((CorpusDir / "ref" / name).string());
            const auto known = KnownDeviations.find(Key(file));
            const int tolerance = known != KnownDeviations.end() ? known->second : 0;
            if (ref && MatchesReference(bmp.Pixels, *ref, tolerance)) {
                outcome.MatchesReference = true;
                outcome.Exact = outcome.Exact || MatchesReference(bmp.Pixels, *ref, 0);
            }
        }
    }
    return outcome;
}

class BmpCorpus : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(CorpusDir)) << "no BMP corpus at " << CorpusDir;
        FRefs = ReadRefMap();
    }
    std::map<std::string, TOutcome> Run(const std::string& folder) const {
        std::map<std::string, TOutcome> outcomes;
        for (const fs::path& file : BmpFiles(folder)) {
            outcomes[Key(file)] = Decode(file, FRefs);
        }
        return outcomes;
    }

    std::map<std::string, std::vector<std::string>> FRefs;
};

TEST_F(BmpCorpus, GoodFilesDecodeExactlyLikeTheirReference) {
    const auto outcomes = Run("g");
    ASSERT_FALSE(outcomes.empty());
    for (const auto& [name, outcome] : outcomes) {
        EXPECT_TRUE(outcome.Accepted) << name << ": " << outcome.Detail;
        EXPECT_TRUE(outcome.Exact) << name;
    }
}

TEST_F(BmpCorpus, BadFilesAreRejected) {
    const auto outcomes = Run("b");
    ASSERT_FALSE(outcomes.empty());
    for (const auto& [name, outcome] : outcomes) {
        EXPECT_FALSE(outcome.Accepted) << name;
    }
}

TEST_F(BmpCorpus, QuestionableFilesAreRejectedOrMatchAReference) {
    for (const auto& [name, outcome] : Run("q")) {
        if (outcome.Accepted && outcome.HasReference) {
            EXPECT_TRUE(outcome.MatchesReference) << name;
        }
    }
}

TEST_F(BmpCorpus, BitmapArrayDecodesItsFirstMember) {
    for (const auto& [name, outcome] : Run("x")) {
        EXPECT_TRUE(outcome.Accepted) << name << ": " << outcome.Detail;
        EXPECT_TRUE(outcome.MatchesReference) << name;
    }
}

// A file refused by its start is refused for the reason the whole file gives; one that decodes
// passes the check of its start.
TEST_F(BmpCorpus, TheStartOfEveryFileIsJudgedAsTheWholeFile) {
    for (const char* folder : {"g", "q", "b", "x"}) {
        for (const fs::path& file : BmpFiles(folder)) {
            const std::vector<std::uint8_t> bytes = ReadBytes(file);
            const auto start = std::span(bytes).first(std::min(bytes.size(), BmpStartBytes));
            try {
                CheckBmpStart(start, bytes.size());
            } catch (const EInvalidGraphic& e) {
                EXPECT_EQ(e.Detail(), Decode(file, FRefs).Detail) << Key(file);
            }
        }
    }
}

TEST_F(BmpCorpus, ReportsWhatItAcceptsAndRejects) {
    const auto count = [](const std::map<std::string, TOutcome>& outcomes, auto predicate) {
        return std::count_if(outcomes.begin(), outcomes.end(),
                             [&](const auto& entry) { return predicate(entry.second); });
    };
    const auto good = Run("g"), questionable = Run("q"), bad = Run("b");
    for (const auto& [name, outcome] : questionable) {
        std::cout << "  " << name << ": "
                  << (outcome.Accepted
                          ? (outcome.Exact              ? "accepted, matches reference"
                             : outcome.MatchesReference ? "accepted, known deviation"
                             : outcome.HasReference     ? "accepted, differs from reference"
                                                        : "accepted")
                          : "rejected (" + outcome.Detail + ")")
                  << "\n";
    }
    std::cout << "corpus: good " << count(good, [](const TOutcome& o) { return o.Exact; }) << "/"
              << good.size() << " exact, questionable "
              << count(questionable, [](const TOutcome& o) { return o.Accepted; }) << " accepted ("
              << count(questionable, [](const TOutcome& o) { return o.Exact; })
              << " matching ref) / "
              << count(questionable, [](const TOutcome& o) { return !o.Accepted; })
              << " rejected, bad " << count(bad, [](const TOutcome& o) { return !o.Accepted; })
              << "/" << bad.size() << " rejected" << std::endl;
}

} // namespace
