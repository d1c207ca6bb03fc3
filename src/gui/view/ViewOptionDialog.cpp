#include "gui/view/ViewOptionDialog.h"

#include "gui/common/CommandHost.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirelo {

namespace {

struct LayerBox {
    const char* caption;
    bool LayerSwitches::*flag;
};

// CheckBox1 .. CheckBox13 from top to bottom.
const std::array<LayerBox, ViewOptionDialog::kLayerCount> kLayerBoxes = {{
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Node"), &LayerSwitches::ShowNodes},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Node Labels"), &LayerSwitches::ShowNodeLabels},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Frame"), &LayerSwitches::ShowFrames},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Frame Labels"), &LayerSwitches::ShowFrameLabels},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Frame Axis"), &LayerSwitches::ShowFrameAxes},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Node Support"), &LayerSwitches::ShowSupports},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Diaphragms"), &LayerSwitches::ShowDiaphragms},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Hinge Circle"), &LayerSwitches::ShowHingeCircles},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Shell Element"), &LayerSwitches::ShowShells},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Shell Labels"), &LayerSwitches::ShowShellLabels},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Moment Release"), &LayerSwitches::ShowReleases},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Solid Element"), &LayerSwitches::ShowSolids},
    {QT_TRANSLATE_NOOP("mirelo::ViewOptionDialog", "Solid Label"), &LayerSwitches::ShowSolidLabels},
}};

} // namespace

ViewOptionDialog::ViewOptionDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm4");
    setWindowTitle(tr("View Option"));
    setFont(QFont("Arial", 8));

    auto* group = new QGroupBox(tr("Object View"), this);
    group->setObjectName("GroupBox1");
    auto* boxLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(tr(kLayerBoxes[i].caption), group);
        boxes_[i]->setObjectName(QString("CheckBox%1").arg(i + 1));
        boxLayout->addWidget(boxes_[i]);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("Button2");
    connect(ok, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { AcceptClicked(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClicked(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void ViewOptionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void ViewOptionDialog::FormShow()
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(session_.view.LayerFlags.*kLayerBoxes[i].flag);
}

void ViewOptionDialog::AcceptClicked()
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        session_.view.LayerFlags.*kLayerBoxes[i].flag = boxes_[i]->isChecked();
    close();
    host_.Redraw();
}

void ViewOptionDialog::CancelClicked()
{
    close();
}

} // namespace mirelo
