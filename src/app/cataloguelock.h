#pragma once

#include <QLockFile>
#include <QString>

namespace kvartson {

// Every start empties the scratch tables of the catalogue file, so a second
// copy of the program on the same catalogue would wipe the first one's work.
// The lock file beside the catalogue lets only one copy at a time use it.
class CatalogueLock
{
public:
    explicit CatalogueLock(const QString &catalogueFilePath);

    // False only when another running copy holds the catalogue. A lock that
    // cannot be made at all (no Data folder, read-only medium) does not stop
    // the start: opening the catalogue then reports what is wrong.
    bool acquire();
    QString refusal() const;

private:
    QLockFile m_lock;
};

} // namespace kvartson
