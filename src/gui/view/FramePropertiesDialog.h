#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace mirelo {

class CommandHost;
struct Session;

// "Frame Properties" (TForm9): a read-only sheet of the picked frame. However
// the dialog is closed, the selection is dropped and the drawing repainted.
class FramePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kRowCount = 11;

    FramePropertiesDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void ShowFrameProperties(); // "Refresh" (Button1): the sheet of the frame named in Edit1
    // A new pick while the sheet is open: show the newly selected frame.
    void FollowSelection();
    void AcceptClicked(); // "OK"

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void SetCell(int row, int column, const QString& text);

    Session& session_;
    CommandHost& host_;
    QLineEdit* frameNumber_;
    QTableWidget* sheet_;
};

} // namespace mirelo
