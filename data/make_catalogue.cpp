// Builds a catalogue file from the program's schema and row scripts:
//   make_catalogue <catalogue.sqlite> <rows.sql>...
#include "catalogue/catalogue.h"
#include "catalogue/catalogueerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs("usage: make_catalogue <catalogue.sqlite> <rows.sql>...\n", stderr);
        return 2;
    }
    const QString target = args.takeFirst();
    QFile::remove(target);
    try {
        kvartson::Catalogue::createFile(target, args);
    } catch (const kvartson::UserError &error) {
        std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
