// Readers of the element sections: FRAME, SHELL, SOLID.
#include "model/FrameAxis.h"
#include "model/SectionReader.h"

#include <algorithm>

namespace mirelo {

void ReadFrames(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "FRAME", where);
    const std::int32_t n = reader.DataLineCount();
    model.Frames.Reset(n);
    const NameIndex sections(model.FrameSections);
    LabelNames names(model.FrameNames, n);
    for (std::int32_t k = 1; k <= n; ++k) {
        const FieldList& f = reader.Split(k);
        names.Keep(k, f[0]);
        Frame& frame = model.Frames[k];
        frame.jointI = reader.Reference(2, "J", model.Joints, "joint");
        frame.jointJ = reader.Reference(3, "J", model.Joints, "joint");
        frame.segments = reader.Integer(7, "NSEG");
        frame.section = sections.Find(f[5]);
        frame.angle = reader.Real(9, "ANG");
        // The later of IREL and JREL on the line decides the released end.
        frame.releaseEnd = 0;
        for (std::size_t field = 0; field < std::min<std::size_t>(20, f.size()); ++field) {
            if (f[field] == "JREL")
                frame.releaseEnd = 2;
            if (f[field] == "IREL")
                frame.releaseEnd = 1;
        }
        const Joint& i = model.Joints[frame.jointI];
        const Joint& j = model.Joints[frame.jointJ];
        const Axis2 axis = ComputeFrameAxis2(i.x, i.y, i.z, j.x, j.y, j.z, frame.angle);
        frame.axis2X = axis.x;
        frame.axis2Y = axis.y;
        frame.axis2Z = axis.z;
    }
}

void ReadShells(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "SHELL", where);
    const std::int32_t n = reader.DataLineCount();
    model.Shells.Reset(n);
    const NameIndex sections(model.ShellSections);
    // The file lists the corners j1, j2, j3, j4 crosswise; the table keeps
    // them in perimeter order j1, j2, j4, j3.
    static constexpr std::size_t kCornerFields[] = {2, 3, 5, 4};
    LabelNames names(model.ShellNames, n);
    for (std::int32_t k = 1; k <= n; ++k) {
        const FieldList& f = reader.Split(k);
        names.Keep(k, f[0]);
        Shell& shell = model.Shells[k];
        for (std::size_t c = 0; c < 4; ++c)
            shell.joints[c + 1] = reader.Reference(kCornerFields[c], "J", model.Joints, "joint");
        shell.section = sections.Find(f[7]);
    }
    model.ActiveShellCount = 0;
    for (std::int32_t k = 1; k <= n; ++k) {
        const std::int32_t s = model.Shells[k].section;
        if (s != 0 && model.ShellSections[s].shellKind == 1)
            ++model.ActiveShellCount;
    }
}

void ReadSolids(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "SOLID", where);
    const std::int32_t n = reader.DataLineCount();
    model.Solids.Reset(n);
    static constexpr std::size_t kCornerFields[] = {2, 3, 5, 4, 6, 7, 9, 8};
    for (std::int32_t k = 1; k <= n; ++k) {
        reader.Split(k);
        Solid& solid = model.Solids[k];
        for (std::size_t c = 0; c < 8; ++c)
            solid.joints[c + 1] = reader.Reference(kCornerFields[c], "J", model.Joints, "joint");
        solid.section = reader.Integer(11, "SEC");
    }
}

} // namespace mirelo
