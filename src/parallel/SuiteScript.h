#pragma once

#include "model/Model.h"
#include "parallel/GroundMotion.h"
#include "parallel/SuitePlan.h"
#include "script/AnalysisSettings.h"
#include "script/ScriptContext.h"

#include <string>
#include <vector>

namespace mirelo {

// The files of a suite in its folder: the driver that OpenSeesMP (or each
// sequential OpenSees) runs, the script of one run that the driver reads
// for every run, and the records as plain files of one value per line.
inline constexpr const char* kSuiteDriverFileName = "suite.tcl";
inline constexpr const char* kSuiteRunScriptFileName = "suite_model.tcl";
inline constexpr const char* kSuiteRecordsFolder = "records";
// The environment that tells a sequential OpenSees its share: process p of N.
inline constexpr const char* kSuiteProcessVariable = "MIRELO_SUITE_PID";
inline constexpr const char* kSuiteProcessCountVariable = "MIRELO_SUITE_NP";

// Raises Error unless the settings run a uniform-excitation time history
// (analysis types 5 and 6), the only analyses a record drives.
void CheckSuiteAnalysis(const AnalysisSettings& analysis);

// The script options of a record at a scale run alone: the file as the
// script names it, its time step, its factor to the model's units times the
// scale, its direction and steps, in the shortest texts that read back as the
// same numbers. The suite's runs use the same texts.
ScriptOptions LoneRecordOptions(const GroundMotion& motion, double scale, const std::string& file);

// Writes the suite's files into `folder` for the runs `todo` (process p
// takes the k-th with k mod N = p). Every run rebuilds the model from a
// `wipe`, records into its own folder as a single run does, steps through
// its record one step at a time, stops at the first step that does not
// converge or past `timeLimitSeconds` (0: none), and writes its status (the
// peak base shear only with RecordCurves). No process waits for another.
// Returns the script's warnings. Raises Error when a file cannot be written.
std::vector<std::string> WriteSuiteFiles(const std::string& folder, Model& model, const AnalysisSettings& analysis,
                                         const RecorderSettings& recorder, const std::vector<GroundMotion>& motions,
                                         const std::vector<SuiteRun>& todo, double timeLimitSeconds);

} // namespace mirelo
