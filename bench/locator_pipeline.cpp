// Times the whole calculation by locator as the window runs it, for every
// pair of locators in a file ("KO85TS JO62QM" per line): decode both, the
// great circle, the three result texts and the six correspondent
// coordinate texts. Prints nanoseconds per pair and a checksum.

#include "geodesy/great_circle.h"
#include "geodesy/locator.h"
#include "geodesy/position.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Pair {
    std::string own;
    std::string kor;
};

unsigned long long calculate(const Pair& pair)
{
    using namespace geodesy;
    const auto kor = decodeLocator(pair.kor);
    const auto* korCentre = std::get_if<DecodedLocator>(&kor.result);
    if (!korCentre)
        return 1;
    const auto own = decodeLocator(pair.own);
    const auto* ownCentre = std::get_if<DecodedLocator>(&own.result);
    if (!ownCentre)
        return 2;
    const double h1 = toRadians(ownCentre->latitude);
    const double d1 = toRadians(ownCentre->longitude);
    const double h2 = toRadians(korCentre->latitude);
    const double d2 = toRadians(korCentre->longitude);
    const GreatCircle circle = greatCircle(h1, d1, h2, d2);
    if (!circle.distanceKm)
        return 3;
    const ResultTexts texts = resultTexts(circle.azimutPush, circle.azimutPull, *circle.distanceKm);
    const CoordinateParts longitude = splitCoordinate(toDegrees(d2));
    const CoordinateParts latitude = splitCoordinate(toDegrees(h2));
    return static_cast<unsigned long long>(*circle.distanceKm) + circle.azimutPush
        + texts.azimutPush.view().size() + texts.azimutPull.view().size() + texts.dalnost.view().size()
        + longitude.seconds.view()[0] + latitude.seconds.view()[0];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " PAIRS_FILE [ROUNDS]\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<Pair> pairs;
    for (Pair p; in >> p.own >> p.kor;)
        pairs.push_back(p);
    if (pairs.empty()) {
        std::cerr << "no pairs in " << argv[1] << "\n";
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    unsigned long long checksum = 0;
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (const Pair& pair : pairs)
            checksum += calculate(pair);
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / pairs.size());
    }
    std::printf("%zu pairs, best of %d rounds: %.1f ns per pair, checksum %llu\n",
                pairs.size(), rounds, best, checksum / rounds);
}
