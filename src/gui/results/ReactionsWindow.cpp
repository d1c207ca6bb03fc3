#include "gui/results/ReactionsWindow.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/NamedWidget.h"
#include "gui/common/StatusLine.h"
#include "gui/results/ResultStepBar.h"
#include "gui/results/RunFolderRow.h"
#include "script/RecorderFiles.h"
#include "session/ResultLoading.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mirelo {

namespace {

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

ReactionsWindow::ReactionsWindow(Session& session, CommandHost& host, FileChooser& files, ResultStepBar& steps,
                                 QWidget* parent)
    : QDialog(parent), session_(session), host_(host), steps_(steps)
{
    setObjectName("ReactionsWindow");
    setWindowTitle(tr("Reactions"));

    folder_ = new RunFolderRow(steps_, files, this);
    connect(folder_, &RunFolderRow::LoadRequested, this, [this] { LoadReactions(); });
    table_ = NamedWidget<QTableWidget>("ReactionTable", 0, 1 + static_cast<int>(kReactionValuesPerJoint), this);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    equilibrium_ = NamedWidget<QLabel>("EquilibriumLabel", this);
    equilibrium_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    drawn_ = NamedWidget<QCheckBox>("ShowInDrawingCheck", tr("Show in Drawing"), this);
    drawn_->setChecked(true);
    connect(drawn_, &QCheckBox::toggled, this, [this](bool on) {
        session_.view.ShowReactions = on && session_.results.HasReactions();
        host_.RunCommand([this] { host_.Redraw(); });
    });
    status_ = new StatusLine(this);
    auto* close = NamedWidget<QPushButton>("CloseButton", tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addWidget(table_, 1);
    layout->addWidget(equilibrium_);
    layout->addWidget(drawn_);
    layout->addWidget(status_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 420);
}

bool ReactionsWindow::LoadReactions()
{
    folder_->ShowFolder();
    ViewState& view = session_.view;
    const bool wasShown = view.ShowReactions;
    view.ShowReactions = drawn_->isChecked();
    try {
        steps_.ShowStep({ShownStep(session_.results), std::nullopt});
    } catch (const std::exception& error) {
        view.ShowReactions = wasShown;
        status_->Say(DisplayText(error.what()), true);
        return false;
    }
    StepShown();
    return session_.results.HasReactions();
}

void ReactionsWindow::StepShown()
{
    const ResultSet& results = session_.results;
    if (!isVisible() || results.loaded.kind != LoadedResults::Kind::LoadStep)
        return;
    if (!results.HasReactions() || results.reactions.step != results.loaded.step) {
        try {
            mirelo::LoadReactions(session_, results.loaded.folder, ShownStep(results));
        } catch (const std::exception& error) {
            status_->Say(DisplayText(error.what()), true);
            return;
        }
    }
    const SupportReactions& reactions = results.reactions;
    status_->Say(tr("Step %1 of %2").arg(reactions.step).arg(reactions.stepCount), false);
    ShowTable();
}

// One row per support, then the totals (moments about the global origin).
void ReactionsWindow::ShowTable()
{
    const Model& model = session_.model;
    const SupportReactions& reactions = session_.results.reactions;
    QStringList headers{tr("Joint")};
    for (std::size_t a = 0; a < kReactionValuesPerJoint; ++a) {
        const std::string unit = ReactionUnit(model, a);
        headers << QString::fromLatin1(kReactionComponents[a])
                       + (unit.empty() ? QString() : QStringLiteral(" (") + OwnText(unit) + ")");
    }
    table_->setHorizontalHeaderLabels(headers);
    const auto supports = static_cast<int>(reactions.joints.size());
    table_->setRowCount(supports + 1);
    for (int s = 0; s < supports; ++s) {
        table_->setItem(s, 0, Cell(DisplayText(JointCaption(model, reactions.joints[static_cast<std::size_t>(s)]))));
        for (std::size_t a = 0; a < kReactionValuesPerJoint; ++a)
            table_->setItem(s, static_cast<int>(a) + 1,
                            Cell(OwnText(ReactionValueText(
                                reactions.values[static_cast<std::size_t>(s) * kReactionValuesPerJoint + a]))));
    }
    const ForceTotals totals = ReactionTotals(model, reactions);
    table_->setItem(supports, 0, Cell(tr("Total")));
    for (std::size_t a = 0; a < kReactionValuesPerJoint; ++a)
        table_->setItem(supports, static_cast<int>(a) + 1, Cell(OwnText(ReactionValueText(totals[a]))));
    QStringList lines;
    for (const std::string& line : EquilibriumLines(model, totals, session_.results.applied))
        lines << OwnText(line);
    equilibrium_->setText(lines.join('\n'));
}

} // namespace mirelo
