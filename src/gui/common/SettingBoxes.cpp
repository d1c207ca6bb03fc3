#include "gui/common/SettingBoxes.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <QLineEdit>
#include <QVariant>

namespace mirelo {

namespace {

const char* const kExactValue = "exactValue";

} // namespace

std::string BoxNumber(double value)
{
    return FormatSignificant(value, 6);
}

void ShowBoxValue(QLineEdit* box, double value)
{
    box->setText(QString::fromStdString(BoxNumber(value))); // also clears "changed"
    box->setProperty(kExactValue, value);
}

double BoxValue(const QLineEdit* box)
{
    const QVariant exact = box->property(kExactValue);
    if (!box->isModified() && exact.isValid())
        return exact.toDouble();
    return ParseReal(box->text().toStdString());
}

void SettingBoxes::Show() const
{
    for (const Box& box : boxes_)
        box.edit->setText(QString::fromStdString(box.show())); // also clears "changed"
}

void SettingBoxes::Read() const
{
    for (const Box& box : boxes_) {
        if (!box.edit->isModified())
            continue;
        try {
            box.store(box.edit->text().toStdString());
        } catch (const ConversionError& error) {
            box.edit->setFocus();
            box.edit->selectAll();
            std::string_view caption = box.caption;
            while (caption.ends_with(' '))
                caption.remove_suffix(1);
            throw Error(std::string(caption) + ": " + error.what());
        } catch (const Error&) {
            box.edit->setFocus();
            box.edit->selectAll();
            throw; // a value out of range: the message starts with the caption
        }
    }
}

void SettingBoxes::ReadWhatConverts() const
{
    for (const Box& box : boxes_) {
        if (!box.edit->isModified())
            continue;
        try {
            box.store(box.edit->text().toStdString());
        } catch (const Error&) {
            // left as staged: Read names it when the user stores
        }
    }
}

SettingBoxes::Typed SettingBoxes::TypedTexts() const
{
    Typed typed;
    for (const Box& box : boxes_)
        typed.push_back(box.edit->isModified() ? std::optional(box.edit->text()) : std::nullopt);
    return typed;
}

void SettingBoxes::Retype(const Typed& typed) const
{
    for (std::size_t i = 0; i < boxes_.size() && i < typed.size(); ++i)
        if (typed[i]) {
            boxes_[i].edit->setText(*typed[i]);
            boxes_[i].edit->setModified(true);
        }
}

} // namespace mirelo
