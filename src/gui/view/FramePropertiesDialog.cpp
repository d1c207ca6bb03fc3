#include "gui/view/FramePropertiesDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "session/Session.h"
#include "common/NumberText.h"
#include "model/ElementKinds.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

// The element formulation by name and number; the number alone for one that is no kind.
QString ElementKindName(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    if (!info)
        return QString::number(kind);
    return QStringLiteral("%1 (%2)").arg(OwnText(info->name)).arg(kind);
}

// A measure for the sheet: at most four decimals, no trailing zeros.
QString Measure(double value)
{
    const double rounded = std::round(value * 1e4) / 1e4;
    return QString::fromStdString(FormatGeneral(rounded == 0 ? 0.0 : rounded));
}

QString ReleaseText(std::int32_t releaseEnd)
{
    switch (releaseEnd) {
    case 1:
        return QCoreApplication::translate("mirelo::FramePropertiesDialog", "end i (IREL)");
    case 2:
        return QCoreApplication::translate("mirelo::FramePropertiesDialog", "end j (JREL)");
    default:
        return QCoreApplication::translate("mirelo::FramePropertiesDialog", "none");
    }
}

} // namespace

FramePropertiesDialog::FramePropertiesDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm9");
    setWindowTitle(tr("Frame Properties"));
    QFont font("Arial", 8);
    font.setBold(true);
    setFont(font);

    auto* label = new QLabel(tr("Frame Label"), this);
    label->setObjectName("Label1");
    frameNumber_ = new QLineEdit(this);
    frameNumber_->setObjectName("Edit1");
    frameNumber_->setReadOnly(true);
    auto* refresh = new QPushButton(tr("Refresh"), this);
    refresh->setObjectName("Button1");
    connect(refresh, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { ShowFrameProperties(); }); });

    sheet_ = new QTableWidget(kRowCount, 2, this);
    sheet_->setObjectName("StringGrid1");
    sheet_->horizontalHeader()->hide();
    sheet_->verticalHeader()->hide();
    sheet_->setColumnWidth(0, 120);
    sheet_->setColumnWidth(1, 110);
    sheet_->verticalHeader()->setDefaultSectionSize(24);
    sheet_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sheet_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sheet_->setSelectionMode(QAbstractItemView::NoSelection);
    sheet_->setMinimumSize(120 + 110 + sheet_->verticalScrollBar()->sizeHint().width() + 4, 24 * 10 + 4);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("Button2");
    connect(ok, &QPushButton::clicked, this, [this] { AcceptClicked(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(frameNumber_, 0, 1);
    layout->addWidget(refresh, 0, 2);
    layout->addWidget(sheet_, 1, 0, 1, 3);
    layout->addWidget(ok, 2, 2);
    FormCreate();
}

// The first row and column are fixed cells, shaded like headers.
void FramePropertiesDialog::SetCell(int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    if (row == 0 || column == 0)
        item->setBackground(palette().button());
    sheet_->setItem(row, column, item);
}

void FramePropertiesDialog::FormCreate()
{
    const char* const captions[] = {QT_TR_NOOP("Label"),    QT_TR_NOOP("Node i"), QT_TR_NOOP("Node j"),
                                    QT_TR_NOOP("Angle"),    QT_TR_NOOP("Section"), QT_TR_NOOP("Element Type"),
                                    QT_TR_NOOP("Material"), QT_TR_NOOP("Length"), QT_TR_NOOP("Releases"),
                                    QT_TR_NOOP("Local 2 axis")};
    constexpr int kCaptioned = static_cast<int>(std::size(captions));
    for (int row = 0; row < kRowCount; ++row) {
        SetCell(row, 0, row < kCaptioned ? tr(captions[row]) : QString());
        SetCell(row, 1, "");
    }
}

void FramePropertiesDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    host_.RunCommand([this] { FormShow(); });
}

void FramePropertiesDialog::FormShow()
{
    frameNumber_->setText(QString::number(session_.view.SelectedFrame));
    ShowFrameProperties();
}

void FramePropertiesDialog::FollowSelection()
{
    host_.RunCommand([this] { FormShow(); });
}

// A frame without a section (or a section without a material) shows empty
// cells rather than reading a record that does not exist.
void FramePropertiesDialog::ShowFrameProperties()
{
    const Model& model = session_.model;
    const std::int32_t n = ParseInteger(frameNumber_->text().toStdString());
    const Frame& frame = model.Frames.At(n);
    QString sectionName, elementKind, materialName;
    if (model.FrameSections.Contains(frame.section)) {
        const FrameSection& section = model.FrameSections[frame.section];
        sectionName = DisplayText(section.name);
        elementKind = ElementKindName(section.elementKind);
        if (model.Materials.Contains(section.material))
            materialName = DisplayText(model.Materials[section.material].name);
    }
    // Numbers as the script writes them, with the file's labels where they differ.
    SetCell(0, 1, DisplayText(FrameCaption(model, n)));
    SetCell(1, 1, DisplayText(JointCaption(model, frame.jointI)));
    SetCell(2, 1, DisplayText(JointCaption(model, frame.jointJ)));
    SetCell(3, 1, QString::fromStdString(FormatGeneral(frame.angle)));
    SetCell(4, 1, sectionName);
    SetCell(5, 1, elementKind);
    SetCell(6, 1, materialName);
    QString length;
    if (model.Joints.Contains(frame.jointI) && model.Joints.Contains(frame.jointJ)) {
        const Joint& i = model.Joints[frame.jointI];
        const Joint& j = model.Joints[frame.jointJ];
        const QString unit = UnitText(model.Units.length);
        length = Measure(std::sqrt((j.x - i.x) * (j.x - i.x) + (j.y - i.y) * (j.y - i.y) + (j.z - i.z) * (j.z - i.z))) +
                 (unit.isEmpty() ? QString() : ' ' + unit);
    }
    SetCell(7, 1, length);
    SetCell(8, 1, ReleaseText(frame.releaseEnd));
    SetCell(9, 1, QStringLiteral("(%1, %2, %3)").arg(Measure(frame.axis2X), Measure(frame.axis2Y), Measure(frame.axis2Z)));
    // The values column widens for the longer texts (element kind names), the
    // dialog with it.
    int valueWidth = 110;
    for (int row = 0; row < kRowCount; ++row)
        if (const QTableWidgetItem* item = sheet_->item(row, 1))
            valueWidth = std::max(valueWidth, sheet_->fontMetrics().horizontalAdvance(item->text()) + 12);
    if (valueWidth != sheet_->columnWidth(1)) {
        sheet_->setColumnWidth(1, valueWidth);
        sheet_->setMinimumWidth(120 + valueWidth + sheet_->verticalScrollBar()->sizeHint().width() + 4);
        adjustSize();
    }
}

void FramePropertiesDialog::AcceptClicked()
{
    close();
}

// Every way of closing (OK, the close box, Escape) ends here.
void FramePropertiesDialog::done(int result)
{
    QDialog::done(result);
    host_.RunCommand([this] { FormClose(); });
}

void FramePropertiesDialog::FormClose()
{
    session_.view.SelectedFrame = 0;
    host_.Redraw();
}

} // namespace mirelo
