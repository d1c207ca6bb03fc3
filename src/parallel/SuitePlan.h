#pragma once

#include "parallel/GroundMotion.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// One run of a suite: a record at one scale, in the folder of its name.
struct SuiteRun {
    std::string name;       // "<record>_s<scale>", its folder in the suite's
    std::size_t motion = 0; // index into the suite's records
    double scale = 1;
};

// "0.5,1,1.5": scales above zero, each once. Raises Error naming the one
// that is not.
std::vector<double> ParseScales(std::string_view text);

// The shortest text that reads back as the value ("0.5", "1", "0.1").
std::string ShortestText(double value);

// Every record at every scale, record by record.
std::vector<SuiteRun> PlanSuite(const std::vector<GroundMotion>& motions, const std::vector<double>& scales);

} // namespace mirelo
