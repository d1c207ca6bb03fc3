#include "gui/common/StatusLine.h"

namespace mirelo {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    setObjectName("StatusLabel");
    setWordWrap(true);
}

void StatusLine::Say(const QString& text, bool failure)
{
    setText(text);
    setStyleSheet(failure ? QStringLiteral("color: #b00000") : QString());
}

} // namespace mirelo
