#include "view/LoadUnits.h"

#include "model/ModelUnits.h"

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
    const QString force = QString::fromStdString(units.force);
    const QString lengthName = QString::fromStdString(units.length);
    shown.forceDivisor = shown.momentDivisor = shown.lineLoadDivisor = 1;
    shown.force = force;
    shown.moment = force.isEmpty() || lengthName.isEmpty() ? force + lengthName : force + QStringLiteral("·") + lengthName;
    shown.lineLoad = force.isEmpty() || lengthName.isEmpty() ? force + lengthName : force + QStringLiteral("/") + lengthName;
    shown.legend = QStringLiteral("Loads as written (FORCE=%1 LENGTH=%2: not converted)").arg(force, lengthName);
    return shown;
}

} // namespace mirelo
