#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "QtPrinting.h"
#include "TestHome.h"
#include "WaitFor.h"
#include "runtime/qt/OpenFileDialog.h"

namespace dirdock::test {
namespace {

using Outcome = std::optional<QByteArray>;

QFileDialog* openDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

std::vector<QFileDialog*> openDialogs()
{
    std::vector<QFileDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible())
            dialogs.push_back(dialog);
    }
    return dialogs;
}

// A frame window holding the owner, as a directory window sits in the frame.
class OpenFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("sub")));
        writeFile(QStringLiteral("alpha.txt"));
        writeFile(QStringLiteral("sub/beta.txt"));
        frame = std::make_unique<QWidget>();
        owner = new QWidget(frame.get());
        other = new QWidget(frame.get());
        auto* layout = new QVBoxLayout(frame.get());
        layout->addWidget(owner);
        layout->addWidget(other);
        frame->resize(300, 200);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        currentBefore = QDir::currentPath();
    }

    void TearDown() override
    {
        CloseAllOpenFileDialogs();
        WaitFor([] { return openDialog() == nullptr; });
        EXPECT_EQ(QDir::currentPath(), currentBefore);
    }

    void writeFile(const QString& name)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QFileDialog* start(const QByteArray& initialName, std::size_t capacity = 80)
    {
        StartOpenFileDialog(owner, OpenFileRequest{QStringLiteral("Choose a File"), QStringLiteral("All Files|*.*"),
                                                   initialName, capacity},
                            [this](Outcome outcome) { outcomes.push_back(std::move(outcome)); });
        QFileDialog* dialog = nullptr;
        WaitFor([&] { return (dialog = openDialog()) != nullptr; });
        return dialog;
    }

    // The dialog lists a folder in the background; a name typed before
    // it is listed is not matched to its file.
    static bool waitUntilListed(QFileDialog* dialog, const QString& name)
    {
        auto* model = dialog->findChild<QFileSystemModel*>();
        if (model == nullptr)
            return false;
        return WaitFor([&] {
            const QModelIndex index = model->index(dialog->directory().filePath(name));
            return index.isValid() && index.parent() == model->index(dialog->directory().absolutePath());
        });
    }

    static void typeAndOpen(QFileDialog* dialog, const QString& name)
    {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(field, nullptr);
        // Typed as a user types: into the focused field of the active dialog.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        field->setFocus();
        ASSERT_TRUE(WaitFor([&] { return field->hasFocus(); }));
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QByteArray pathOf(const QString& name) const { return QFile::encodeName(QDir::toNativeSeparators(folder.filePath(name))); }

    QTemporaryDir folder;
    std::unique_ptr<QWidget> frame;
    QWidget* owner = nullptr;
    QWidget* other = nullptr;
    std::vector<Outcome> outcomes;
    QString currentBefore;
};

TEST_F(OpenFileDialogTest, IsQtsOwnOpenDialogOverTheOwnersWindow)
{
    QFileDialog* dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Choose a File"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("All Files (*)")});
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->parentWidget(), frame.get());
    EXPECT_TRUE(outcomes.empty());
}

TEST_F(OpenFileDialogTest, DisablesOnlyTheOwnerWhileOpen)
{
    QFileDialog* dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(owner->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    typeAndOpen(dialog, QStringLiteral("alpha.txt"));
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    EXPECT_TRUE(owner->isEnabled());
}

TEST_F(OpenFileDialogTest, DeliversTheChosenFilesFullPath)
{
    QFileDialog* dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    typeAndOpen(dialog, QStringLiteral("alpha.txt"));
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    ASSERT_TRUE(outcomes[0].has_value());
    EXPECT_EQ(*outcomes[0], pathOf(QStringLiteral("alpha.txt")));
    EXPECT_TRUE(WaitFor([] { return openDialog() == nullptr; }));
}

TEST_F(OpenFileDialogTest, DeliversAFileChosenInAnotherDirectoryWithoutChangingTheCurrentOne)
{
    QFileDialog* dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    typeAndOpen(dialog, QStringLiteral("sub"));
    ASSERT_TRUE(WaitFor([&] { return dialog->directory().absolutePath() == folder.filePath(QStringLiteral("sub")); }));
    EXPECT_TRUE(outcomes.empty());
    ASSERT_TRUE(waitUntilListed(dialog, QStringLiteral("beta.txt")));
    typeAndOpen(dialog, QStringLiteral("beta.txt"));
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    ASSERT_TRUE(outcomes[0].has_value());
    EXPECT_EQ(*outcomes[0], pathOf(QStringLiteral("sub/beta.txt")));
    EXPECT_EQ(QDir::currentPath(), currentBefore);
}

TEST_F(OpenFileDialogTest, CancellingDeliversNothing)
{
    QFileDialog* dialog = start(QByteArray());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes[0].has_value());
    EXPECT_TRUE(owner->isEnabled());
}

TEST_F(OpenFileDialogTest, RefusesAPathThatDoesNotFitAndStaysOpen)
{
    const QByteArray path = pathOf(QStringLiteral("alpha.txt"));
    // The path's bytes and the terminator need one byte more than this.
    QFileDialog* dialog = start(QFile::encodeName(folder.path()), static_cast<std::size_t>(path.size()));
    ASSERT_NE(dialog, nullptr);
    typeAndOpen(dialog, QStringLiteral("alpha.txt"));
    QMessageBox* message = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        message = dialog->findChild<QMessageBox*>(QStringLiteral("pathTooLongMessage"));
        return message != nullptr && message->isVisible();
    }));
    EXPECT_TRUE(message->text().contains(QStringLiteral("%1 bytes long; at most %2 fit").arg(path.size()).arg(path.size() - 1)))
        << message->text().toStdString();
    EXPECT_TRUE(outcomes.empty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(owner->isEnabled());
    message->accept();
    EXPECT_TRUE(outcomes.empty());
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes[0].has_value());
}

TEST_F(OpenFileDialogTest, AcceptsAPathThatJustFits)
{
    const QByteArray path = pathOf(QStringLiteral("alpha.txt"));
    QFileDialog* dialog = start(QFile::encodeName(folder.path()), static_cast<std::size_t>(path.size()) + 1);
    ASSERT_NE(dialog, nullptr);
    typeAndOpen(dialog, QStringLiteral("alpha.txt"));
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    ASSERT_TRUE(outcomes[0].has_value());
    EXPECT_EQ(*outcomes[0], path);
}

TEST_F(OpenFileDialogTest, StartsFromTheInitialName)
{
    struct Case {
        QByteArray initial;
        QString directory;
        QString selected; // the name field's text
    };
    const QString file = folder.filePath(QStringLiteral("sub/beta.txt"));
    const Case cases[] = {
        {QFile::encodeName(folder.path()), folder.path(), QString()},
        {QFile::encodeName(folder.path()) + "   ", folder.path(), QString()},
        {QFile::encodeName(file), folder.filePath(QStringLiteral("sub")), QStringLiteral("beta.txt")},
        {QByteArray("no-such-file.txt"), QDir::currentPath(), QStringLiteral("no-such-file.txt")},
        {QFile::encodeName(folder.filePath(QStringLiteral("sub/*.*"))), folder.filePath(QStringLiteral("sub")),
         QStringLiteral("*.*")},
        {QFile::encodeName(folder.filePath(QStringLiteral("gone/x.txt"))), QDir::currentPath(),
         folder.filePath(QStringLiteral("gone/x.txt"))},
        {QByteArray(), QDir::currentPath(), QString()},
    };
    for (const Case& c : cases) {
        QFileDialog* dialog = start(c.initial);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QFileInfo(dialog->directory().absolutePath()).canonicalFilePath(), QFileInfo(c.directory).canonicalFilePath())
            << c.initial.toStdString();
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), c.selected) << c.initial.toStdString();
        QTest::keyClick(dialog, Qt::Key_Escape);
        ASSERT_TRUE(WaitFor([] { return openDialog() == nullptr; }));
    }
    EXPECT_EQ(outcomes.size(), std::size(cases));
}

TEST_F(OpenFileDialogTest, ReportsCancelledOnceWhenTheOwnerGoesAway)
{
    QPointer<QFileDialog> dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    delete owner;
    owner = nullptr;
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes[0].has_value());
    EXPECT_TRUE(WaitFor([&] { return dialog.isNull(); }));
    EXPECT_EQ(outcomes.size(), 1u);
}

TEST_F(OpenFileDialogTest, ReportsCancelledOnceWhenTheOwnersWindowGoesAway)
{
    QPointer<QFileDialog> dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    frame.reset();
    owner = nullptr;
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes[0].has_value());
    EXPECT_TRUE(dialog.isNull());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(outcomes.size(), 1u);
}

TEST_F(OpenFileDialogTest, ClosingDownCancelsEveryOpenDialog)
{
    start(QFile::encodeName(folder.path()));
    QWidget secondOwner;
    secondOwner.show();
    Outcome second = QByteArray("untouched");
    bool secondDone = false;
    StartOpenFileDialog(&secondOwner, OpenFileRequest{QStringLiteral("Second"), QStringLiteral("All Files|*.*"), {}, 80},
                        [&](Outcome outcome) {
                            second = std::move(outcome);
                            secondDone = true;
                        });
    ASSERT_TRUE(WaitFor([] { return openDialogs().size() == 2; }));
    EXPECT_FALSE(secondOwner.isEnabled());
    CloseAllOpenFileDialogs();
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_FALSE(outcomes[0].has_value());
    EXPECT_TRUE(secondDone);
    EXPECT_FALSE(second.has_value());
    EXPECT_TRUE(secondOwner.isEnabled());
    EXPECT_TRUE(owner->isEnabled());
    EXPECT_TRUE(WaitFor([] { return openDialogs().empty(); }));
}

// Paths and sizes and contents of every file under a folder.
std::map<QString, QByteArray> filesUnder(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>");
    }
    return files;
}

TEST_F(OpenFileDialogTest, LeavesNoSettingsFileBehind)
{
    const QString home = TestHome::home();
    ASSERT_FALSE(home.isEmpty());
    ASSERT_EQ(qgetenv("XDG_CONFIG_HOME"), QFile::encodeName(home + QStringLiteral("/.config")));
    const auto before = filesUnder(home);
    QPointer<QFileDialog> dialog = start(QFile::encodeName(folder.path()));
    ASSERT_NE(dialog, nullptr);
    typeAndOpen(dialog, QStringLiteral("sub"));
    ASSERT_TRUE(WaitFor([&] { return dialog->directory().absolutePath() == folder.filePath(QStringLiteral("sub")); }));
    ASSERT_TRUE(waitUntilListed(dialog, QStringLiteral("beta.txt")));
    typeAndOpen(dialog, QStringLiteral("beta.txt"));
    ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 1 && dialog.isNull(); }));
    EXPECT_EQ(filesUnder(home), before);
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/.config/QtProject.conf")));
}

struct FilterCase {
    const char* filter;
    QStringList expected;
};

TEST(OpenFileDialogFilters, TurnsPairsIntoQtNameFilters)
{
    const FilterCase cases[] = {
        {"All Files|*.*", {QStringLiteral("All Files (*)")}},
        {"Text|*.txt;*.log|All Files|*.*", {QStringLiteral("Text (*.txt *.log)"), QStringLiteral("All Files (*)")}},
        {"All Files|*.*|", {QStringLiteral("All Files (*)")}},
        {"Pictures|*.png; *.bmp", {QStringLiteral("Pictures (*.png *.bmp)")}},
        {"Lonely", {QStringLiteral("Lonely (*)")}},
        {"|*.txt", {QStringLiteral("*.txt (*.txt)")}},
        {"", {QStringLiteral("All Files (*)")}},
    };
    for (const FilterCase& c : cases)
        EXPECT_EQ(ToQtNameFilters(QString::fromUtf8(c.filter)), c.expected) << c.filter;
}

} // namespace
} // namespace dirdock::test
