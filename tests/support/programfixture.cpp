#include "support/programfixture.h"

#include "catalogue/catalogue.h"
#include "catalogue/sqlscript.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QTest>

static void initSupportResource()
{
    Q_INIT_RESOURCE(support);
}

namespace kvartson::test {

namespace {

QString fixtureRows()
{
    initSupportResource();
    QFile file(QStringLiteral(":/fixture/fixture_catalogue.sql"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("fixture catalogue missing");
    return QString::fromUtf8(file.readAll());
}

void writeScript(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.toUtf8());
}

} // namespace

WorkingDirectory::WorkingDirectory(const QString &extraSql, bool withCatalogue)
    : m_previous(QDir::currentPath())
{
    QDir dir(m_dir.path());
    dir.mkpath(QStringLiteral("Data"));
    dir.mkpath(QStringLiteral("Images"));
    dir.mkpath(QStringLiteral("Reports"));
    if (withCatalogue) {
        const QString rows = dir.filePath(QStringLiteral("rows.sql"));
        writeScript(rows, fixtureRows() + QLatin1Char('\n') + extraSql);
        Catalogue::createFile(cataloguePath(), {rows});
        QFile::remove(rows);
    }
    QDir::setCurrent(m_dir.path());
}

WorkingDirectory::~WorkingDirectory()
{
    QDir::setCurrent(m_previous);
}

QString WorkingDirectory::cataloguePath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Data/data.sqlite"));
}

ProgramFixture::ProgramFixture(const QString &extraSql, bool withCatalogue)
    : m_dir(extraSql, withCatalogue), m_program(std::make_unique<Program>())
{
    m_program->start();
    QWidget *window = m_program->mainWindow();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("main window not exposed");
}

bool ProgramFixture::activate()
{
    QApplication::setActiveWindow(main());
    return QTest::qWaitForWindowActive(main());
}

ProgramFixture::~ProgramFixture()
{
    m_program.reset();
}

void prepareApplication()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    setUpApplication();
}

} // namespace kvartson::test
