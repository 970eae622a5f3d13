#include "app/program.h"

#include "app/cataloguelock.h"
#include "app/errorguard.h"
#include "app/mainwindow.h"
#include "app/windows.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace kvartson {

Program::Program() = default;

Program::~Program() = default;

void Program::start()
{
    m_main = std::make_unique<MainWindow>();
    createDialogs(m_main.get());
    m_main->show();
    // The frame is known once the window is shown: 1191 x 842 is the size of
    // the whole window, and the whole window is centred.
    const QSize frame = m_main->frameGeometry().size() - m_main->geometry().size();
    m_main->resize(QSize(1191, 842) - frame);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect whole = m_main->frameGeometry();
        whole.moveCenter(screen->availableGeometry().center());
        m_main->move(whole.topLeft());
    }
}

QDialog *Program::window(const char *objectName) const
{
    return m_main ? m_main->findChild<QDialog *>(QLatin1String(objectName)) : nullptr;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Кварцон"));
    QApplication::setApplicationDisplayName(QString());
    // The platform's interface font at the program's 8 points.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    static bool translated = false;
    if (!translated) {
        translated = true;
        auto *translator = new QTranslator(qApp);
        if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(translator);
    }
}

int runProgram(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();

    CatalogueLock lock(MainWindow::catalogueFilePath(QDir::currentPath()));
    if (!lock.acquire()) {
        showError(nullptr, lock.refusal());
        return 1;
    }

    Program program;
    program.start();
    return app.exec();
}

} // namespace kvartson
