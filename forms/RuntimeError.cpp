#include "RuntimeError.h"

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
    return {7, QStringLiteral("Недостатъчно памет")};
}

RuntimeError RuntimeError::overflow()
{
    return {6, QStringLiteral("Препълване: изчислението с плаваща запетая не дава крайно число")};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {13, QStringLiteral("Несъответствие на типовете")};
}

RuntimeError RuntimeError::controlArrayElementMissing(int index)
{
    return {340, QStringLiteral("Елемент %1 на масива от контроли не съществува").arg(index)};
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {380, QStringLiteral("Невалидна стойност на свойство")};
}

RuntimeError RuntimeError::invalidPropertyArrayIndex()
{
    return {381, QStringLiteral("Невалиден индекс в масив на свойство")};
}

RuntimeError RuntimeError::objectRequired()
{
    return {424, QStringLiteral("Изисква се обект")};
}

} // namespace forms
