#pragma once

// Small hand-built models for the viewer tests, and pixel helpers.

#include "model/Model.h"

#include <QColor>
#include <QImage>

#include <array>
#include <vector>

namespace mirelo::test {

struct Point3 {
    double x, y, z;
};

// A model with the given joints and empty element tables (every table sized,
// so record 0 exists as after an import).
inline Model ModelWithJoints(const std::vector<Point3>& points)
{
    Model model;
    model.Joints.Reset(static_cast<std::int32_t>(points.size()));
    for (std::size_t k = 0; k < points.size(); ++k) {
        Joint& joint = model.Joints[static_cast<std::int32_t>(k + 1)];
        joint.x = points[k].x;
        joint.y = points[k].y;
        joint.z = points[k].z;
    }
    model.Frames.Reset(0);
    model.FrameSections.Reset(0);
    model.Shells.Reset(0);
    model.ShellSections.Reset(0);
    model.Solids.Reset(0);
    model.Loads.Reset(0);
    model.Constraints.Reset(0);
    return model;
}

// Appends a record to a table, keeping the others.
template <typename Record>
std::int32_t Append(Table<Record>& table, const Record& record)
{
    std::vector<Record> kept;
    for (std::int32_t k = 1; k <= table.count; ++k)
        kept.push_back(table[k]);
    kept.push_back(record);
    table.Reset(static_cast<std::int32_t>(kept.size()));
    for (std::size_t k = 0; k < kept.size(); ++k)
        table[static_cast<std::int32_t>(k + 1)] = kept[k];
    return table.count;
}

inline std::int32_t AddFrameSection(Model& model, std::int32_t colour, std::int32_t elementKind = kElasticBeamColumn)
{
    FrameSection section;
    section.colour = colour;
    section.elementKind = elementKind;
    return Append(model.FrameSections, section);
}

inline std::int32_t AddFrame(Model& model, std::int32_t jointI, std::int32_t jointJ, std::int32_t section)
{
    Frame frame;
    frame.jointI = jointI;
    frame.jointJ = jointJ;
    frame.section = section;
    return Append(model.Frames, frame);
}

// 24-bit colour (red in the low byte) as Qt sees it.
inline QColor Colour(std::int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline QColor PixelAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

inline int CountPixels(const QImage& image, QColor colour, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
    return count;
}

// Pixels of text in a region: dark (and antialiased grey) ones.
inline int CountDarkPixels(const QImage& image, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

} // namespace mirelo::test
