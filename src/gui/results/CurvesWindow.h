#pragma once

#include "parallel/SuiteSummary.h"
#include "results/Curve.h"

#include <QDialog>

#include <functional>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QLineEdit;

namespace mirelo {

class FileChooser;
enum class FileKind;
struct Session;

// "Curves": the pushover curve (base shear against the control joint's
// displacement) or the time history (the control joint's displacement against
// time) of a run, read from the curve recorders' files in the run's folder
// with the session's analysis settings, or a suite's incremental dynamic
// analysis; either exported as PNG and CSV.
class CurvesWindow : public QDialog {
    Q_OBJECT

public:
    CurvesWindow(Session& session, FileChooser& files, QWidget* parent = nullptr);

    // The folder whose files "Load" reads; the working directory at first,
    // where the solver runs.
    void SetFolder(const QString& folder);
    // Reads and plots the curve; on failure the window says why and keeps
    // the curve it showed. Returns whether it read one.
    bool LoadCurve();
    // Asks where to save, then writes the shown curve; false when cancelled,
    // failed (the window says why) or nothing is shown.
    bool ExportPng();
    bool ExportCsv();

    // Plots a suite's incremental dynamic analysis: the scale against the
    // peak displacement of the control joint, one line per record.
    void ShowIda(const std::vector<IdaLine>& lines);

    const Curve& Shown() const { return curve_; }
    const std::vector<IdaLine>& ShownIda() const { return ida_; }
    QChartView* ChartView() const { return view_; }

private:
    // Asks for a file with that filter and saves the shown curve into it with `save`.
    bool Export(FileKind kind, const QString& filter, const std::function<void(const QString&)>& save);
    void Plot();
    void Say(const QString& text, bool failure);

    Session& session_;
    FileChooser& files_;
    Curve curve_;
    std::vector<IdaLine> ida_; // the incremental dynamic analysis shown instead, if any
    QLineEdit* folder_ = nullptr;
    QChartView* view_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace mirelo
