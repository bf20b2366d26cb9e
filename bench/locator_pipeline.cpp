// Times the whole calculation by locator as the window runs it, for every
// pair of locators in a file ("KO85TS JO62QM" per line): decode both (the
// own one with its text in capitals, which the window shows), the
// great circle and the nine texts the window shows (three results, the
// correspondent's six coordinate fields). Built where Hamlib's headers are,
// it times Hamlib's core beside it: locator2longlat for both and qrb,
// writing nothing, its trace turned off; the two loops alternate, round
// after round. The best round of each counts. Prints the nanoseconds per
// pair, a checksum, and how many times faster ours is.

#include "geodesy/great_circle.h"
#include "geodesy/locator.h"
#include "geodesy/position.h"

#ifdef AZIDAL_BENCH_HAMLIB
#include <hamlib/rig.h>
#include <hamlib/rotator.h>
#endif

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

unsigned long long ours(const Pair& pair)
{
    using namespace geodesy;
    const auto kor = locatorCentre(pair.kor);
    const auto* korCentre = std::get_if<DecodedLocator>(&kor);
    const auto own = decodeLocator(pair.own);
    const auto* ownCentre = std::get_if<DecodedLocator>(&own.result);
    if (!korCentre || !ownCentre)
        return 1;
    const double h2 = toRadians(korCentre->latitude);
    const double d2 = toRadians(korCentre->longitude);
    const GreatCircle circle = greatCircle(toRadians(ownCentre->latitude), toRadians(ownCentre->longitude), h2, d2);
    if (!circle.distanceKm)
        return 2;
    const ResultTexts texts = resultTexts(circle.azimutPush, circle.azimutPull, *circle.distanceKm);
    const CoordinateParts longitude = splitCoordinate(toDegrees(d2));
    const CoordinateParts latitude = splitCoordinate(toDegrees(h2));
    return static_cast<unsigned long long>(*circle.distanceKm) + texts.azimutPush.view().size()
        + texts.azimutPull.view().size() + texts.dalnost.view().size() + longitude.degrees.view().size()
        + longitude.minutes.view().size() + longitude.seconds.view().size() + latitude.degrees.view().size()
        + latitude.minutes.view().size() + latitude.seconds.view().size();
}

#ifdef AZIDAL_BENCH_HAMLIB
unsigned long long hamlib(const Pair& pair)
{
    double ownLongitude, ownLatitude, korLongitude, korLatitude, distance, azimuth;
    if (locator2longlat(&ownLongitude, &ownLatitude, pair.own.c_str()) != RIG_OK
        || locator2longlat(&korLongitude, &korLatitude, pair.kor.c_str()) != RIG_OK
        || qrb(ownLongitude, ownLatitude, korLongitude, korLatitude, &distance, &azimuth) != RIG_OK)
        return 1;
    return static_cast<unsigned long long>(distance) + static_cast<unsigned long long>(azimuth);
}
#endif

template <typename Core>
double nanosecondsPerPair(const std::vector<Pair>& pairs, Core core, unsigned long long& checksum)
{
    const auto start = std::chrono::steady_clock::now();
    for (const Pair& pair : pairs)
        checksum += core(pair);
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / double(pairs.size());
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
    unsigned long long ourSum = 0;
    double ourBest = 1e300;
#ifdef AZIDAL_BENCH_HAMLIB
    rig_set_debug(RIG_DEBUG_NONE);  // Hamlib traces every call on standard error otherwise
    unsigned long long theirSum = 0;
    double theirBest = 1e300;
#endif
    for (int round = 0; round < rounds; ++round) {
        ourBest = std::min(ourBest, nanosecondsPerPair(pairs, ours, ourSum));
#ifdef AZIDAL_BENCH_HAMLIB
        theirBest = std::min(theirBest, nanosecondsPerPair(pairs, hamlib, theirSum));
#endif
    }
    std::printf("%zu pairs, best of %d rounds:\n"
                "  azidal, decoding, great circle and nine texts: %6.1f ns per pair (checksum %llu)\n",
                pairs.size(), rounds, ourBest, ourSum / unsigned(rounds));
#ifdef AZIDAL_BENCH_HAMLIB
    std::printf("  Hamlib, locator2longlat twice and qrb:         %6.1f ns per pair (checksum %llu)\n"
                "  azidal is %.1f times faster\n",
                theirBest, theirSum / unsigned(rounds), theirBest / ourBest);
#endif
}
