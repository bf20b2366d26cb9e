#pragma once

#include "dxcc/beam_table.h"

#include <QStringList>

#include <optional>
#include <string>
#include <variant>
#include <vector>

enum class Mode {
    Pair,  // one pair on the command line
    Csv,   // pairs from files, CSV out
    Adif,  // a log filled in
    Map,   // a picture of the map
    Beam,  // the beam-heading table
};

// What --map draws, as the command line says it.
struct MapOptions {
    std::string centre;
    std::vector<std::string> to;      // --to, in order
    std::string radiusKm;             // --radius; empty for the whole Earth
    std::string time;                 // --time; empty for no night
    std::optional<std::string> size;  // --size, a PNG's side in pixels; none for the default
    std::string page = "A4";          // --page, a PDF's
};

// What --beam prints, as the command line says it.
struct BeamOptions {
    std::string own;
    dxcc::BeamOrder order = dxcc::BeamOrder::Prefix;  // --sort
};

// Whether the arguments ask for a map or the beam-heading table, which
// need Qt's painting (the table for its PDF).
bool asksForPainting(int argc, char* argv[]);

// The command line, read. Texts are in the form the system gives them:
// station texts in UTF-8, file names as the file system spells them.
struct Options {
    Mode mode = Mode::Pair;
    std::vector<std::string> stations;  // the pair
    std::vector<std::string> inputs;    // --csv files; "-" is standard input
    std::string log;                    // --adif: the log to fill, or to show on the map
    std::string my;                     // --my
    std::string output;                 // -o; empty for standard output
    bool inPlace = false;
    bool overwrite = false;
    bool ellipsoid = false;
    bool entities = false;              // --entities: the CSV's entity columns
    bool country = false;               // --country: a log's DXCC, COUNTRY, CQZ, ITUZ and CONT
    bool distance = true;               // a log's DISTANCE and ANT_AZ; --no-distance leaves them
    std::string countryFile;            // --cty; empty for the user's or the system's
    MapOptions map;
    BeamOptions beam;
};

// Reads the arguments (the program's name first). --help and --version
// print their text and end the program, as is usual; a misuse comes back as
// its message.
std::variant<Options, std::string> readOptions(const QStringList& arguments);
