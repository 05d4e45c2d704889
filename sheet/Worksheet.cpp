#include "Worksheet.h"

namespace sheet {

QString titleFrom(const QString &typed)
{
    QString title = typed;
    title.removeIf([](QChar c) { return c.category() == QChar::Other_Control && !c.isSpace(); });
    return title.simplified();
}

} // namespace sheet
