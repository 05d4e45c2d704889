#include "RuntimeError.h"

#include "FormsTexts.h"

namespace forms {

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{
}

// The numbers are the ones teachers know from the classic runtime, so that an error
// reported by this program can be looked up; the descriptions are in Bulgarian.

RuntimeError RuntimeError::outOfMemory()
{
    return {7, outOfMemoryText};
}

RuntimeError RuntimeError::overflow()
{
    return {6, overflowText};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {13, typeMismatchText};
}

RuntimeError RuntimeError::controlArrayElementMissing(int index)
{
    return {340, elementMissingText.arg(index)};
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {380, invalidPropertyValueText};
}

RuntimeError RuntimeError::invalidPropertyArrayIndex()
{
    return {381, invalidPropertyIndexText};
}

RuntimeError RuntimeError::objectRequired()
{
    return {424, objectRequiredText};
}

} // namespace forms
