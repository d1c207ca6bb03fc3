#include "view/DisplayText.h"

#include "model/ModelUnits.h"

#include <QStringDecoder>

namespace mirelo {

QString DisplayText(std::string_view bytes, bool* utf8)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(view);
    const bool valid = !decoder.hasError();
    if (utf8 != nullptr)
        *utf8 = valid;
    return valid ? text : QString::fromLatin1(view);
}

QString UnitText(std::string_view fileUnit)
{
    return DisplayText(EngineerUnit(fileUnit));
}

} // namespace mirelo
