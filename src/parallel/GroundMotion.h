#pragma once

#include "common/Errors.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// One ground-motion record of a suite, ready for a `timeSeries Path`.
struct GroundMotion {
    std::string name;                // the file's name without extension, as a folder name takes it
    std::string sourcePath;          // the file it was read from
    std::vector<std::string> values; // the accelerations as the file writes them
    double dt = 0;                   // seconds between two values
    double factor = 1;               // to the model's acceleration unit
    std::int32_t direction = 1;      // 1, 2 or 3: X, Y or Z
};

// Bad records, each named with its file and line ("file:12: ...").
class MotionError : public Error {
public:
    using Error::Error;
};

// A PEER NGA record (.AT2): four header lines, the third giving the units
// (G), the fourth NPTS and DT ("NPTS=  3930, DT=   .0100 SEC", or the older
// "3930   .0100   NPTS, DT"), then NPTS accelerations in g, several per line.
// `gravity` is g in the model's units. Raises MotionError.
GroundMotion ReadAt2Record(const std::string& path, double gravity);

// A plain record: one acceleration per line, blank lines ignored.
// Raises MotionError.
std::vector<std::string> ReadPlainRecord(const std::string& path);

// The records of a suite folder: those `records.csv` lists when it is there
// (`file,dt,factor[,direction]`, file relative to the folder; a factor
// ending in "g", as "0.5g", is in g and is scaled by `gravity`), else every
// .AT2 file in name order. Every record is read and checked before it
// returns; all faults come in one MotionError, one line each.
std::vector<GroundMotion> ReadMotionSuite(const std::string& folder, double gravity);

// A name that is safe as a folder name and a Tcl word: letters, digits, '-',
// '_' and '.'; any other byte becomes '_'.
std::string SafeRunName(std::string_view name);

} // namespace mirelo
