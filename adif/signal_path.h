#pragma once

#include "adif/reader.h"

#include <string_view>

namespace adif {

// Which way round the Earth a QSO's signal went, by its ANT_PATH: L the long
// path; S (short), G (grayline) or none the short path; O (other), or a
// value ADIF does not have, a path nobody can draw: a ground distance but
// no bearing.
enum class SignalPath { Short, Long, Other };
SignalPath signalPath(const Section& record);

// Whether the logging station's antenna pointed along the great circle to
// the other station, by the QSO's PROP_MODE: with none, or with a mode whose
// signal follows that circle. Not for a satellite, the moon, a repeater,
// the internet, an aurora, a scatter off something else, or a mode this
// program does not know: the antenna pointed elsewhere, or nobody can say.
bool antennaAlongPath(const Section& record);

// The modes of antennaAlongPath, as ADIF names them; the manual lists them.
inline constexpr std::string_view GreatCircleModes[] = {
    "F2", "ES", "TEP", "TR", "ION", "LOS", "GWAVE", "MS",
};

} // namespace adif
