#include "app/cataloguelock.h"

namespace kvartson {

CatalogueLock::CatalogueLock(const QString &catalogueFilePath)
    : m_lock(catalogueFilePath + QStringLiteral(".lock"))
{
    // A lock left by a crashed copy is taken over by QLockFile's stale check.
    m_lock.setStaleLockTime(0);
}

bool CatalogueLock::acquire()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString CatalogueLock::refusal() const
{
    return QStringLiteral("Каталог уже открыт другой копией программы Кварцон. "
                          "Закройте ее и запустите программу снова");
}

} // namespace kvartson
