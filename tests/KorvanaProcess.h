#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>

// korvana, or one of the tools that read what it wrote, run as a script would run it.
struct Run {
    int status;
    QString errors;
    QString output;
};

// A program and what it said, or status -1 where it did not finish.
inline Run finished(QProcess &process)
{
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("did not finish"), {}};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

// korvana with the arguments, where no display can be reached, in a login session's
// environment otherwise, with its runtime folder; with a locale ("LANG=bg_BG.UTF-8"),
// in that locale alone.
inline Run korvana(const QStringList &arguments, const QString &runtime, const QStringList &wrapper = {},
                  const QStringList &locale = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (!locale.isEmpty()) {
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(name);
        for (const QString &setting : locale)
            environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    }
    environment.insert("XDG_RUNTIME_DIR", runtime);
    process.setProcessEnvironment(environment);
    const QString program = qEnvironmentVariable("KORVANA");
    if (wrapper.isEmpty())
        process.start(program, arguments);
    else
        process.start(wrapper.first(), wrapper.mid(1) + QStringList{program} + arguments);
    return finished(process);
}

// A tool with the arguments, or nothing where it is missing.
inline std::optional<Run> tool(const QString &name, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    return finished(process);
}
