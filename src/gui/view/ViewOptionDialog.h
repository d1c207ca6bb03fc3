#pragma once

#include <QDialog>

#include <array>

class QCheckBox;

namespace mirelo {

class CommandHost;
struct Session;

// "View Option" (TForm4): one check box per drawing layer. The switches change
// only on "OK", which redraws.
class ViewOptionDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLayerCount = 13;

    ViewOptionDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void AcceptClicked(); // "OK"
    void CancelClicked(); // "Cancel"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Session& session_;
    CommandHost& host_;
    std::array<QCheckBox*, kLayerCount> boxes_{};
};

} // namespace mirelo
