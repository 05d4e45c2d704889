// korvana's export under the faults a classroom machine or a hostile user brings: a
// full disk, a file-size limit, short memory, links and special files where the
// file should go, names and messages with control characters, a stdout that cannot
// be written. Each must end in a clear failure that leaves every file as it was.
#include "AddressSanitized.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString errors;
    QString output;
};

// The system's own words for an error, as the program should pass them on.
QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs the program or command with C-locale messages (or those of language), no
// display and no runtime folder; limit, if given, runs in the child before it starts.
Run run(const QStringList &command, const std::function<void()> &limit = {}, const QString &language = "C")
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    environment.insert("LC_ALL", language);
    process.setProcessEnvironment(environment);
    if (limit)
        process.setChildProcessModifier(limit);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("did not finish")};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("crashed")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

// As ulimit -v: the child may map no more than that.
std::function<void()> memoryLimit(long kibibytes)
{
    return [kibibytes] {
        const rlimit memory{rlim_t(kibibytes) * 1024, rlim_t(kibibytes) * 1024};
        setrlimit(RLIMIT_AS, &memory);
    };
}

// As ulimit -n or ulimit -s, both the soft and the hard limit, in a shell that has
// only stdin, stdout and stderr open: whatever else the test runner left open closes
// as the program starts.
std::function<void()> limitOf(int resource, rlim_t value)
{
    return [resource, value] {
        constexpr int mostInherited = 1024;
        for (int descriptor = STDERR_FILENO + 1; descriptor < mostInherited; ++descriptor)
            fcntl(descriptor, F_SETFD, FD_CLOEXEC);
        const rlimit limit{value, value};
        setrlimit(resource, &limit);
    };
}

QStringList exportTo(const QString &file, const QStringList &more = {})
{
    return QStringList{qEnvironmentVariable("KORVANA"), "--export", file, "-x", "19", "-y", "18"} + more;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
}

const QByteArray oldPicture = QByteArrayLiteral("the old picture");

} // namespace

class tst_Faults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void aFailedWriteKeepsTheOldFile_data();
    void aFailedWriteKeepsTheOldFile();
    void shortOfMemoryItSaysSo();
    void shortOfMemoryNeverCrashes_data();
    void shortOfMemoryNeverCrashes();
    void shortToStart_data();
    void shortToStart();
    void shortOfMemoryAtStart_data();
    void shortOfMemoryAtStart();
    void aSuccessSaysNothing_data();
    void aSuccessSaysNothing();
    void abandonedRuntimeFolders_data();
    void abandonedRuntimeFolders();
    void linksAndSpecialFiles_data();
    void linksAndSpecialFiles();
    void aLinkSwappedInIsNeverFollowed();
    void namesAndMessages_data();
    void namesAndMessages();
    void anExportLeavesNothingButItsFile_data();
    void anExportLeavesNothingButItsFile();

private:
    QTemporaryDir m_tiny;
    bool m_tinyMounted = false;
};

void tst_Faults::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("KORVANA"), "KORVANA names the program to test");
    // A disk with no room left: a tmpfs of a few pages, filled up after the old
    // file is in place. Mounting needs root; elsewhere the file-size limit stands in.
    QVERIFY(m_tiny.isValid());
    if (geteuid() != 0)
        return;
    if (run({"mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", m_tiny.path()}).status != 0)
        return;
    m_tinyMounted = true;
    for (const char *format : {"png", "svg", "pdf"})
        QVERIFY(writeFile(m_tiny.filePath(QStringLiteral("old.%1").arg(format)), oldPicture));
    QFile fill(m_tiny.filePath("fill"));
    QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (fill.write(block) == block.size()) {
    }
}

void tst_Faults::cleanupTestCase()
{
    if (m_tinyMounted)
        run({"umount", m_tiny.path()});
}

void tst_Faults::aFailedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("format");
    for (const char *format : {"png", "svg", "pdf"}) {
        QTest::addRow("file-size limit, %s", format) << "limit" << format;
        QTest::addRow("full disk, %s", format) << "full" << format;
    }
}

void tst_Faults::aFailedWriteKeepsTheOldFile()
{
    QFETCH(QString, fault);
    QFETCH(QString, format);
    QTemporaryDir folder;
    QString old = folder.filePath("old." + format);
    std::function<void()> limit;
    int expected = EFBIG;
    if (fault == "limit") {
        QVERIFY(writeFile(old, oldPicture));
        // ulimit -f 4: past 4 KiB a write fails (and SIGXFSZ would end the program).
        limit = [] {
            const rlimit fileSize{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &fileSize);
        };
    } else {
        if (!m_tinyMounted)
            QSKIP("a full disk needs root to mount a tmpfs");
        old = m_tiny.filePath("old." + format);
        expected = ENOSPC;
    }
    const QString folderOfOld = QFileInfo(old).path();
    const QStringList before = entries(folderOfOld);

    const Run result = run(exportTo(old, {"--size", "1200", "--dots"}), limit);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.errors, QStringLiteral("korvana: cannot write %1: %2\n").arg(old, reason(expected)));
    QCOMPARE(contentsOf(old), oldPicture);
    QCOMPARE(entries(folderOfOld), before);
}

void tst_Faults::shortOfMemoryItSaysSo()
{
    if (addressSanitized)
        QSKIP("AddressSanitizer's shadow memory does not fit under a memory limit");
    QTemporaryDir folder;
    const QString file = folder.filePath("large.png");
    // ulimit -v 375000: room for the program and the painted picture, not for its copy
    // in the palette as well.
    const Run result = run(exportTo(file, {"--size", "8192"}), memoryLimit(375000));
    QCOMPARE(result.status, 1);
    QCOMPARE(result.errors,
             QStringLiteral("korvana: cannot write %1: not enough memory for a 8192 × 8192 picture\n").arg(file));
    QCOMPARE(entries(folder.path()), QStringList());
}

void tst_Faults::shortOfMemoryNeverCrashes_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : {"png", "svg", "pdf"})
        QTest::newRow(format) << format;
}

void tst_Faults::shortOfMemoryNeverCrashes()
{
    if (addressSanitized)
        QSKIP("AddressSanitizer's shadow memory does not fit under a memory limit");
    QFETCH(QString, format);
    QTemporaryDir folder;
    const QString file = folder.filePath("figure." + format);
    // From too little to load the libraries (the loader's status 127) to enough for a
    // 4096-pixel figure: each run writes its file or says why not, and none crashes.
    constexpr long fromKiB = 90000;
    constexpr long toKiB = 250000;
    constexpr long stepKiB = 16000;
    for (long limitKiB = fromKiB; limitKiB <= toKiB; limitKiB += stepKiB) {
        const Run result = run(exportTo(file, {"--size", "4096", "--dots"}), memoryLimit(limitKiB));
        const QString at = QStringLiteral("at %1 KiB: %2").arg(limitKiB).arg(result.errors);
        QVERIFY2(result.status == 0 || result.status == 1 || result.status == 127, qPrintable(at));
        // Short of memory after the loader, before its platform has started or after.
        if (result.status == 1)
            QVERIFY2((result.errors.startsWith("korvana: cannot write")
                      || result.errors.startsWith("korvana: not enough memory to start"))
                         && result.errors.count('\n') == 1,
                     qPrintable(at));
        QVERIFY2(entries(folder.path()).size() == (result.status == 0 ? 1 : 0), qPrintable(at));
        QFile::remove(file);
    }
}

// The commands whose start loads the platform and the fonts, in the folder.
QStringList startingCommand(const QString &which, const QString &folder)
{
    const QString program = qEnvironmentVariable("KORVANA");
    if (which == "export")
        return exportTo(QDir(folder).filePath("figure.png"));
    if (which == "sheet")
        return {program, "--sheet", QDir(folder).filePath("quiz.pdf"), "--random", "48", "--seed", "3", "--answers"};
    return {program}; // the window, with no display to open it on
}

void tst_Faults::shortToStart_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("resource");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("said");
    const QString descriptors = "korvana: too few file descriptors to start (ulimit -n 4; it needs 16)\n";
    const QString stack = "korvana: too small a stack to start (ulimit -s 64; it needs 256)\n";
    for (const char *command : {"export", "sheet", "window"}) {
        QTest::addRow("ulimit -n 4, %s", command) << command << int(RLIMIT_NOFILE) << 4 << "C" << descriptors;
        QTest::addRow("ulimit -s 64, %s", command) << command << int(RLIMIT_STACK) << 64 * 1024 << "C" << stack;
    }
    QTest::newRow("ulimit -n 4, export, in Bulgarian")
        << "export" << int(RLIMIT_NOFILE) << 4 << "bg_BG.UTF-8"
        << "korvana: твърде малко файлови дескриптори, за да започне (ulimit -n 4; нужни са 16)\n";
}

void tst_Faults::shortToStart()
{
    QFETCH(QString, command);
    QFETCH(int, resource);
    QFETCH(int, limit);
    QFETCH(QString, language);
    QFETCH(QString, said);
    if (addressSanitized && resource == RLIMIT_STACK)
        QSKIP("AddressSanitizer's own start needs more stack than the program");
    if (addressSanitized && resource == RLIMIT_NOFILE)
        QSKIP("the sanitizers' own checks need descriptors the limit leaves them without");
    QTemporaryDir folder;
    const Run result = run(startingCommand(command, folder.path()), limitOf(resource, rlim_t(limit)), language);
    QCOMPARE(result.errors, said);
    QCOMPARE(result.status, 1);
    QCOMPARE(entries(folder.path()), QStringList());
}

void tst_Faults::shortOfMemoryAtStart_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"export", "sheet", "window"})
        QTest::newRow(command) << command;
}

void tst_Faults::shortOfMemoryAtStart()
{
    if (addressSanitized)
        QSKIP("AddressSanitizer's shadow memory does not fit under a memory limit");
    QFETCH(QString, command);
    QTemporaryDir folder;
    const QStringList arguments = startingCommand(command, folder.path());
    const QString noRoom = QStringLiteral("korvana: not enough memory to start\n");
    const auto at = [&](long kibibytes) { return run(arguments, memoryLimit(kibibytes)); };
    // The lowest limit at which status passes, by halving from a range that holds it.
    const auto lowest = [&](long from, long to, const std::function<bool(const Run &)> &passes) {
        while (to - from > 50) {
            const long middle = (from + to) / 2;
            (passes(at(middle)) ? to : from) = middle;
        }
        return to;
    };
    // Where the dynamic loader stops failing (status 127), and where the start stops
    // finding too little room: every 100 KiB around each, and a few MiB above the
    // second, where the first painting runs out, each run ends in a file or one line.
    // Short of room for the libraries' thread-local storage, glibc's loader crashes
    // instead of saying so: that too ends before the program's first line runs.
    const auto inLoader = [](const Run &result) { return result.status == 127 || result.status == -1; };
    const long loaded = lowest(20000, 400000, [&](const Run &result) { return !inLoader(result); });
    const long started = lowest(loaded, 400000, [&](const Run &result) { return result.errors != noRoom; });
    QVERIFY2(started > loaded, qPrintable(QStringLiteral("loaded at %1 KiB, started at %2 KiB").arg(loaded).arg(started)));
    constexpr long stepKiB = 100;
    QList<long> limits;
    for (long limit = loaded - 500; limit <= loaded + 1500; limit += stepKiB)
        limits << limit;
    for (long limit = started - 500; limit <= started + 4000; limit += stepKiB)
        limits << limit;
    int saidNoRoom = 0;
    for (const long limit : std::as_const(limits)) {
        const Run result = at(limit);
        const QString where = QStringLiteral("at %1 KiB: %2 %3").arg(limit).arg(result.status).arg(result.errors);
        QVERIFY2(result.status == 0 || result.status == 1 || (inLoader(result) && limit < loaded), qPrintable(where));
        if (result.status == 0)
            QVERIFY2(result.errors.isEmpty() && entries(folder.path()).size() == 1, qPrintable(where));
        if (result.status == 1)
            QVERIFY2(result.errors.startsWith("korvana: ") && result.errors.count('\n') == 1
                         && entries(folder.path()).isEmpty(),
                     qPrintable(where));
        saidNoRoom += result.errors == noRoom;
        for (const QString &name : entries(folder.path()))
            QFile::remove(folder.filePath(name));
    }
    QVERIFY(saidNoRoom > 0);
}

void tst_Faults::aSuccessSaysNothing_data()
{
    // A setting for env, and the command.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("command");
    const QString brokenConfiguration = QDir::temp().filePath("\x1b[31mbroken\x07.conf");
    for (const char *command : {"export", "sheet"}) {
        QTest::addRow("no font configuration, %s", command) << "FONTCONFIG_FILE=/nonexistent" << command;
        QTest::addRow("a broken font configuration with escapes in its name, %s", command)
            << "FONTCONFIG_FILE=" + brokenConfiguration << command;
        QTest::addRow("a locale the system lacks, %s", command) << "LC_ALL=xx_YY.UTF-8" << command;
    }
}

void tst_Faults::aSuccessSaysNothing()
{
    QFETCH(QString, setting);
    QFETCH(QString, command);
    const QString configuration = setting.section('=', 1);
    if (configuration.contains(QChar(0x1b)))
        QVERIFY(writeFile(configuration, "<fontconfig><dir>\x1b]0;owned\x07</dir><broken"));
    QTemporaryDir folder;
    const Run result = run(QStringList{"env", setting} + startingCommand(command, folder.path()));
    QFile::remove(configuration);
    QCOMPARE(result.errors + result.output, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(entries(folder.path()).size(), 1);
}

void tst_Faults::abandonedRuntimeFolders_data()
{
    // A runtime folder an earlier export left (named for its process, %1): whose
    // process, whether anything is in it, and whether the next export takes it back;
    // and folders named nearly so, which are not an export's and stay.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("process");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("takenBack");
    const QString runtime = ".korvana-%1-AbC123";
    QTest::newRow("of an export killed at its start") << runtime << "gone" << true << true;
    QTest::newRow("of an export still starting") << runtime << "running" << true << false;
    QTest::newRow("with something in it") << runtime << "gone" << false << false;
    for (const char *name : {".korvana-%1-AbC12", ".korvana-%1-AbC1234", ".korvana-%1x-AbC123", ".korvana--AbC123",
                             ".korvana-%1-AbC+23", "korvana-%1-AbC123"})
        QTest::addRow("named %s", name) << name << "gone" << true << false;
}

void tst_Faults::abandonedRuntimeFolders()
{
    QFETCH(QString, name);
    QFETCH(QString, process);
    QFETCH(bool, empty);
    QFETCH(bool, takenBack);
    qint64 id = QCoreApplication::applicationPid();
    if (process == "gone") {
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        id = ended.processId();
        QVERIFY(ended.waitForFinished());
        QVERIFY(::kill(pid_t(id), 0) != 0);
    }
    QTemporaryDir temporary;
    if (name.contains("%1"))
        name = name.arg(id);
    QVERIFY(QDir(temporary.path()).mkdir(name));
    if (!empty)
        QVERIFY(writeFile(temporary.filePath(name + "/bus"), "left"));
    QTemporaryDir folder;
    const Run result =
        run(QStringList{"env", "TMPDIR=" + temporary.path()} + exportTo(folder.filePath("figure.svg")));
    QCOMPARE(result.errors, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(entries(temporary.path()), takenBack ? QStringList() : QStringList{name});
}

void tst_Faults::linksAndSpecialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    QTest::newRow("own link to a file") << "own link" << QString();
    QTest::newRow("link another user planted in /tmp") << "planted link" << reason(EACCES);
    QTest::newRow("link to a folder another user planted in /tmp") << "planted folder link" << reason(EACCES);
    QTest::newRow("loop of links") << "loop" << reason(ELOOP);
    QTest::newRow("FIFO") << "fifo" << "not a regular file";
    QTest::newRow("folder") << "folder" << "not a regular file";
    QTest::newRow("device") << "device" << "not a regular file";
}

void tst_Faults::linksAndSpecialFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString target = folder.filePath("target.png");
    QVERIFY(writeFile(target, oldPicture));
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    QString path = folder.filePath("figure.png");

    if (kind == "own link") {
        QVERIFY(QFile::link(target, path));
    } else if (kind.startsWith("planted")) {
        // Another user's link in a shared sticky folder, to a file of ours that only
        // we may write, or to its folder: the kernel would not follow it for us, and
        // neither may we, whether or not fs.protected_symlinks is on.
        if (geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
            QSKIP("needs root and setpriv to plant a link as another user");
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 01777) == 0);
        const bool toFolder = kind == "planted folder link";
        QCOMPARE(run({"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "ln", "-s",
                      toFolder ? folder.path() : target, path})
                     .status,
                 0);
        if (toFolder)
            path = path + "/target.png";
    } else if (kind == "loop") {
        QVERIFY(QFile::link(folder.filePath("other.png"), path));
        QVERIFY(QFile::link(path, folder.filePath("other.png")));
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == "folder") {
        QVERIFY(QDir(folder.path()).mkdir("figure.png"));
    } else {
        // A node of our own like /dev/full: a broken save must not replace the real one.
        if (geteuid() != 0)
            QSKIP("needs root to make a device node");
        QVERIFY(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0);
    }
    const QFileInfo before(path);

    const Run result = run(exportTo(path));
    if (said.isEmpty()) {
        QCOMPARE(result.errors, QString());
        QCOMPARE(result.status, 0);
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(contentsOf(target).startsWith("\x89PNG"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        return;
    }
    QCOMPARE(result.status, 1);
    QCOMPARE(result.errors, QStringLiteral("korvana: cannot write %1: %2\n").arg(path, said));
    QCOMPARE(contentsOf(target), oldPicture);
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.lastModified(), before.lastModified());
    QCOMPARE(entries(folder.path()).size(), kind == "loop" ? 3 : 2);
}

void tst_Faults::aLinkSwappedInIsNeverFollowed()
{
    // Another user swaps a file and a link to root's secret onto the name, as fast as
    // renames go, while root exports there again and again: whatever each export saw
    // when it checked the name, the write must not go through the link.
    const bool canSwap =
        !QStandardPaths::findExecutable("setpriv").isEmpty() && !QStandardPaths::findExecutable("perl").isEmpty();
    if (geteuid() != 0 || !canSwap)
        QSKIP("needs root, setpriv and perl to race a link as another user");
    constexpr int mostExports = 300;
    constexpr qint64 raceMilliseconds = 15000;
    constexpr uint nobody = 65534;
    QTemporaryDir secretFolder;
    const QString secret = secretFolder.filePath("secret.png");
    QVERIFY(writeFile(secret, oldPicture));
    QVERIFY(QFile::setPermissions(secret, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QTemporaryDir shared;
    QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
    const QString path = shared.filePath("figure.png");

    // perl (in every Debian) renames without a process for each swap; alarm ends it
    // should this test never get to.
    const char *swap = "alarm 60; my $secret = shift; while (1) { open(my $f, '>', 'f') && close($f);"
                       " rename('f', 'figure.png'); symlink($secret, 'l'); rename('l', 'figure.png'); }";
    QProcess swapper;
    swapper.setWorkingDirectory(shared.path());
    const QString asNobody = QString::number(nobody);
    swapper.start("setpriv", {"--reuid=" + asNobody, "--regid=" + asNobody, "--clear-groups", "perl", "-e", swap, secret});
    QVERIFY(swapper.waitForStarted());
    QTRY_VERIFY(QFileInfo(path).isSymLink() || QFileInfo(path).isFile());

    int replaced = 0;
    int refused = 0;
    const QString refusal = QStringLiteral("korvana: cannot write %1: %2\n").arg(path, reason(EACCES));
    QElapsedTimer race;
    race.start();
    for (int tries = 0; tries < mostExports && !race.hasExpired(raceMilliseconds); ++tries) {
        const Run result = run(exportTo(path));
        const bool wrote = result.status == 0 && result.errors.isEmpty();
        QVERIFY2(wrote || (result.status == 1 && result.errors == refusal), qPrintable(result.errors));
        ++(wrote ? replaced : refused);
    }
    swapper.kill();
    swapper.waitForFinished();

    QCOMPARE(contentsOf(secret), oldPicture);
    // Both sides of the race were met, and the swapper never stopped: the files root
    // put there stayed nobody's, as the file each one replaced was.
    const QString counts = QStringLiteral("%1 replaced, %2 refused").arg(replaced).arg(refused);
    QVERIFY2(replaced > 0 && refused > 0, qPrintable(counts));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_uid, nobody);
}

void tst_Faults::namesAndMessages_data()
{
    // Arguments for sh -c, where printf makes bytes QProcess cannot pass; what the one
    // line on stderr must say, and the status.
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("status");
    QTest::newRow("name not UTF-8") << R"sh(--export "$(printf 'a\377\376.png')" -x 2 -y 3)sh"
                                    << R"('a\xff\xfe.png' is not valid UTF-8)" << 2;
    QTest::newRow("escape sequence in a name") << R"sh(--export "$(printf '\033]0;owned\a.jpg')" -x 2 -y 3)sh"
                                               << R"('\e]0;owned\x07.jpg')" << 2;
    QTest::newRow("newline in a name") << R"sh(--export "$(printf '/nonexistent/a\nb.png')" -x 2 -y 3)sh"
                                       << R"(/nonexistent/a\nb.png: )" + reason(ENOENT) << 1;
    QTest::newRow("line separator and direction mark in a name")
        << R"sh(--export "$(printf '/nonexistent/\342\200\250a\342\200\256gnp.png')" -x 2 -y 3)sh"
        << R"(/nonexistent/\u2028a\u202egnp.png)" << 1;
    QTest::newRow("escape sequence in a value") << R"sh(--export x.png -x "$(printf '2\033[31m')" -y 3)sh"
                                                << R"('2\e[31m' is not a whole number)" << 2;
    QTest::newRow("an option as it was given") << "--y 3" << "--y goes with --export" << 2;
    for (const char *option : {"--version", "--help"})
        QTest::addRow("%s into a full stdout", option) << QStringLiteral("%1 >/dev/full").arg(option)
                                                       << "cannot write to standard output: " + reason(ENOSPC) << 1;
}

void tst_Faults::namesAndMessages()
{
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    QFETCH(int, status);
    QTemporaryDir folder;
    const QString script = QStringLiteral("cd '%1' && exec \"$0\" %2").arg(folder.path(), arguments);
    const Run result = run({"sh", "-c", script, qEnvironmentVariable("KORVANA")});
    QCOMPARE(result.status, status);
    QVERIFY2(result.errors.startsWith("korvana: ") && result.errors.count('\n') == 1, qPrintable(result.errors));
    QVERIFY2(!result.errors.contains(QChar(0x1b)) && !result.errors.contains(QChar(0x07)), qPrintable(result.errors));
    QVERIFY2(result.errors.contains(said), qPrintable(result.errors));
    QCOMPARE(entries(folder.path()), QStringList());
}

void tst_Faults::anExportLeavesNothingButItsFile_data()
{
    // Whether XDG_RUNTIME_DIR names a link to a private folder, which Qt refuses as a
    // runtime folder as if none were named.
    QTest::addColumn<bool>("linked");
    QTest::newRow("no runtime folder") << false;
    QTest::newRow("a link for a runtime folder") << true;
}

void tst_Faults::anExportLeavesNothingButItsFile()
{
    QFETCH(bool, linked);
    // No runtime folder Qt takes, and a TMPDIR of its own: Qt would make a runtime
    // folder there and warn about it.
    QTemporaryDir folder;
    QTemporaryDir temporary;
    QTemporaryDir runtime;
    QStringList command{"env", "TMPDIR=" + temporary.path()};
    if (linked) {
        const QString link = runtime.filePath("link");
        QVERIFY(QFile::link(runtime.path(), link));
        command << "XDG_RUNTIME_DIR=" + link;
    }
    const Run result = run(command + exportTo(folder.filePath("figure.svg")));
    QCOMPARE(result.status, 0);
    QCOMPARE(result.errors + result.output, QString());
    QCOMPARE(entries(folder.path()), QStringList{"figure.svg"});
    QCOMPARE(entries(temporary.path()), QStringList());
}

QTEST_GUILESS_MAIN(tst_Faults)
#include "tst_faults.moc"
