#pragma once

#include <stdexcept>
#include <string>

namespace figure {

// A failed operation. It leaves the running event handler at once and is reported
// to the user with its number and description; the program then goes on.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string &description);

    int number() const { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError outOfMemory();
    static RuntimeError floatingPoint();
    static RuntimeError typeMismatch();
    static RuntimeError controlArrayElementMissing(int index);
    static RuntimeError invalidPropertyValue();
    static RuntimeError invalidPropertyArrayIndex();
    static RuntimeError objectRequired();

private:
    int m_number;
};

} // namespace figure
