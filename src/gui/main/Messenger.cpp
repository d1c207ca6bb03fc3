#include "gui/main/Messenger.h"

#include <QApplication>
#include <QMessageBox>

namespace mirelo {

void MessageBoxMessenger::ShowError(const QString& message)
{
    QMessageBox::critical(parent_, QApplication::applicationDisplayName(), message);
}

void MessageBoxMessenger::ShowNote(const QString& message)
{
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), message);
}

} // namespace mirelo
