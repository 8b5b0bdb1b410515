// FileDialog from a procedure thread: the dialog opens on the GUI thread,
// the procedure waits, and the chosen path lands in its buffer.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <array>

#include "RuntimeDriver.h"

namespace dirdock {
namespace {

QFileDialog* OpenDialog()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* dialog = dynamic_cast<QFileDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

struct DialogOutcome {
    std::atomic<bool> done{false};
    std::int32_t result = -1;
    std::string buffer;
};

// A probe that opens the dialog at its first event with the given buffer
// contents, and notes what came back.
void DialogProbe(Probe& probe, DialogOutcome& outcome, std::string initial)
{
    probe.onEvent = [&outcome, initial](Probe&, const Seen& seen) {
        if (seen.event != EvOpened)
            return;
        std::array<char, 80> name{};
        AssignTerminated(name, initial);
        outcome.result = FileDialog("Choose a File", name, "All Files|*.*", 2);
        outcome.buffer = std::string(TerminatedText(name));
        outcome.done = true;
    };
}

using FileDialogTest = RuntimeTest;

TEST_F(FileDialogTest, ChosenFileGivesOneAndItsFullPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("chosen.txt");
    QFile(file).open(QIODevice::WriteOnly);
    DialogOutcome outcome;
    Probe probe;
    DialogProbe(probe, outcome, "");
    probe.start();
    ASSERT_TRUE(WaitUntil([] { return OpenDialog() != nullptr; }));
    QFileDialog* dialog = OpenDialog();
    EXPECT_EQ(dialog->windowTitle(), "Choose a File");
    EXPECT_FALSE(probe.window()->isEnabled()) << "the owner waits for the dialog";
    // The GUI thread still serves other windows while the dialog is open.
    EXPECT_EQ(GetProperty(frameRef, 0, PropWidth), "400");
    // As a person does: in the file's folder, once it is listed, type its
    // name into the name field and press Return.
    dialog->setDirectory(dir.path());
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return model->index(file).isValid() && model->rowCount(model->index(dir.path())) > 0; }));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    dialog->activateWindow();
    field->setFocus();
    field->setText("chosen.txt");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return outcome.done.load(); }));
    EXPECT_EQ(outcome.result, 1);
    EXPECT_EQ(outcome.buffer, QFile::encodeName(file).toStdString());
    ASSERT_TRUE(probe.waitOpened());
    EXPECT_TRUE(probe.window()->isEnabled());
    CloseWindow(probe.ref);
}

TEST_F(FileDialogTest, CancelGivesZeroAndLeavesTheBufferAlone)
{
    DialogOutcome outcome;
    Probe probe;
    DialogProbe(probe, outcome, "typed\\name.txt");
    probe.start();
    ASSERT_TRUE(WaitUntil([] { return OpenDialog() != nullptr; }));
    OpenDialog()->reject();
    ASSERT_TRUE(WaitUntil([&] { return outcome.done.load(); }));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.buffer, "typed\\name.txt");
    CloseWindow(probe.ref);
}

} // namespace
} // namespace dirdock
