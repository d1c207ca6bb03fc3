#include "gui/main/AboutDialog.h"

#include "gui/main/HelpLinks.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace mirelo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutDialog");
    setWindowTitle(tr("About Mirelo"));
    auto* text = new QLabel(AboutText(), this);
    text->setObjectName("AboutText");
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(true);
    text->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace mirelo
