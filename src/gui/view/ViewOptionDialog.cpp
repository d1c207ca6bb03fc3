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
    {"Node", &LayerSwitches::ShowNodes},
    {"Node Labels", &LayerSwitches::ShowNodeLabels},
    {"Frame", &LayerSwitches::ShowFrames},
    {"Frame Labels", &LayerSwitches::ShowFrameLabels},
    {"Frame Axis", &LayerSwitches::ShowFrameAxes},
    {"Node Support", &LayerSwitches::ShowSupports},
    {"Diaphragms", &LayerSwitches::ShowDiaphragms},
    {"Hinge Circle", &LayerSwitches::ShowHingeCircles},
    {"Shell Element", &LayerSwitches::ShowShells},
    {"Shell Labels", &LayerSwitches::ShowShellLabels},
    {"Moment Release", &LayerSwitches::ShowReleases},
    {"Solid Element", &LayerSwitches::ShowSolids},
    {"Solid Label", &LayerSwitches::ShowSolidLabels},
}};

} // namespace

ViewOptionDialog::ViewOptionDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm4");
    setWindowTitle("View Option");
    setFont(QFont("Arial", 8));

    auto* group = new QGroupBox("Object View", this);
    group->setObjectName("GroupBox1");
    auto* boxLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(kLayerBoxes[i].caption, group);
        boxes_[i]->setObjectName(QString("CheckBox%1").arg(i + 1));
        boxLayout->addWidget(boxes_[i]);
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
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
