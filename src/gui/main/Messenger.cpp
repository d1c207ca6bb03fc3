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

SaveChoice MessageBoxMessenger::AskToSaveChanges(const QString& document)
{
    const auto answer = QMessageBox::question(
        parent_, QApplication::applicationDisplayName(),
        QCoreApplication::translate("Messenger", "Save the changes to %1?").arg(document),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return SaveChoice::Save;
    return answer == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

} // namespace mirelo
