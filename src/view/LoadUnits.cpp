#include "view/LoadUnits.h"

#include "model/ModelUnits.h"
#include "view/DisplayText.h"

namespace mirelo {

namespace {

bool KnownLength(const std::string& unit)
{
    return QString::fromStdString(unit).compare(QStringLiteral("MM"), Qt::CaseInsensitive) == 0 ||
           LengthScaleOf(unit).millimetres != 1;
}

} // namespace

LoadUnits LoadUnitsOf(const ModelUnits& units)
{
    LoadUnits shown;
    if (units.force.empty() && units.length.empty()) {
        shown.legend = QStringLiteral("Loads in kN, kN·m, kN/m (no units in the file: read as N, mm)");
        return shown;
    }
    const double newtons = NewtonsPer(units.force);
    const std::string length = units.length.empty() ? "MM" : units.length;
    if (newtons > 0 && KnownLength(length)) {
        const double millimetres = LengthScaleOf(length).millimetres;
        shown.forceDivisor = 1000 / newtons;
        shown.momentDivisor = 1e6 / (newtons * millimetres);
        shown.lineLoadDivisor = millimetres / newtons;
        shown.legend = QStringLiteral("Loads in kN, kN·m, kN/m");
        return shown;
    }
    const QString force = UnitText(units.force);
    const QString lengthName = UnitText(units.length);
    shown.forceDivisor = shown.momentDivisor = shown.lineLoadDivisor = 1;
    shown.force = force;
    shown.moment = force.isEmpty() || lengthName.isEmpty() ? force + lengthName : force + QStringLiteral("·") + lengthName;
    shown.lineLoad = force.isEmpty() || lengthName.isEmpty() ? force + lengthName : force + QStringLiteral("/") + lengthName;
    const auto named = [](const QString& unit) { return unit.isEmpty() ? QStringLiteral("not given") : unit; };
    shown.legend = QStringLiteral("Loads as written (force %1, length %2: not converted)").arg(named(force), named(lengthName));
    return shown;
}

} // namespace mirelo
