#include "gui/results/CurvesWindow.h"

#include "gui/common/AtomicSave.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "gui/common/SettingBoxes.h"
#include "session/Session.h"
#include "common/Errors.h"
#include "common/NumberText.h"
#include "script/RecorderFiles.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace mirelo {

namespace {

// Spans the axis over low..high in nice numbers. An empty span (no points, or
// all at one value) is widened first: Qt's nice numbers of an empty span are
// nan, and the axis would warn and show no scale.
void ClearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis); // the chart gives the axis back to the caller
        delete axis;
    }
}

QString InUnit(const QString& quantity, const std::string& unit)
{
    return unit.empty() ? quantity : QStringLiteral("%1 (%2)").arg(quantity, UnitText(unit));
}

void SpanAxis(QValueAxis* axis, double low, double high)
{
    if (low > high)
        low = high = 0;
    if (low == high) {
        const double margin = low == 0 ? 1 : std::abs(low) / 2;
        low -= margin;
        high += margin;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

} // namespace

CurvesWindow::CurvesWindow(Session& session, FileChooser& files, QWidget* parent)
    : QDialog(parent), session_(session), files_(files)
{
    setObjectName("CurvesWindow");
    setWindowTitle(tr("Curves"));
    resize(640, 480);

    folder_ = new QLineEdit(QDir::currentPath(), this);
    folder_->setObjectName("FolderEdit");
    QPushButton* browse = NamedWidget<QPushButton>("BrowseButton", tr("Browse..."), this);
    QPushButton* load = NamedWidget<QPushButton>("LoadButton", tr("Load"), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        // A run's folder is where its curve file is.
        if (const auto file = files_.OpenFile(FileKind::Result, tr("Curve recorder file|%1").arg(kCurveDisplacementFileName))) {
            SetFolder(QFileInfo(*file).absolutePath());
            LoadCurve();
        }
    });
    connect(load, &QPushButton::clicked, this, [this] { LoadCurve(); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Run folder"), this));
    top->addWidget(folder_, 1);
    top->addWidget(browse);
    top->addWidget(load);

    view_ = new QChartView(new QChart, this);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->chart()->legend()->hide();

    status_ = new QLabel(this);
    status_->setObjectName("StatusLabel");
    QPushButton* png = NamedWidget<QPushButton>("ExportPngButton", tr("Export PNG..."), this);
    QPushButton* csv = NamedWidget<QPushButton>("ExportCsvButton", tr("Export CSV..."), this);
    QPushButton* close = NamedWidget<QPushButton>("CloseButton", tr("Close"), this);
    connect(png, &QPushButton::clicked, this, [this] { ExportPng(); });
    connect(csv, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(png);
    bottom->addWidget(csv);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
}

void CurvesWindow::SetFolder(const QString& folder)
{
    folder_->setText(folder);
}

bool CurvesWindow::LoadCurve()
{
    try {
        curve_ = ReadCurve(QFile::encodeName(folder_->text()).toStdString(), session_.analysis);
    } catch (const Error& e) {
        Say(QString::fromStdString(e.what()), true);
        return false;
    }
    Plot();
    QString text = tr("%1 steps").arg(curve_.x.size());
    if (const std::optional<std::size_t> peak = PeakStep(curve_)) {
        const ModelUnits& units = session_.model.Units;
        const auto value = [](double v, const std::string& unit) {
            const QString number = QString::fromStdString(BoxNumber(v));
            return unit.empty() ? number : number + ' ' + UnitText(unit);
        };
        const bool pushover = curve_.kind == CurveKind::Pushover;
        text += pushover ? tr("; peak base shear %1 at %2")
                               .arg(value(curve_.y[*peak], units.force), value(curve_.x[*peak], units.length))
                         : tr("; peak displacement %1 at time %2")
                               .arg(value(curve_.y[*peak], units.length), value(curve_.x[*peak], "s"));
    }
    Say(text, false);
    return true;
}

void CurvesWindow::Plot()
{
    QChart* chart = view_->chart();
    ClearChart(chart);
    ida_.clear();
    const bool pushover = curve_.kind == CurveKind::Pushover;
    chart->setTitle(pushover ? tr("Pushover curve") : tr("Time history"));
    auto* series = new QLineSeries;
    if (pushover)
        series->append(0, 0); // the curve starts where the push starts
    for (std::size_t i = 0; i < curve_.x.size(); ++i)
        series->append(curve_.x[i], curve_.y[i]);
    chart->addSeries(series);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    const ModelUnits& units = session_.model.Units;
    x->setTitleText(pushover ? InUnit(tr("Displacement"), units.length) : InUnit(tr("Time"), "s"));
    y->setTitleText(pushover ? InUnit(tr("Base shear"), units.force) : InUnit(tr("Displacement"), units.length));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QPointF low(std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity());
    QPointF high = -low;
    for (const QPointF& point : series->points()) {
        low = {std::min(low.x(), point.x()), std::min(low.y(), point.y())};
        high = {std::max(high.x(), point.x()), std::max(high.y(), point.y())};
    }
    SpanAxis(x, low.x(), high.x());
    SpanAxis(y, low.y(), high.y());
}

void CurvesWindow::ShowIda(const std::vector<IdaLine>& lines)
{
    QChart* chart = view_->chart();
    ClearChart(chart);
    curve_ = Curve{};
    ida_ = lines;
    chart->setTitle(tr("Incremental dynamic analysis"));
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(InUnit(tr("Peak displacement"), session_.model.Units.length));
    y->setTitleText(tr("Scale"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double xHigh = 0, yHigh = 0;
    for (const IdaLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(line.record));
        series->append(0, 0); // every line starts at rest
        for (std::size_t i = 0; i < line.intensity.size(); ++i) {
            series->append(line.peakDisplacement[i], line.intensity[i]);
            xHigh = std::max(xHigh, line.peakDisplacement[i]);
            yHigh = std::max(yHigh, line.intensity[i]);
        }
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    SpanAxis(x, 0, xHigh);
    SpanAxis(y, 0, yHigh);
    Say(tr("%1 record(s): the scale against the control joint's peak displacement").arg(lines.size()), false);
}

bool CurvesWindow::ExportPng()
{
    return Export(FileKind::Picture, tr("PNG picture|*.png"), [this](const QString& path) { SavePngAtomically(path, view_->grab().toImage()); });
}

bool CurvesWindow::ExportCsv()
{
    return Export(FileKind::Result, tr("CSV file|*.csv"), [this](const QString& path) {
        SaveBytesAtomically(path, ida_.empty() ? CurveCsv(curve_) : IdaCsv(ida_));
    });
}

bool CurvesWindow::Export(FileKind kind, const QString& filter, const std::function<void(const QString&)>& save)
{
    const bool idaPoints = std::any_of(ida_.begin(), ida_.end(), [](const IdaLine& line) { return !line.intensity.empty(); });
    if (curve_.x.empty() && !idaPoints)
        return Say(tr("No curve to export"), true), false;
    const auto path = files_.SaveFile(kind, filter);
    if (!path)
        return false;
    try {
        save(*path);
    } catch (const Error& e) {
        Say(QString::fromStdString(e.what()), true);
        return false;
    }
    Say(tr("Saved %1").arg(*path), false);
    return true;
}

void CurvesWindow::Say(const QString& text, bool failure)
{
    status_->setText(text);
    status_->setStyleSheet(failure ? "color: #b00000" : "");
}

} // namespace mirelo
