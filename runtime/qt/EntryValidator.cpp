#include "EntryValidator.h"

namespace dirdock {

EntryValidator::EntryValidator(int capacity, QObject* parent)
    : QValidator(parent), m_capacity(capacity)
{
}

QValidator::State EntryValidator::validate(QString& input, int&) const
{
    return input.toUtf8().size() > m_capacity ? Invalid : Acceptable;
}

} // namespace dirdock
