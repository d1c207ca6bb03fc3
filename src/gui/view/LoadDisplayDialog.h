#pragma once

#include <QDialog>

class QComboBox;

namespace mirelo {

class CommandHost;
struct Session;

// "Show Load" (TForm5): which load case is labelled on the drawing, whether
// its joint forces or its frame loads, and whether as arrows or as the text
// labels. Applied on "OK", which redraws.
class LoadDisplayDialog : public QDialog {
    Q_OBJECT

public:
    LoadDisplayDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void AcceptClicked(); // "OK"
    void CancelClicked(); // "Cancel"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Session& session_;
    CommandHost& host_;
    QComboBox* loadType_;
    QComboBox* loadCase_;
    QComboBox* display_; // arrows or text labels
};

} // namespace mirelo
