#include "app/errorguard.h"

#include "catalogue/catalogueerror.h"

#include <QMessageBox>

namespace kvartson {

void showError(QWidget *parent, const QString &message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox::critical(parent, QStringLiteral("Кварцон"), text);
}

void showCurrentException(QWidget *parent)
{
    try {
        throw;
    } catch (const UserError &error) {
        showError(parent, error.message());
    } catch (const std::exception &error) {
        showError(parent, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(parent, QStringLiteral("Неизвестная ошибка"));
    }
}

} // namespace kvartson
