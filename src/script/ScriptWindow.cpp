#include "script/ScriptWindow.h"

#include "app/CommandHost.h"
#include "app/DisplayText.h"
#include "app/FileChooser.h"
#include "app/Session.h"
#include "app/WaitCursor.h"
#include "common/Errors.h"
#include "script/ScriptGenerator.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBlock>
#include <QVBoxLayout>

namespace mirelo {

namespace {

const char* const kTclFilter = "OpenSEES tcl(*.tcl)|*.tcl";

QPushButton* AddButton(QWidget* parent, QBoxLayout* layout, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    layout->addWidget(button);
    return button;
}

// The pane's lines as bytes, CR LF after each.
QByteArray PaneBytes(const QTextDocument& document, bool utf8)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(document.characterCount() + document.blockCount()));
    int number = 1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++number) {
        const QString line = block.text();
        if (utf8) {
            bytes += line.toUtf8();
        } else {
            for (const QChar c : line)
                if (c.unicode() > 0xFF)
                    throw Error("Line " + std::to_string(number) + " holds the character '"
                                + QString(c).toStdString()
                                + "', which the model's one-byte names cannot hold: the script was not saved");
            bytes += line.toLatin1();
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

ScriptWindow::ScriptWindow(Session& session, CommandHost& host, FileChooser& files, QWidget* parent)
    : QDialog(parent), session_(session), host_(host), files_(files)
{
    setObjectName("TForm6");
    setWindowTitle("OpenSEES Tcl File");
    resize(760, 620);

    auto* label = new QLabel("OpenSEES tcl File", this);
    label->setObjectName("Label1");

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    // One long line per command: no wrapping, both scroll bars.
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    memo_->setPalette(palette);
    memo_->setPlainText("OpenSEES Tcl File");

    warnings_ = new QListWidget(this);
    warnings_->setObjectName("WarningList");
    warnings_->setMaximumHeight(90);
    connect(warnings_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowWarningLine(warnings_->row(item)); });

    auto* buttons = new QHBoxLayout;
    connect(AddButton(this, buttons, "Button3", "Generate"), &QPushButton::clicked, this,
            [this] { host_.RunCommand([this] { Button3Click(); }); });
    connect(AddButton(this, buttons, "Button2", "Save"), &QPushButton::clicked, this,
            [this] { host_.RunCommand([this] { Button2Click(); }); });
    connect(AddButton(this, buttons, "Button1", "Close"), &QPushButton::clicked, this, [this] { Button1Click(); });
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(memo_, 1);
    layout->addWidget(warnings_);
    layout->addLayout(buttons);
}

// The pane is replaced only when the whole script was written; after an error
// it keeps its text and the error is shown.
void ScriptWindow::Button3Click()
{
    WaitCursor busy;
    GenerateScript(session_.model, session_.analysis, session_.recorders, script_);
    QString text = DisplayText(script_.lines.Join("\n"), &utf8_);
    if (text.endsWith('\n'))
        text.chop(1);
    // One fill of one buffer, with undo off so that the fill is not recorded
    // as an edit of a million lines.
    memo_->setUndoRedoEnabled(false);
    memo_->setPlainText(text);
    memo_->setUndoRedoEnabled(true);

    warnings_->clear();
    for (std::size_t i = 0; i < script_.warnings.size(); ++i) {
        const std::size_t line = i < script_.warningLines.size() ? script_.warningLines[i] : 0;
        QString entry = DisplayText(script_.warnings[i]);
        if (line != 0)
            entry = QStringLiteral("Line %1: %2").arg(line).arg(entry);
        auto* item = new QListWidgetItem(entry, warnings_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(line));
    }
    warnings_->setVisible(!script_.warnings.empty());
}

void ScriptWindow::ShowWarningLine(int row)
{
    QListWidgetItem* item = warnings_->item(row);
    const auto line = item ? item->data(Qt::UserRole).toULongLong() : 0;
    if (line == 0 || line > static_cast<qulonglong>(memo_->document()->blockCount()))
        return;
    QTextCursor cursor(memo_->document()->findBlockByNumber(static_cast<int>(line - 1)));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    memo_->setTextCursor(cursor);
    memo_->centerCursor();
    memo_->setFocus();
}

void ScriptWindow::Button2Click()
{
    const std::optional<QString> path = files_.SaveFile(kTclFilter);
    if (path)
        SaveTo(*path);
}

void ScriptWindow::SaveTo(const QString& path)
{
    WaitCursor busy;
    const QByteArray bytes = PaneBytes(*memo_->document(), utf8_);
    QSaveFile file(path);
    const std::string name = QFile::encodeName(path).toStdString();
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::CannotOpen(name, file.errorString().toStdString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError::CannotOpen(name, file.errorString().toStdString());
}

void ScriptWindow::Button1Click()
{
    close();
}

} // namespace mirelo
