#pragma once

#include "ExportLimits.h"

#include <QString>

#include <memory>
#include <optional>

class QGuiApplication;

namespace figureexport {

// What korvana was asked to do from its command line. Read before any application
// object is made, so that --help, --version and --export need no display.
class CommandLine {
public:
    enum class Task { OpenWindow, ShowHelp, ShowVersion, Export, Refuse };

    CommandLine(int argc, char *argv[]);

    Task task() const { return m_task; }
    // For Refuse: the one line that says what is wrong with the command line.
    QString problem() const { return m_problem; }
    QString helpText() const { return m_help; }

    // For Export.
    QString file() const { return m_file; }
    int a() const { return m_a; }
    int b() const { return m_b; }
    int size() const { return m_size; }
    bool withDots() const { return m_dots; }

    // Does what needs no window, and says with what exit status the program ends:
    // help and version, 0; a refused command line, one line on stderr and 2; an
    // export, 0 when the file is written and 1 when it cannot be. Nothing when the
    // window is to open.
    std::optional<int> runWithoutWindow() const;

private:
    // Takes the export's values; says what is wrong with them, or nothing.
    QString readExport(const QString &file, const QString &a, const QString &b, const QString &size);
    int runExport() const;
    // Makes the application where Qt finds a runtime folder of the user's alone, so
    // that it makes none of its own in /tmp.
    std::unique_ptr<QGuiApplication> makeApplication(int &count, char **arguments) const;
    // One line on stderr, the program's name first, control characters made visible.
    void complain(const QString &problem) const;
    // Prints to stdout: 0, or 1 with a line on stderr where stdout cannot take it.
    int print(const QString &text) const;

    QString m_program;
    Task m_task = Task::OpenWindow;
    QString m_problem;
    QString m_help;
    QString m_file;
    int m_a = 0;
    int m_b = 0;
    int m_size = ExportLimits::defaultSide;
    bool m_dots = false;
};

} // namespace figureexport
