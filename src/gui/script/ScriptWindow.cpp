#include "gui/script/ScriptWindow.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "session/Session.h"
#include "gui/common/WaitCursor.h"
#include "common/Errors.h"
#include "script/ScriptGenerator.h"
#include "gui/common/SolverProcesses.h"
#include "parallel/ParallelScript.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace mirelo {

namespace {

const char* const kTclFilter = QT_TRANSLATE_NOOP("mirelo::ScriptWindow", "OpenSEES tcl(*.tcl)|*.tcl");

// Lines the pane takes at once on "Generate", and then at each turn of the
// event loop (about a twentieth of a second each).
constexpr int kFirstLines = 20'000;
constexpr int kLinesPerTurn = 10'000;

// The position just after `count` line ends from `from`, or the end of the text.
qsizetype AfterLines(const QString& text, qsizetype from, int count)
{
    for (int n = 0; n < count; ++n) {
        const qsizetype end = text.indexOf(QChar('\n'), from);
        if (end < 0)
            return text.size();
        from = end + 1;
    }
    return from;
}

QPushButton* AddButton(QWidget* parent, QBoxLayout* layout, const char* name, const QString& caption)
{
    auto* button = NamedWidget<QPushButton>(name, caption, parent);
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
                    throw Error(QCoreApplication::translate("mirelo::ScriptWindow",
                                                            "Line %1 holds the character '%2', which the model's "
                                                            "one-byte names cannot hold: the script was not saved")
                                    .arg(number)
                                    .arg(c)
                                    .toStdString());
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
    setWindowTitle(tr("OpenSEES Tcl File"));
    resize(760, 620);

    auto* label = new QLabel(tr("OpenSEES tcl File"), this);
    label->setObjectName("Label1");

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    // One long line per command: no wrapping, both scroll bars.
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // DejaVu Sans Mono is named rather than left to fontconfig's "monospace",
    // which may give a face it does not mark fixed-pitch (Noto Sans Mono);
    // the TypeWriter hint finds another monospaced face where it is missing.
    QFont font(QStringLiteral("DejaVu Sans Mono"), QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSize());
    font.setStyleHint(QFont::TypeWriter);
    memo_->setFont(font);
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    memo_->setPalette(palette);
    memo_->setPlainText(tr("OpenSEES Tcl File"));

    fillTimer_ = new QTimer(this);
    fillTimer_->setInterval(0);
    connect(fillTimer_, &QTimer::timeout, this, [this] { FillMore(); });

    warnings_ = new QListWidget(this);
    warnings_->setObjectName("WarningList");
    warnings_->setMaximumHeight(90);
    warnings_->hide(); // until a script has warnings
    connect(warnings_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowWarningLine(warnings_->row(item)); });

    auto* buttons = new QHBoxLayout;
    connect(AddButton(this, buttons, "Button3", tr("Generate")), &QPushButton::clicked, this,
            [this] { host_.RunCommand([this] { GenerateClicked(); }); });
    connect(AddButton(this, buttons, "Button2", tr("Save")), &QPushButton::clicked, this,
            [this] { host_.RunCommand([this] { SaveClicked(); }); });
    connect(AddButton(this, buttons, "Button1", tr("Close")), &QPushButton::clicked, this, [this] { CloseClicked(); });
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(memo_, 1);
    layout->addWidget(warnings_);
    layout->addLayout(buttons);
}

// The pane is replaced only when the whole script was written; after an error
// it keeps its text and the error is shown.
void ScriptWindow::GenerateClicked()
{
    WaitCursor busy;
    const int processes = SolverProcesses();
    CheckParallelAnalysis(session_.analysis, processes);
    GenerateScript(session_.model, session_.analysis, session_.recorders, script_, ParallelScriptOptions(processes));
    QString text = DisplayText(script_.lines.Join("\n"), &utf8_);
    if (text.endsWith('\n'))
        text.chop(1);
    // The first lines go into a new document in one piece, away from the pane
    // and with undo off (the fill is no edit to undo); the pane takes it
    // whole, and the rest follows while the window stays usable.
    fillTimer_->stop();
    pending_ = std::move(text);
    pendingFrom_ = AfterLines(pending_, 0, kFirstLines);
    auto* document = new QTextDocument(memo_);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(memo_->font());
    document->setUndoRedoEnabled(false);
    document->setPlainText(pending_.left(Filling() ? pendingFrom_ - 1 : pendingFrom_));
    // The pane deletes the document it made itself; one of ours goes here.
    QTextDocument* previous = memo_->document();
    const bool ours = previous->parent() == memo_;
    memo_->setDocument(document);
    if (ours)
        delete previous;
    if (Filling())
        fillTimer_->start();
    else
        FinishFill();

    warnings_->clear();
    for (std::size_t i = 0; i < script_.warnings.size(); ++i) {
        const std::size_t line = i < script_.warningLines.size() ? script_.warningLines[i] : 0;
        QString entry = DisplayText(script_.warnings[i]);
        if (line != 0)
            entry = tr("Line %1: %2").arg(line).arg(entry);
        auto* item = new QListWidgetItem(entry, warnings_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(line));
    }
    warnings_->setVisible(!script_.warnings.empty());
}

void ScriptWindow::FillMore()
{
    if (!Filling()) {
        FinishFill();
        return;
    }
    const qsizetype end = AfterLines(pending_, pendingFrom_, kLinesPerTurn);
    const bool last = end >= pending_.size();
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    // The line end before this part; the part's own last one belongs to the next.
    cursor.insertText(QStringView(pending_).mid(pendingFrom_ - 1, (last ? end : end - 1) - (pendingFrom_ - 1)).toString());
    pendingFrom_ = end;
    if (!Filling())
        FinishFill();
}

void ScriptWindow::FinishFill()
{
    fillTimer_->stop();
    if (Filling()) {
        QTextCursor cursor(memo_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringView(pending_).mid(pendingFrom_ - 1).toString());
    }
    pending_.clear();
    pendingFrom_ = 0;
    memo_->document()->setUndoRedoEnabled(true);
}

void ScriptWindow::ShowWarningLine(int row)
{
    FinishFill();
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

void ScriptWindow::SaveClicked()
{
    const std::optional<QString> path = files_.SaveFile(FileKind::Script, tr(kTclFilter));
    if (path)
        SaveTo(*path);
}

void ScriptWindow::SaveTo(const QString& path)
{
    WaitCursor busy;
    FinishFill();
    const QByteArray bytes = PaneBytes(*memo_->document(), utf8_);
    QSaveFile file(path);
    const std::string name = QFile::encodeName(path).toStdString();
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::CannotOpen(name, file.errorString().toStdString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError::CannotOpen(name, file.errorString().toStdString());
}

void ScriptWindow::CloseClicked()
{
    close();
}

} // namespace mirelo
