#pragma once

#include <QString>

#include <functional>

class QMdiSubWindow;

namespace dirdock::test {
class ProgramDriver;
}

namespace dirdock::bench {

using test::ProgramDriver;

// What a person does with the program, carried over to the GUI thread.
// Each returns false when the program did not answer within the driver's
// timeout.

// Presses the window's browse button and waits for the open-file dialog.
bool PressBrowse(ProgramDriver& driver, QMdiSubWindow* window);
// Puts a path into the dialog's name field, without accepting it.
void TypeInDialog(ProgramDriver& driver, const QString& path);
// Runs before() on the GUI thread, then presses Return in the name field,
// which makes the dialog accept the file.
void AcceptDialog(ProgramDriver& driver, const std::function<void()>& before);
bool WaitDialogGone(ProgramDriver& driver);
// Closes a directory window as its close button would, and waits until
// the program has taken it away.
bool CloseDirectoryWindow(ProgramDriver& driver, QMdiSubWindow* window);

} // namespace dirdock::bench
