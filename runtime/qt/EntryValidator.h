#pragma once

#include <QValidator>

namespace dirdock {

// Accepts a text whose UTF-8 form fits the entry's bound variable.
class EntryValidator : public QValidator {
public:
    EntryValidator(int capacity, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    int m_capacity;
};

} // namespace dirdock
