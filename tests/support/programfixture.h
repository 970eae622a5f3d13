#pragma once

#include "app/mainwindow.h"
#include "app/program.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace kvartson::test {

// A temporary working directory with a small catalogue (Data/data.sqlite made
// from the program's schema and tests/support/fixture_catalogue.sql, plus any
// extra SQL), made the current directory while the fixture lives.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &extraSql = {}, bool withCatalogue = true);
    ~WorkingDirectory();

    QString path() const { return m_dir.path(); }
    QString cataloguePath() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The program started in such a working directory, as a user starts it.
class ProgramFixture
{
public:
    explicit ProgramFixture(const QString &extraSql = {}, bool withCatalogue = true);
    ~ProgramFixture();

    // Makes the main window the active one, so that focus and clicks behave
    // as on a desktop. False if the platform would not activate it.
    bool activate();

    MainWindow *main() const { return m_program->mainWindow(); }
    Program &program() const { return *m_program; }
    QString workingDirectory() const { return m_dir.path(); }
    QString cataloguePath() const { return m_dir.cataloguePath(); }

    template<typename T>
    T *find(const QString &objectName) const
    {
        T *found = main()->findChild<T *>(objectName);
        if (!found && main()->objectName() == objectName)
            found = qobject_cast<T *>(main());
        return found;
    }

private:
    WorkingDirectory m_dir;
    std::unique_ptr<Program> m_program;
};

// Starts the program's application set-up once per test process and makes the
// Russian locale the default, as on the users' machines.
void prepareApplication();

} // namespace kvartson::test
