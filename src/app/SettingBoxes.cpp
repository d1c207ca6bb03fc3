#include "app/SettingBoxes.h"

#include "common/Errors.h"

#include <QLineEdit>

namespace mirelo {

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

} // namespace mirelo
