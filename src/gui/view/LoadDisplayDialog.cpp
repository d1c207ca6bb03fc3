#include "gui/view/LoadDisplayDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "session/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace mirelo {

LoadDisplayDialog::LoadDisplayDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm5");
    setWindowTitle(tr("Show Load"));
    setFont(QFont("Arial", 8));

    auto* typeLabel = new QLabel(tr("Load Type"), this);
    typeLabel->setObjectName("Label1");
    loadType_ = new QComboBox(this);
    loadType_->setObjectName("ComboBox1");
    loadType_->addItems({tr("Point Force"), tr("Element Load")});
    loadType_->setCurrentIndex(0);
    auto* caseLabel = new QLabel(tr("Load Case"), this);
    caseLabel->setObjectName("Label2");
    loadCase_ = new QComboBox(this);
    loadCase_->setObjectName("ComboBox2");
    loadCase_->setMinimumContentsLength(12);
    auto* displayLabel = new QLabel(tr("Display"), this);
    displayLabel->setObjectName("Label3");
    display_ = new QComboBox(this);
    display_->setObjectName("ComboBox3");
    display_->addItems({tr("Arrows"), tr("Text labels")});
    display_->setCurrentIndex(static_cast<int>(session_.view.LoadDisplay));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("Button2");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("Button1");
    connect(ok, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { AcceptClicked(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClicked(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(typeLabel, 0, 0);
    layout->addWidget(loadType_, 0, 1);
    layout->addWidget(caseLabel, 1, 0);
    layout->addWidget(loadCase_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addWidget(displayLabel, 2, 0);
    layout->addWidget(display_, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);
}

void LoadDisplayDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

// The case list is rebuilt from the model on every showing; the load type
// keeps what was chosen last time.
void LoadDisplayDialog::FormShow()
{
    const Model& model = session_.model;
    const auto named = static_cast<std::int32_t>(model.LoadCaseNames.size()) - 1;
    const std::int32_t count = std::min(model.LoadCaseCount, named);
    loadCase_->clear();
    for (std::int32_t c = 1; c <= count; ++c)
        loadCase_->addItem(DisplayText(model.LoadCaseNames[static_cast<std::size_t>(c)]));
    loadCase_->setCurrentIndex(count > 0 ? 0 : -1);
}

void LoadDisplayDialog::AcceptClicked()
{
    close();
    session_.view.LoadCaseShown = loadCase_->currentIndex() + 1;
    session_.view.LoadTypeShown = loadType_->currentIndex() + 1;
    session_.view.LoadDisplay = display_->currentIndex() == 1 ? LoadStyle::TextLabels : LoadStyle::Arrows;
    host_.Redraw();
}

void LoadDisplayDialog::CancelClicked()
{
    close();
}

} // namespace mirelo
