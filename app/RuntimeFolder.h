#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// Qt makes a runtime folder in /tmp, with a warning, when it starts where
// XDG_RUNTIME_DIR names none that is the user's alone. An export takes one that is
// there already; where there is none, while its application is made, this gives it a
// private one instead, in the temporary folder or, where that is missing, beside the
// file, and takes it away again: Qt only looks at it then. (Taking one that is there
// spares the disk a folder made and removed, which waits for the disk.)
//
// Nothing is left behind: a kill that can wait (SIGTERM, SIGINT, SIGHUP, SIGQUIT)
// waits until the folder is gone, and one that cannot (SIGKILL, an abort) leaves an
// empty folder named with the process's id, which the next export takes back.
class RuntimeFolder {
public:
    // Names a runtime folder of the user's alone that is there already: the
    // environment's own, or Qt's default in the temporary folder, which an earlier Qt
    // program made. Whether there was one; only where there was not is one made.
    static bool takeExisting();

    explicit RuntimeFolder(const QString &file);
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder &) = delete;
    RuntimeFolder &operator=(const RuntimeFolder &) = delete;

    // Removes the empty folders of exports that no longer run, in the places this
    // makes them for the file.
    static void takeBackAbandoned(const QString &file);

private:
    std::optional<QTemporaryDir> m_folder;
};
