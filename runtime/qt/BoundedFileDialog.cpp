#include "BoundedFileDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace dirdock {

BoundedFileDialog::BoundedFileDialog(QWidget* parent, std::size_t capacity) : QFileDialog(parent), m_capacity(capacity)
{
}

// Only a choice the dialog would take is checked: a folder is still
// opened and a missing file still reported as the dialog does.
void BoundedFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.size() == 1 && QFileInfo(files.front()).isFile()) {
        const QByteArray path = encodedPath(files.front());
        if (!fits(path)) {
            refuse(path);
            return;
        }
    }
    QFileDialog::accept();
}

bool BoundedFileDialog::fits(const QByteArray& path) const
{
    return static_cast<std::size_t>(path.size()) < m_capacity;
}

QByteArray BoundedFileDialog::encodedPath(const QString& file)
{
    return QFile::encodeName(QDir::toNativeSeparators(file));
}

// Shown without a nested event loop, so the caller's loop keeps serving
// other windows.
void BoundedFileDialog::refuse(const QByteArray& path)
{
    const std::size_t most = m_capacity > 0 ? m_capacity - 1 : 0;
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                tr("The path of the chosen file is %1 bytes long; at most %2 fit. "
                                   "Choose a file with a shorter path.")
                                    .arg(path.size())
                                    .arg(most),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("pathTooLongMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

} // namespace dirdock
