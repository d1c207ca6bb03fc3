#pragma once

#include <QString>

#include <string_view>

namespace mirelo {

// Names in the model are bytes as the file gave them: shown as UTF-8 when they
// are valid UTF-8, otherwise byte for byte as Latin-1.
// `utf8`, when given, tells which of the two it was.
QString DisplayText(std::string_view bytes, bool* utf8 = nullptr);

// A unit of the file as engineers write it ("KN" shows as kN, "M" as m); a
// unit not recognised shows as written.
QString UnitText(std::string_view fileUnit);

} // namespace mirelo
