#include "gui/convert/V14ConverterDialog.h"

#include "gui/common/AtomicSave.h"
#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "convert/V14Converter.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace mirelo {

namespace {

const char* const kTitle = "Mirelo import Sap2000 V14 S2k file";
const char* const kNothingConverted =
    QT_TRANSLATE_NOOP("mirelo::V14ConverterDialog", "Nothing was converted: there is nothing to save.");

} // namespace

V14ConverterDialog::V14ConverterDialog(FileChooser& fileChooser, CommandHost& host, QWidget* parent)
    : QDialog(parent), fileChooser_(fileChooser), host_(host)
{
    setObjectName("TForm11");
    setWindowTitle(tr("Transfer Sap2000 V14 s2k file to Sap2000 V16"));

    auto* group = new QGroupBox(tr("Use For"), this);
    group->setObjectName("GroupBox1");
    auto* line1 = new QLabel(tr("Transfer 3D Solid model buildt in Sap2000 V14"), group);
    line1->setObjectName("Label1");
    auto* line2 = new QLabel(tr("to Be Sap2000 V6 S2K Format Which can Import to Mirelo"), group);
    line2->setObjectName("Label2");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(line1);
    groupLayout->addWidget(line2);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* open = new QPushButton(tr("Open S2k"), this);
    open->setObjectName("Button1");
    auto* save = new QPushButton(tr("Save S2k"), this);
    save->setObjectName("Button2");
    connect(open, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { OpenClicked(); }); });
    connect(save, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { SaveClicked(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    resize(420, 300);
}

void V14ConverterDialog::OpenClicked()
{
    const std::optional<QString> path = fileChooser_.OpenFile(FileKind::Model, QString());
    if (path)
        Convert(*path);
}

// Either the whole conversion is kept, or nothing: a failure empties the
// output so that no partial text can be saved, and the summary says so.
void V14ConverterDialog::Convert(const QString& path)
{
    v6Lines_.Clear();
    converted_ = false;
    failedPath_ = path;
    const std::string file = QFile::encodeName(path).toStdString();
    try {
        V14Conversion conversion = ConvertV14File(LoadTextLines(file));
        v6Lines_ = std::move(conversion.lines);
        ShowSummary(V14Summary(conversion));
        converted_ = true;
        failedPath_.clear();
    } catch (const V14Error& e) {
        const std::string message = file + ": " + e.what();
        ShowSummary({kTitle, message, tr(kNothingConverted).toStdString()});
        throw Error(message);
    } catch (const Error& e) {
        ShowSummary({kTitle, e.what(), tr(kNothingConverted).toStdString()});
        throw;
    }
}

void V14ConverterDialog::SaveClicked()
{
    if (!converted_) {
        if (failedPath_.isEmpty())
            throw Error(tr("Nothing to save: open a SAP2000 V14 file first.").toStdString());
        throw Error(tr("Nothing to save: the conversion of \"%1\" failed.").arg(failedPath_).toStdString());
    }
    const std::optional<QString> path = fileChooser_.SaveFile(FileKind::Model, QString());
    if (path)
        SaveTextLinesAtomically(*path, v6Lines_);
}

void V14ConverterDialog::ShowSummary(const std::vector<std::string>& lines)
{
    memo_->clear();
    for (const std::string& line : lines)
        memo_->appendPlainText(DisplayText(line));
}

} // namespace mirelo
