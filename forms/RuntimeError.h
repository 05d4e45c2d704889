#pragma once

#include <QString>

#include <stdexcept>

namespace forms {

// A failed operation. It leaves the running event handler at once and is reported
// to the user with its number and description; the program then goes on.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString &description);

    int number() const { return m_number; }
    QString description() const { return m_description; }

    static RuntimeError outOfMemory();
    static RuntimeError overflow();
    static RuntimeError typeMismatch();
    static RuntimeError controlArrayElementMissing(int index);
    static RuntimeError invalidPropertyValue();
    static RuntimeError invalidPropertyArrayIndex();
    static RuntimeError objectRequired();

private:
    int m_number;
    QString m_description;
};

} // namespace forms
