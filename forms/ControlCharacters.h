#pragma once

#include <QByteArray>
#include <QString>

namespace forms {

// Text from outside (a file name, an argument, an environment variable) shown in a
// message: control characters, line separators and direction marks become visible
// escapes (\n, \e, \x07, \x85, \u2028, \u202e), so a message stays one line, shows
// a name as it is, and nothing reaches a terminal as a command.
QString quoteControlCharacters(const QString &text);

// The same for bytes that may not be UTF-8: each byte that is not part of valid
// UTF-8 is shown as \xHH.
QString quoteControlCharacters(const QByteArray &bytes);

// Bytes from outside as text, a leading byte-order mark kept as the character it is:
// it is valid UTF-8, and a name that starts with one is written as given.
QString fromUtf8KeepingByteOrderMark(const QByteArray &bytes);

// Text from outside put into a document, such as a title: the same characters dropped,
// but for white space, which stays to be simplified.
QString withoutControlCharacters(const QString &text);

} // namespace forms
