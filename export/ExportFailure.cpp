#include "ExportFailure.h"

#include <cstring>

#ifdef __GLIBC__
#include <langinfo.h>
#include <locale.h>
#endif

namespace figureexport {

ExportFailure ExportFailure::noMemory(const QString &path, int size)
{
    return {.kind = Kind::NoMemory, .file = path, .size = size};
}

ExportFailure ExportFailure::notDrawn(const QString &path, const char *format)
{
    return {.kind = Kind::NotDrawn, .file = path, .format = QLatin1String(format)};
}

QString ExportFailure::reason(const Words &words) const
{
    switch (kind) {
    case Kind::UnknownType:
        return words.unknownType;
    case Kind::NoMemory:
        return size > 0 ? words.noMemoryForSize.arg(size) : words.noMemory;
    case Kind::NotDrawn:
        return words.notDrawn.arg(format);
    case Kind::NotWritten:
        return systemReason;
    case Kind::NotRegularFile:
        return words.notRegularFile;
    case Kind::PrinterNotOpened:
        return words.printerNotOpened;
    case Kind::PageNotTaken:
        return words.pageNotTaken;
    }
    Q_UNREACHABLE();
}

#ifdef __GLIBC__
namespace {

// Characters in UTF-8: C.UTF-8, or where it is missing (LOCPATH names a folder
// without it) the user's own, if that is UTF-8.
locale_t utf8Characters()
{
    for (const char *name : {"C.UTF-8", ""}) {
        const locale_t characters = newlocale(LC_CTYPE_MASK, name, locale_t(nullptr));
        if (characters && std::strcmp(nl_langinfo_l(CODESET, characters), "UTF-8") == 0)
            return characters;
        if (characters)
            freelocale(characters);
    }
    return locale_t(nullptr);
}

// The user's locale for messages (LC_ALL, LC_MESSAGES or LANG, and LANGUAGE before
// them), its words in UTF-8: made here, since the program need not have called
// setlocale, nor made an application that would, before it has a reason to say.
locale_t usersMessages()
{
    const locale_t characters = utf8Characters();
    if (!characters)
        return locale_t(nullptr);
    const locale_t users = newlocale(LC_MESSAGES_MASK, "", characters);
    return users ? users : newlocale(LC_MESSAGES_MASK, "C", characters);
}

} // namespace

QString ExportFailure::systemReasonOf(int error)
{
    // Made for each reason and let go after it: reasons are few, and nothing stays.
    const locale_t messages = usersMessages();
    if (!messages)
        return QString::fromLocal8Bit(std::strerror(error));
    const QString reason = QString::fromUtf8(strerror_l(error, messages));
    freelocale(messages);
    return reason;
}
#else
QString ExportFailure::systemReasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
#endif

} // namespace figureexport
