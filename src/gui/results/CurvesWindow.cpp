#include "gui/results/CurvesWindow.h"

#include "gui/common/AtomicSave.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "session/Session.h"
#include "common/Errors.h"
#include "common/NumberText.h"

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
    setWindowTitle("Curves");
    resize(640, 480);

    folder_ = new QLineEdit(QDir::currentPath(), this);
    folder_->setObjectName("FolderEdit");
    QPushButton* browse = NamedWidget<QPushButton>("BrowseButton", "Browse...", this);
    QPushButton* load = NamedWidget<QPushButton>("LoadButton", "Load", this);
    connect(browse, &QPushButton::clicked, this, [this] {
        // A run's folder is where its curve file is.
        if (const auto file = files_.OpenFile(FileKind::Result, "Curve recorder file|curve_disp.out")) {
            SetFolder(QFileInfo(*file).absolutePath());
            LoadCurve();
        }
    });
    connect(load, &QPushButton::clicked, this, [this] { LoadCurve(); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Run folder", this));
    top->addWidget(folder_, 1);
    top->addWidget(browse);
    top->addWidget(load);

    view_ = new QChartView(new QChart, this);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->chart()->legend()->hide();

    status_ = new QLabel(this);
    status_->setObjectName("StatusLabel");
    QPushButton* png = NamedWidget<QPushButton>("ExportPngButton", "Export PNG...", this);
    QPushButton* csv = NamedWidget<QPushButton>("ExportCsvButton", "Export CSV...", this);
    QPushButton* close = NamedWidget<QPushButton>("CloseButton", "Close", this);
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
    QString text = QString("%1 steps").arg(curve_.x.size());
    if (const std::optional<std::size_t> peak = PeakStep(curve_)) {
        const ModelUnits& units = session_.model.Units;
        const auto value = [](double v, const std::string& unit) {
            const QString number = QString::fromStdString(FormatGeneral(v));
            return unit.empty() ? number : number + ' ' + UnitText(unit);
        };
        const bool pushover = curve_.kind == CurveKind::Pushover;
        text += QString("; peak %1 %2 at %3")
                    .arg(pushover ? "base shear" : "displacement",
                         value(curve_.y[*peak], pushover ? units.force : units.length),
                         pushover ? value(curve_.x[*peak], units.length) : "time " + value(curve_.x[*peak], "s"));
    }
    Say(text, false);
    return true;
}

void CurvesWindow::Plot()
{
    QChart* chart = view_->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis); // the chart gives the axis back to the caller
        delete axis;
    }
    const bool pushover = curve_.kind == CurveKind::Pushover;
    chart->setTitle(pushover ? "Pushover curve" : "Time history");
    auto* series = new QLineSeries;
    if (pushover)
        series->append(0, 0); // the curve starts where the push starts
    for (std::size_t i = 0; i < curve_.x.size(); ++i)
        series->append(curve_.x[i], curve_.y[i]);
    chart->addSeries(series);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    const auto inUnit = [](const char* quantity, const std::string& unit) {
        return unit.empty() ? QString(quantity) : QString("%1 (%2)").arg(quantity, UnitText(unit));
    };
    const ModelUnits& units = session_.model.Units;
    x->setTitleText(pushover ? inUnit("Displacement", units.length) : inUnit("Time", "s"));
    y->setTitleText(pushover ? inUnit("Base shear", units.force) : inUnit("Displacement", units.length));
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

bool CurvesWindow::ExportPng()
{
    return Export(FileKind::Picture, "PNG picture|*.png", [this](const QString& path) { SavePngAtomically(path, view_->grab().toImage()); });
}

bool CurvesWindow::ExportCsv()
{
    return Export(FileKind::Result, "CSV file|*.csv", [this](const QString& path) { SaveBytesAtomically(path, CurveCsv(curve_)); });
}

bool CurvesWindow::Export(FileKind kind, const char* filter, const std::function<void(const QString&)>& save)
{
    if (curve_.x.empty())
        return Say("No curve to export", true), false;
    const auto path = files_.SaveFile(kind, filter);
    if (!path)
        return false;
    try {
        save(*path);
    } catch (const Error& e) {
        Say(QString::fromStdString(e.what()), true);
        return false;
    }
    Say("Saved " + *path, false);
    return true;
}

void CurvesWindow::Say(const QString& text, bool failure)
{
    status_->setText(text);
    status_->setStyleSheet(failure ? "color: #b00000" : "");
}

} // namespace mirelo
