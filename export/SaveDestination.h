#pragma once

#include <QString>

namespace figureexport {

// Where a save to a path really goes. A link is followed here, step by step, so that
// its target is replaced and the link stays; but only where the kernel itself would
// follow it: not a link that someone else planted in a shared sticky folder such as
// /tmp. A loop of links, and anything that is not a regular file (a folder, a
// device, a FIFO, a socket), is refused and left as it is.
class SaveDestination {
public:
    explicit SaveDestination(const QString &path);

    bool isWritable() const { return m_failure.isEmpty() && !m_notRegularFile; }
    // The regular file, existing or not, that a save replaces.
    QString file() const { return m_file; }
    // Why the path may not be written: it leads to something other than a regular
    // file, or the system says why in its own words.
    bool isNotRegularFile() const { return m_notRegularFile; }
    QString failure() const { return m_failure; }

private:
    QString m_file;
    QString m_failure;
    bool m_notRegularFile = false;
};

} // namespace figureexport
