#pragma once

#include <QByteArray>
#include <QFileDialog>

#include <cstddef>

namespace dirdock {

// An open-file dialog that refuses, inside itself, a file whose path does
// not fit the caller's buffer, instead of letting the path be cut: it says
// why and stays open.
class BoundedFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // capacity: bytes of the caller's buffer, terminator included.
    BoundedFileDialog(QWidget* parent, std::size_t capacity);

    void accept() override;

    // The path's bytes and a terminator fit the buffer.
    bool fits(const QByteArray& path) const;
    // A chosen file's path as the caller gets it.
    static QByteArray encodedPath(const QString& file);

private:
    void refuse(const QByteArray& path);

    std::size_t m_capacity;
};

} // namespace dirdock
