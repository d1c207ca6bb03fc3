#pragma once

#include "model/Model.h"

#include <QString>

namespace mirelo {

// How the drawing reads the loads of a model: in kN, kN·m and kN/m converted
// from the force and length units the file names. Values are divided by the
// divisors (N with MM gives 1000, 1e6 and 1; KN with M gives 1, 1 and 1).
//
// A file that names no units at all is read as newtons and millimetres. A file
// naming a unit the program does not know is shown as written, labelled with
// the file's units (known ones as engineers write them: kN, m), rather than
// converted by a guess.
struct LoadUnits {
    double forceDivisor = 1000;
    double momentDivisor = 1e6;
    double lineLoadDivisor = 1;
    QString force = QStringLiteral("kN");
    QString moment = QStringLiteral("kN·m");
    QString lineLoad = QStringLiteral("kN/m");
    QString legend; // one line for the legend: "Loads in kN, kN·m, kN/m"
};

LoadUnits LoadUnitsOf(const ModelUnits& units);

} // namespace mirelo
