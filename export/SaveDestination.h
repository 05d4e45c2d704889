#pragma once

#include <QString>

#ifdef Q_OS_UNIX
#include "FileDescriptor.h"

#include <QByteArray>
#include <QList>

#include <optional>

#include <sys/stat.h>
#endif

namespace figureexport {

// Where a save to a path really goes. A link is followed here, step by step, so that
// its target is replaced and the link stays; but only where the kernel itself would
// follow it: not a link that someone else planted in a shared sticky folder such as
// /tmp. A loop of links, and anything that is not a regular file (a folder, a
// device, a FIFO, a socket), is refused and left as it is.
//
// On Unix every step is taken from a folder held open, and the last folder stays
// open, so a save made into it goes where this decided: renaming a folder or a link
// on the way afterwards changes nothing.
class SaveDestination {
public:
    explicit SaveDestination(const QString &path);

    bool isWritable() const { return m_failure.isEmpty() && !m_notRegularFile; }
    // Why the path may not be written: it leads to something other than a regular
    // file, or the system says why in its own words.
    bool isNotRegularFile() const { return m_notRegularFile; }
    QString failure() const { return m_failure; }

#ifdef Q_OS_UNIX
    // The folder the file goes in (open with O_PATH) and its name there.
    int folder() const { return m_folder.get(); }
    QByteArray name() const { return m_name; }
    // The regular file a save replaces, when the name holds one now.
    const std::optional<struct stat> &replaced() const { return m_replaced; }
#else
    // The regular file, existing or not, that a save replaces.
    QString file() const { return m_file; }
#endif

private:
#ifdef Q_OS_UNIX
    void resolve(const QByteArray &path);
    bool follow(int link, const struct stat &info, int followed, QList<QByteArray> &names);
    void take(const QByteArray &name, const struct stat &info);
    bool failWith(int error);

    FileDescriptor m_folder;
    QByteArray m_name;
    std::optional<struct stat> m_replaced;
#else
    QString m_file;
#endif
    QString m_failure;
    bool m_notRegularFile = false;
};

} // namespace figureexport
