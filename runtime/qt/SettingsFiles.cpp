#include "SettingsFiles.h"

#include <QSettings>

namespace dirdock {

namespace {

// A folder below a device cannot be made, so no settings file can be
// written there.
constexpr const char* NowherePath = "/dev/null/dirdock";

} // namespace

// The file dialog keeps its history in the user's settings when it is
// destroyed; the program keeps nothing, so every settings path of Qt's
// points nowhere.
void DisableSettingsFiles()
{
    const QString nowhere = QString::fromLatin1(NowherePath);
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
    }
}

} // namespace dirdock
