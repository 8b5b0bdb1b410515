#include "OpenFileDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

#include "BoundedFileDialog.h"

namespace dirdock {

namespace {

// One open dialog: reports its outcome exactly once and gives the owner
// back its input when it ends, however it ends.
class OpenFileSession : public QObject {
public:
    OpenFileSession(QWidget* owner, const OpenFileRequest& request,
                    std::function<void(std::optional<QByteArray>)> done);
    ~OpenFileSession() override;

    void cancel();

private:
    void onFinished(int result);
    void onOwnerGone();
    void onDialogGone();
    void report(std::optional<QByteArray> path);
    void setUpStart(const QByteArray& initialName);
    void showInNameField(const QString& name);

    QPointer<QWidget> m_owner;
    QPointer<BoundedFileDialog> m_dialog;
    std::function<void(std::optional<QByteArray>)> m_done;
    bool m_reported = false;
};

std::vector<OpenFileSession*>& openSessions()
{
    static std::vector<OpenFileSession*> sessions;
    return sessions;
}

// A window child of a disabled widget is disabled with it, so a dialog
// whose owner is a window of its own has no parent and stays on top of
// the owner through its window system parent instead.
QWidget* dialogParentFor(QWidget* owner)
{
    QWidget* window = owner != nullptr ? owner->window() : nullptr;
    return window == owner ? nullptr : window;
}

OpenFileSession::OpenFileSession(QWidget* owner, const OpenFileRequest& request,
                                 std::function<void(std::optional<QByteArray>)> done)
    : m_owner(owner), m_done(std::move(done))
{
    openSessions().push_back(this);
    m_dialog = new BoundedFileDialog(dialogParentFor(owner), request.capacity);
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
    m_dialog->setFileMode(QFileDialog::ExistingFile);
    m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_dialog->setWindowTitle(request.title);
    m_dialog->setNameFilters(ToQtNameFilters(request.filter));
    m_dialog->setWindowModality(Qt::NonModal);
    setUpStart(request.initialName);
    connect(m_dialog, &QDialog::finished, this, &OpenFileSession::onFinished);
    connect(m_dialog, &QObject::destroyed, this, &OpenFileSession::onDialogGone);
    if (owner != nullptr) {
        connect(owner, &QObject::destroyed, this, &OpenFileSession::onOwnerGone);
        owner->setEnabled(false);
    }
    if (m_dialog->parentWidget() == nullptr && owner != nullptr && owner->windowHandle() != nullptr) {
        m_dialog->winId();
        m_dialog->windowHandle()->setTransientParent(owner->windowHandle());
    }
    m_dialog->show();
}

OpenFileSession::~OpenFileSession()
{
    auto& sessions = openSessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), this), sessions.end());
}

// An existing directory is where to start; an existing file is selected in
// its directory; a name in an existing directory, such as a pattern, starts
// there with the name in the field; anything else starts in the current
// directory with the whole name in the field.
void OpenFileSession::setUpStart(const QByteArray& initialName)
{
    QByteArray trimmed = initialName;
    while (trimmed.endsWith(' '))
        trimmed.chop(1);
    const QString name = QFile::decodeName(trimmed);
    const QFileInfo info(name);
    if (name.isEmpty()) {
        m_dialog->setDirectory(QDir::currentPath());
    } else if (info.isDir()) {
        m_dialog->setDirectory(info.absoluteFilePath());
    } else if (info.exists() || (name.contains(QLatin1Char('/')) && info.dir().exists())) {
        m_dialog->setDirectory(info.absolutePath());
        m_dialog->selectFile(info.fileName());
    } else {
        m_dialog->setDirectory(QDir::currentPath());
        showInNameField(name);
    }
}

// Selecting a path whose folder does not exist makes the dialog rewrite
// it, so the name goes into the name field as it is.
void OpenFileSession::showInNameField(const QString& name)
{
    auto* field = m_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (field != nullptr)
        field->setText(name);
    else
        m_dialog->selectFile(name);
}

void OpenFileSession::cancel()
{
    if (m_dialog)
        m_dialog->reject();
}

void OpenFileSession::onFinished(int result)
{
    std::optional<QByteArray> path;
    const QStringList files = m_dialog->selectedFiles();
    if (result == QDialog::Accepted && files.size() == 1) {
        QByteArray encoded = BoundedFileDialog::encodedPath(files.front());
        if (m_dialog->fits(encoded))
            path = std::move(encoded);
    }
    m_dialog->hide();
    m_dialog->deleteLater();
    report(std::move(path));
}

void OpenFileSession::onOwnerGone()
{
    cancel();
    report(std::nullopt);
}

void OpenFileSession::onDialogGone()
{
    report(std::nullopt);
}

void OpenFileSession::report(std::optional<QByteArray> path)
{
    if (m_reported)
        return;
    m_reported = true;
    if (m_dialog)
        disconnect(m_dialog, nullptr, this, nullptr);
    if (m_owner)
        m_owner->setEnabled(true);
    auto done = std::move(m_done);
    deleteLater();
    openSessions().erase(std::remove(openSessions().begin(), openSessions().end(), this), openSessions().end());
    if (done)
        done(std::move(path));
}

QString toQtPattern(const QString& pattern)
{
    QStringList parts;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(QLatin1Char(' '));
}

} // namespace

QStringList ToQtNameFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.back().trimmed().isEmpty())
        parts.removeLast();
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = toQtPattern(i + 1 < parts.size() ? parts[i + 1] : QString());
        filters << (description.isEmpty() ? pattern : description) + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    if (filters.isEmpty())
        filters << QStringLiteral("All Files (*)");
    return filters;
}

void StartOpenFileDialog(QWidget* owner, const OpenFileRequest& request,
                         std::function<void(std::optional<QByteArray>)> done)
{
    new OpenFileSession(owner, request, std::move(done));
}

void CloseAllOpenFileDialogs()
{
    std::vector<QPointer<OpenFileSession>> sessions(openSessions().begin(), openSessions().end());
    for (const QPointer<OpenFileSession>& session : sessions) {
        if (session)
            session->cancel();
    }
}

} // namespace dirdock
