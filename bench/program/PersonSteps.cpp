#include "PersonSteps.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <cstdio>

#include "tests/gui/program/ProgramDriver.h"
#include "tests/gui/program/ProgramWidgets.h"

namespace dirdock::bench {

using namespace dirdock::test;

namespace {

constexpr int BrowseButton = 3;

QLineEdit* NameField()
{
    QFileDialog* dialog = OpenDialog();
    return dialog == nullptr ? nullptr : dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

} // namespace

bool PressBrowse(ProgramDriver& driver, QMdiSubWindow* window)
{
    // Brought to the front first, as a person would, then pressed with the
    // mouse, so that the press goes the way of every press on the window.
    driver.onGui([window] {
        MdiArea()->setActiveSubWindow(window);
        QTest::mouseClick(Control(window, BrowseButton), Qt::LeftButton);
    });
    if (driver.waitUntil([] { return NameField() != nullptr; }))
        return true;
    driver.onGui([window] {
        std::printf("  no dialog: %lld file dialogs exist, window %s, browse button %s\n",
                    static_cast<long long>(qApp->findChildren<QFileDialog*>().size() +
                                           MdiArea()->findChildren<QFileDialog*>().size()),
                    window->isEnabled() ? "enabled" : "disabled",
                    Control(window, BrowseButton)->isEnabled() ? "enabled" : "disabled");
    });
    return false;
}

void TypeInDialog(ProgramDriver& driver, const QString& path)
{
    // Set, not typed: over a large directory the completer's popup would
    // open at a moment of its own and take the Return meant for the dialog.
    driver.onGui([path] { NameField()->setText(path); });
}

void AcceptDialog(ProgramDriver& driver, const std::function<void()>& before)
{
    driver.onGui([&before] {
        before();
        QTest::keyClick(NameField(), Qt::Key_Return);
    });
}

bool WaitDialogGone(ProgramDriver& driver)
{
    return driver.waitUntil([] { return OpenDialog() == nullptr; });
}

bool CloseDirectoryWindow(ProgramDriver& driver, QMdiSubWindow* window)
{
    QPointer<QMdiSubWindow> guard = driver.onGui([window] { return QPointer<QMdiSubWindow>(window); });
    driver.onGui([guard] {
        if (guard)
            guard->close();
    });
    return driver.waitUntil([guard] { return guard.isNull() || !guard->isVisible(); });
}

} // namespace dirdock::bench
