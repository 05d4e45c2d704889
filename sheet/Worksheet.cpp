#include "Worksheet.h"

#include "ControlCharacters.h"

namespace sheet {

QString titleFrom(const QString &typed)
{
    return forms::withoutControlCharacters(typed).simplified();
}

} // namespace sheet
