#pragma once

#include <QDialog>

namespace mirelo {

// "About": the version, the licence and where OpenSees comes from; its links
// open in the desktop's browser.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace mirelo
