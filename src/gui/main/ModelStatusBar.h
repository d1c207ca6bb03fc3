#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace mirelo {

struct Model;

// StatusBar1: seventeen text panels. Panel 0 is the caption "Operation",
// panel 1 the mouse mode, then caption and count pairs for nodes, frames,
// shells, solids, materials, frame sections and shell sections; panel 16 is empty.
class ModelStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kPanelCount = 17;
    static constexpr int kModePanel = 1;

    explicit ModelStatusBar(QWidget* parent = nullptr);

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

    // ShowModelCounts: each count as max(count, 0) into panels 3, 5, ... 15.
    void ShowModelCounts(const Model& model);

    // Two panels at the right end: the plane the view shows ("Z = 4 (2 of 4)")
    // and the model coordinates under the cursor.
    QString PlaneText() const;
    void SetPlaneText(const QString& text);
    QString CursorText() const;
    void SetCursorText(const QString& text);
    // The last panel: what the import of the model said ("The file ends
    // without its END line ..."), all of it in the tool tip; empty for none.
    QString NoteText() const;
    void SetNoteText(const QStringList& notes);

private:
    std::array<QLabel*, kPanelCount> panels_{};
    QLabel* plane_ = nullptr;
    QLabel* cursor_ = nullptr;
};

} // namespace mirelo
