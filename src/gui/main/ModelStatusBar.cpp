#include "gui/main/ModelStatusBar.h"

#include "model/Model.h"

#include <QLabel>

#include <algorithm>

namespace mirelo {

namespace {

// A panel asks for its set width (or its text's, when longer) but may
// shrink with a small window instead of holding the window wide.
class StatusPanel : public QLabel {
public:
    StatusPanel(const QString& text, int width, QWidget* parent) : QLabel(text, parent), width_(width) {}
    QSize sizeHint() const override { return {std::max(width_, QLabel::sizeHint().width()), QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int width_;
};

QString CountText(std::int32_t count)
{
    return QString::number(std::max(count, 0));
}

} // namespace

ModelStatusBar::ModelStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    const char* const captions[kPanelCount] = {
        QT_TR_NOOP("Operation"), "", QT_TR_NOOP("Node"), "", QT_TR_NOOP("Frame"), "", QT_TR_NOOP("Shell"), "",
        QT_TR_NOOP("Solid"),     "", QT_TR_NOOP("Mat"),  "", QT_TR_NOOP("Fsec"),  "", QT_TR_NOOP("Wsec"),  "", ""};
    for (int i = 0; i < kPanelCount; ++i) {
        auto* panel = new StatusPanel(tr(captions[i]), i == 0 ? 80 : 50, this);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        addWidget(panel, i == kPanelCount - 1 ? 1 : 0);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    const auto extra = [this](const char* name, int width) {
        auto* panel = new StatusPanel("", width, this);
        panel->setObjectName(name);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        addPermanentWidget(panel);
        return panel;
    };
    plane_ = extra("PlanePanel", 130);
    cursor_ = extra("CursorPanel", 190);
}

QString ModelStatusBar::NoteText() const
{
    return panels_.back()->text();
}

void ModelStatusBar::SetNoteText(const QStringList& notes)
{
    panels_.back()->setText(notes.join("  "));
    panels_.back()->setToolTip(notes.join('\n'));
}

QString ModelStatusBar::PlaneText() const
{
    return plane_->text();
}

void ModelStatusBar::SetPlaneText(const QString& text)
{
    plane_->setText(text);
}

QString ModelStatusBar::CursorText() const
{
    return cursor_->text();
}

void ModelStatusBar::SetCursorText(const QString& text)
{
    cursor_->setText(text);
}

QString ModelStatusBar::PanelText(int panel) const
{
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void ModelStatusBar::SetPanelText(int panel, const QString& text)
{
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

void ModelStatusBar::ShowModelCounts(const Model& model)
{
    SetPanelText(3, CountText(model.Joints.count));
    SetPanelText(5, CountText(model.Frames.count));
    SetPanelText(7, CountText(model.ActiveShellCount));
    SetPanelText(9, CountText(model.Solids.count));
    SetPanelText(11, CountText(model.Materials.count));
    SetPanelText(13, CountText(model.FrameSections.count));
    SetPanelText(15, CountText(model.ShellSections.count));
}

} // namespace mirelo
