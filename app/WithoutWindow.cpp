#include "WithoutWindow.h"

#include "CommandLineTexts.h"
#include "ControlCharacters.h"
#include "FigureFile.h"
#include "PairList.h"
#include "SheetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using namespace commandline;

// Writes what the program says, in its language: its name first, on stderr, one line
// with control characters made visible; or text to stdout, with 1 and a line on
// stderr where stdout cannot take it.
class Speaker {
public:
    Speaker(const char *argv0, const Language &language)
        : m_program(QFileInfo(QFile::decodeName(argv0 ? argv0 : "korvana")).fileName())
        , m_language(language)
    {
    }

    const Language &language() const { return m_language; }

    QString program() const { return m_program; }

    void complain(const QString &problem) const
    {
        const QString line = complaint.arg(m_program, problem);
        std::fprintf(stderr, "%s\n", forms::quoteControlCharacters(line).toLocal8Bit().constData());
    }

    int print(const QString &text) const
    {
        const QByteArray bytes = text.toLocal8Bit();
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
            && std::fflush(stdout) == 0)
            return 0;
        complain(m_language.text(noStandardOutput).arg(QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }

private:
    QString m_program;
    const Language &m_language;
};

// Qt makes a runtime folder in /tmp, with a warning, when it starts where
// XDG_RUNTIME_DIR names none that is the user's alone; an export leaves nothing
// behind but its file.
bool hasRuntimeFolder()
{
#ifdef Q_OS_UNIX
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                               | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return info.isDir() && info.ownerId() == ::geteuid() && info.permissions() == ownerOnly;
#else
    return true; // Only Qt on Unix looks for one.
#endif
}

// Makes the application where Qt finds a runtime folder of the user's alone, so that
// it makes none of its own in /tmp. Qt only looks at the folder while the application
// is made: it is gone again before anything could leave it behind. It goes in the
// temporary folder, or where that is missing, beside the file, where the export may
// write anyway.
std::unique_ptr<QGuiApplication> makeApplication(int &count, char **arguments, const QString &file)
{
    std::optional<QTemporaryDir> runtime;
    if (!hasRuntimeFolder()) {
        for (const QString &folder : {QDir::tempPath(), QFileInfo(file).absolutePath()}) {
            runtime.emplace(QDir(folder).filePath(QStringLiteral(".korvana-XXXXXX")));
            if (runtime->isValid()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
                break;
            }
        }
    }
    return std::make_unique<QGuiApplication>(count, arguments);
}

// Qt's warnings while exporting (a missing runtime folder, a picture too large) say
// nothing the one line of an export's failure does not.
void dropWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(forms::quoteControlCharacters(qFormatLogMessage(type, context, message))));
}

// Writes a file with write, which says why it could not; 0, or 1 and one line.
template <class Write>
int runWriting(const QString &file, const Speaker &speaker, Write &&write)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropWarnings);
    // The same command writes the same file, but for the date in a PDF: Qt lists the
    // fonts it embeds in the order of a hash, which is otherwise seeded anew each run.
    QHashSeed::setDeterministicGlobalSeed();
    // Fonts and painting need an application, but no screen.
    QByteArray programName = speaker.program().toLocal8Bit();
    QByteArray platformOption("-platform");
    QByteArray offscreen("offscreen");
    char *arguments[] = {programName.data(), platformOption.data(), offscreen.data(), nullptr};
    int count = 3;
    const std::unique_ptr<QGuiApplication> application = makeApplication(count, arguments, file);
    // The fonts are loaded before any picture is made: short of memory, the picture's
    // allocation is checked, fontconfig's is not.
    QFontDatabase::families();

    const figureexport::ExportResult failure = write();
    qInstallMessageHandler(previous);
    if (failure) {
        const Language &language = speaker.language();
        speaker.complain(language.text(notWritten).arg(file, failure->reason(reasons(language))));
        return 1;
    }
    return 0;
}

figureexport::ExportResult writeSheet(const WriteSheet &request)
{
    const sheet::Worksheet sheet = request.randomCount
                                       ? sheet::pairlist::withRandomPairs(request.sheet, *request.randomCount)
                                       : request.sheet;
    return sheet::SheetFile::write(sheet, request.file, sheet::SheetFile::portrait(request.paper));
}

} // namespace

std::optional<int> runWithoutWindow(const Task &task, int argc, char *argv[], Language &language)
{
    const Speaker speaker(argc > 0 ? argv[0] : nullptr, language);
    if (std::holds_alternative<ShowHelp>(task)) {
        // Qt words the usage line from the running application's arguments, and its
        // headings through the application's translators. It names the program as it
        // was called, with control characters made visible, so that a name chosen to
        // carry a terminal's escapes prints as text.
        QByteArray shownName = forms::quoteControlCharacters(speaker.program()).toLocal8Bit();
        std::vector<char *> arguments(argv, argv + argc);
        arguments.front() = shownName.data();
        int count = argc;
        const QCoreApplication application(count, arguments.data());
        language.installInApplication();
        return speaker.print(helpText(language));
    }
    if (std::holds_alternative<ShowVersion>(task))
        return speaker.print(version.arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
    if (const auto *refused = std::get_if<Refuse>(&task)) {
        speaker.complain(language.text(seeHelp).arg(refused->problem, speaker.program()));
        return 2;
    }
    if (const auto *request = std::get_if<figureexport::FigureExport>(&task))
        return runWriting(request->file, speaker, [&] { return figureexport::FigureFile::write(*request); });
    if (const auto *request = std::get_if<WriteSheet>(&task))
        return runWriting(request->file, speaker,
                          [&] { return writeSheet(*request); });
    return std::nullopt;
}
