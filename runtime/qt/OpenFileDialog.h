#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

#include "runtime/qt/SettingsFiles.h"

class QWidget;

namespace dirdock {

struct OpenFileRequest {
    QString title;
    QString filter;          // "description|pattern|description|pattern..."
    QByteArray initialName;  // local 8-bit encoding
    std::size_t capacity = 0; // bytes of the caller's buffer, terminator included
};

// Opens Qt's own open-file dialog as a top-level window owned by `owner`'s
// top-level window, disables `owner` until it closes, and calls done
// exactly once, on the GUI thread: the chosen file's full path in local
// 8-bit encoding, or std::nullopt when cancelled or when the dialog closes
// because its owner goes away. Returns at once.
void StartOpenFileDialog(QWidget* owner, const OpenFileRequest& request,
                         std::function<void(std::optional<QByteArray>)> done);

// Closes every open-file dialog still open, each reporting cancelled.
void CloseAllOpenFileDialogs();

// "All Files|*.*" as Qt name filters: "All Files (*)".
QStringList ToQtNameFilters(const QString& filter);

} // namespace dirdock
