#pragma once

namespace dirdock {

// Makes Qt keep no settings file: called once by the runtime right after
// QApplication exists.
void DisableSettingsFiles();

} // namespace dirdock
