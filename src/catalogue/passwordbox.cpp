#include "catalogue/passwordbox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>

namespace kvartson {

namespace {

// Styles choose their own mask character (often a bullet); the box shows "*",
// and never the last typed character for a moment.
class AsteriskMaskStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return QLatin1Char('*').unicode();
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QString askCataloguePassword(QWidget *parent)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("PasswordBox"));
    box.setWindowTitle(QStringLiteral("Доступ к базе данных"));
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(QStringLiteral("Введите пароль"));
    box.setTextEchoMode(QLineEdit::Password);
    box.setTextValue(QString());
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Отмена"));
    if (auto *field = box.findChild<QLineEdit *>()) {
        field->setObjectName(QStringLiteral("PasswordText"));
        field->setMaxLength(255);
        auto *style = new AsteriskMaskStyle(QStyleFactory::create(field->style()->name()));
        style->setParent(field);
        field->setStyle(style);
    }
    box.adjustSize();
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}

} // namespace kvartson
