#pragma once

#include "script/ScriptContext.h"

namespace mirelo {

// The blocks of the script, in the order the generator appends them. Each
// appends whole lines and reads only the model and the settings.

// NodeBlock.cpp
void WriteHeader(ScriptContext& script);
void WriteNodeBlock(ScriptContext& script); // nodes, diaphragms, masses, supports
void WriteEqualDofBlock(ScriptContext& script);

// MaterialBlocks.cpp
void WriteMaterialBlock(ScriptContext& script);
void WriteFiberSectionBlock(ScriptContext& script); // fibre and aggregated sections
void WritePlateFiberBlock(ScriptContext& script);

// ElementBlock.cpp
void WriteFrameElementBlock(ScriptContext& script); // transformations and frame elements
void WriteShellElementBlock(ScriptContext& script);
void WriteSolidElementBlock(ScriptContext& script);

// RecorderBlock.cpp
void WriteRecorderBlock(ScriptContext& script);

// CurveRecorders.cpp
void WriteCurveRecorders(ScriptContext& script); // the control joint and the reactions, when curves are asked for

// LoadAnalysisBlock.cpp
void WriteLoadAnalysisBlock(ScriptContext& script);

} // namespace mirelo
