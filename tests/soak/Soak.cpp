// soak --seed N --events M: plays M random events, in sessions of a few hundred on fresh
// windows, checking every invariant after each. A failing session prints its seed and the
// shortest event list found that still fails the same way (delta debugging), and exits with 1.

#include "tests/soak/SoakWorld.h"
#include "tests/support/BmpFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int SessionLength = 250;

std::string WriteImages() {
    const auto dir = std::filesystem::temp_directory_path() / "saruvi-soak";
    std::filesystem::create_directories(dir);
    const std::string good = BmpFile(300, 200, clWhite,
                                     {{Rect(10, 10, 60, 80), clBlack},
                                      {Rect(100, 1, 180, 40), clBlack},
                                      {Rect(0, 120, 300, 130), clBlack},
                                      {Rect(200, 150, 201, 199), clBlack}});
    std::ofstream(dir / "good.bmp", std::ios::binary) << good;
    std::ofstream(dir / "small.bmp", std::ios::binary)
        << BmpFile(3, 2, clWhite, {{Rect(0, 1, 2, 2), clBlack}});
    std::ofstream(dir / "truncated.bmp", std::ios::binary) << good.substr(0, good.size() / 2);
    return dir.string();
}

std::optional<TSoakFailure> Run(const std::string& images, const TSoakEvents& events) {
    TSoakWorld world(images);
    try {
        return world.Play(events);
    } catch (const std::exception& x) {
        return TSoakFailure{"no exception escapes", x.what(), world.Applied()};
    }
}

// Drops chunks, halving their size, while the list still fails with the same invariant.
TSoakEvents Shrink(const std::string& images, TSoakEvents events, const std::string& invariant) {
    const auto stillFails = [&](const TSoakEvents& candidate) {
        const auto failure = Run(images, candidate);
        return failure && failure->Invariant == invariant;
    };
    for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < events.size();) {
            TSoakEvents candidate(events.begin(), events.begin() + static_cast<long>(start));
            candidate.insert(candidate.end(),
                             events.begin() +
                                 static_cast<long>(std::min(start + chunk, events.size())),
                             events.end());
            if (!candidate.empty() && stillFails(candidate))
                events = std::move(candidate);
            else
                start += chunk;
        }
    }
    return events;
}

int Usage() {
    std::cerr << "usage: soak --seed N --events M\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    long events = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (flag == "--events")
            events = std::strtol(argv[i + 1], nullptr, 10);
        else
            return Usage();
    }
    if (argc % 2 == 0 || events < 0)
        return Usage();
    const std::string images = WriteImages();
    long played = 0;
    for (std::uint64_t session = 0; played < events; ++session) {
        const std::uint64_t sessionSeed = seed * 1000003 + session;
        const int count = static_cast<int>(std::min<long>(SessionLength, events - played));
        const TSoakEvents list = GenerateSoakEvents(sessionSeed, count);
        const auto failure = Run(images, list);
        if (!failure) {
            played += count;
            continue;
        }
        played += failure->Step;
        std::cout << "soak: seed " << seed << ", session " << session << " (session seed "
                  << sessionSeed << "), after event " << failure->Step << ": " << failure->Invariant
                  << ": " << failure->Detail << "\n";
        const TSoakEvents shortest = Shrink(
            images, TSoakEvents(list.begin(), list.begin() + failure->Step), failure->Invariant);
        const auto again = Run(images, shortest);
        std::cout << "shortest list that still fails (" << shortest.size() << " events)"
                  << (again ? ": " + again->Detail : std::string()) << ":\n";
        for (const TSoakEvent& e : shortest)
            std::cout << "  " << DescribeSoakEvent(e) << "\n";
        std::cout << "soak: " << played << " events played\n";
        return 1;
    }
    std::cout << "soak: seed " << seed << ", " << played
              << " events played, every invariant held\n";
    return 0;
}
