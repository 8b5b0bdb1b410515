#include "TestHome.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace dirdock::test {

namespace {

std::unique_ptr<QTemporaryDir>& root()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

} // namespace

void TestHome::setUp()
{
    root() = std::make_unique<QTemporaryDir>();
    const QString base = root()->path();
    QDir(base).mkpath(QStringLiteral("home/.config"));
    QDir(base).mkpath(QStringLiteral("cache"));
    QDir(base).mkpath(QStringLiteral("data"));
    qputenv("HOME", QFile::encodeName(base + QStringLiteral("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("/home/.config")));
    // Font caches are not settings: keep them out of the watched home.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(base + QStringLiteral("/cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
}

void TestHome::tearDown()
{
    root().reset();
}

QString TestHome::home()
{
    return root() ? root()->path() + QStringLiteral("/home") : QString();
}

} // namespace dirdock::test
