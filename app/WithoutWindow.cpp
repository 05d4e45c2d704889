#include "WithoutWindow.h"

#include "CommandLineTexts.h"
#include "ControlCharacters.h"
#include "FigureFile.h"
#include "PairList.h"
#include "RecordingFigure.h"
#include "QuietStderr.h"
#include "RuntimeFolder.h"
#include "SheetFile.h"
#include "StartupRoom.h"
#include "ToneFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHashFunctions>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

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
        complain(m_language.text(noStandardOutput).arg(figureexport::ExportFailure::systemReasonOf(errno)));
        return 1;
    }

private:
    QString m_program;
    const Language &m_language;
};

// Qt's warnings while exporting (a missing runtime folder, a picture too large) say
// nothing the one line of an export's failure does not.
void dropWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(forms::quoteControlCharacters(qFormatLogMessage(type, context, message))));
}

// What is too short to start with, in a line of the language.
QString whatIsShort(const forms::StartupRoom::Shortage &shortage, const Language &language)
{
    using Short = forms::StartupRoom::Short;
    switch (shortage.what) {
    case Short::memory:
        return language.text(noMemoryToStart);
    case Short::descriptors:
        return language.text(fewDescriptorsToStart).arg(shortage.limit).arg(shortage.needed);
    case Short::stack:
        return language.text(smallStackToStart).arg(shortage.limit).arg(shortage.needed);
    }
    Q_UNREACHABLE();
}

// Who speaks while the platform starts, for the one line should it fail.
const Speaker *startingSpeaker = nullptr;

// Where the platform cannot start, Qt aborts after several lines: this says in one
// what was short, or Qt's reason where nothing was, and exits.
void reportNoStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    const auto shortage = forms::StartupRoom::check();
    const QString problem =
        shortage ? whatIsShort(*shortage, startingSpeaker->language()) : qFormatLogMessage(type, context, message);
    const QString line = complaint.arg(startingSpeaker->program(), problem);
    forms::QuietStderr::say(forms::quoteControlCharacters(line).toLocal8Bit());
    std::_Exit(1);
}

// Makes the application and loads the fonts with other libraries' complaints about
// them dropped: a broken font configuration is fontconfig's to mend, and an export
// that succeeds says nothing.
std::unique_ptr<QGuiApplication> startQuietly(int &count, char **arguments, const QString &file,
                                              const Speaker &speaker)
{
    RuntimeFolder::takeBackAbandoned(file);
    const forms::QuietStderr quiet;
    startingSpeaker = &speaker;
    const QtMessageHandler previous = qInstallMessageHandler(reportNoStart);
    std::unique_ptr<QGuiApplication> application;
    {
        std::optional<RuntimeFolder> runtime;
        if (!RuntimeFolder::takeExisting())
            runtime.emplace(file);
        application = std::make_unique<QGuiApplication>(count, arguments);
    }
    // The fonts are loaded before any picture is made: short of memory, the picture's
    // allocation is checked, fontconfig's is not.
    QFontDatabase::families();
    // Past its platform a file needs no plugin: Qt writes PNG itself, yet would load
    // every image plugin of the system (and libjpeg) to ask whether it writes PNG.
    QCoreApplication::setLibraryPaths({});
    qInstallMessageHandler(previous);
    return application;
}

// Writes a file with write, which says why it could not; 0, or 1 and one line.
template <class Write>
int runWriting(const QString &file, const Speaker &speaker, Write &&write)
{
    const Language &language = speaker.language();
    if (const auto shortage = forms::StartupRoom::check()) {
        speaker.complain(whatIsShort(*shortage, language));
        return 1;
    }
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
    std::unique_ptr<QGuiApplication> application;
    try {
        application = startQuietly(count, arguments, file, speaker);
    } catch (const std::bad_alloc &) {
        qInstallMessageHandler(previous);
        speaker.complain(language.text(noMemoryToStart));
        return 1;
    }

    figureexport::ExportResult failure;
    try {
        failure = write();
    } catch (const std::bad_alloc &) {
        failure = figureexport::ExportFailure{.kind = figureexport::ExportFailure::Kind::NoMemory, .file = file};
    }
    qInstallMessageHandler(previous);
    if (failure) {
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

// A recording's figure written to a picture: 2 and one line for a recording that is
// none, not stereo or too short, found from its header; 1 for one that breaks while
// read; the recording itself is never written, even when named as the picture.
int drawRecording(const DrawRecording &request, const Speaker &speaker)
{
    using Problem = sound::RecordingFile::Problem;
    const Language &language = speaker.language();
    const QFileInfo recording(request.recording);
    if (recording.exists() && recording.canonicalFilePath() == QFileInfo(request.file).canonicalFilePath()) {
        speaker.complain(language.text(recordingIsPicture).arg(request.file));
        return 2;
    }
    figureexport::RecordingFigure::Read read;
    try {
        read = figureexport::RecordingFigure::read(request.recording, request.atSeconds, request.spanMilliseconds);
    } catch (const std::bad_alloc &) {
        speaker.complain(language.text(notWritten).arg(request.file, reasons(language).noMemory));
        return 1;
    }
    switch (read.problem) {
    case Problem::None:
        break;
    case Problem::NotARecording:
        speaker.complain(language.text(notARecording).arg(request.recording, read.detail));
        return 2;
    case Problem::NotStereo:
        speaker.complain(language.text(notStereo).arg(request.recording, QString::number(read.channels)));
        return 2;
    case Problem::TooShort: {
        const double needed = request.atSeconds + request.spanMilliseconds / 1000;
        speaker.complain(language.text(recordingTooShort)
                             .arg(request.recording, QString::number(read.seconds), QString::number(request.atSeconds),
                                  QString::number(request.spanMilliseconds), QString::number(needed)));
        return 2;
    }
    case Problem::Broken:
        speaker.complain(language.text(recordingBroken).arg(request.recording, read.detail));
        return 1;
    }
    return runWriting(request.file, speaker,
                      [&] { return figureexport::FigureFile::write(request.file, picture::FigurePainter(*read.signal), request.size); });
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
    if (const auto *request = std::get_if<WriteTones>(&task))
        return runWriting(request->file, speaker,
                          [&] { return figureexport::ToneFile::write(request->file, request->tones, request->seconds); });
    if (const auto *request = std::get_if<DrawRecording>(&task))
        return drawRecording(*request, speaker);
    if (const auto *request = std::get_if<WriteSheet>(&task))
        return runWriting(request->file, speaker,
                          [&] { return writeSheet(*request); });
    return std::nullopt;
}
