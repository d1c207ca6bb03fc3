#pragma once

#include <QLabel>

namespace mirelo {

// The line where a window says what it did or, in red, what failed
// (object name "StatusLabel"), so it need not show a message box for it.
class StatusLine : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    void Say(const QString& text, bool failure);
};

} // namespace mirelo
