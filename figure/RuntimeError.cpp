#include "RuntimeError.h"

namespace figure {

RuntimeError::RuntimeError(int number, const std::string &description)
    : std::runtime_error(description), m_number(number)
{
}

// The numbers are the ones teachers know from the classic runtime, so that an error
// reported by this program can be looked up; the descriptions are in Bulgarian.

RuntimeError RuntimeError::outOfMemory()
{
    return {7, "Недостатъчно памет"};
}

RuntimeError RuntimeError::floatingPoint()
{
    return {6, "Препълване: изчислението с плаваща запетая не дава крайно число"};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {13, "Несъответствие на типовете"};
}

RuntimeError RuntimeError::controlArrayElementMissing(int index)
{
    return {340, "Елемент " + std::to_string(index) + " на масива от контроли не съществува"};
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {380, "Невалидна стойност на свойство"};
}

RuntimeError RuntimeError::invalidPropertyArrayIndex()
{
    return {381, "Невалиден индекс в масив на свойство"};
}

RuntimeError RuntimeError::objectRequired()
{
    return {424, "Изисква се обект"};
}

} // namespace figure
