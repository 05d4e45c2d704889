// korvana's command line end to end, as a teacher's script would run it: without a
// display, every export format, and every kind of bad input refused with nothing
// written.
#include "KorvanaProcess.h"

#include <QFile>
#include <QImage>
#include <QLineF>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <numbers>

#include <cerrno>
#include <cstring>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// What the Bulgarian locale is made from, and the C library's Bulgarian words.
const QString bulgarianSource = QStringLiteral("/usr/share/i18n/locales/bg_BG");
const QString bulgarianMessages = QStringLiteral("/usr/share/locale/bg/LC_MESSAGES/libc.mo");

// The C library's words for an error number in a locale ("C" for its own English).
QString libraryReason(int error, const QString &locale)
{
    const locale_t characters = newlocale(LC_CTYPE_MASK, qPrintable(locale), locale_t(nullptr));
    if (!characters)
        return {};
    const locale_t messages = newlocale(LC_MESSAGES_MASK, qPrintable(locale), characters);
    if (!messages) {
        freelocale(characters);
        return {};
    }
    const QString reason = QString::fromUtf8(strerror_l(error, messages));
    freelocale(messages);
    return reason;
}

} // namespace

class tst_WithoutWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void helpAndVersionNeedNoDisplay();
    void exportsEveryFormat_data();
    void exportsEveryFormat();
    void pngShowsTheCurveThroughItsTouches_data();
    void pngShowsTheCurveThroughItsTouches();
    void badInputIsRefusedAndWritesNothing_data();
    void badInputIsRefusedAndWritesNothing();
    void aFailedWriteLeavesTheOldFile();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();
    void givesTheSystemsReasonInTheUsersLanguage_data();
    void givesTheSystemsReasonInTheUsersLanguage();

private:
    Run korvana(const QStringList &arguments, const QStringList &wrapper = {}) const
    {
        return ::korvana(arguments, m_runtime.path(), wrapper);
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
    // The Bulgarian locale, generated here: a system need not have it installed.
    QTemporaryDir m_locales;
    bool m_bulgarian = false;
};

void tst_WithoutWindow::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("KORVANA"), "KORVANA names the program to test");
    QVERIFY(m_folder.isValid() && m_runtime.isValid() && m_locales.isValid());
    const std::optional<Run> made =
        QFile::exists(bulgarianSource) && QFile::exists(bulgarianMessages)
            ? tool("localedef", {"-i", "bg_BG", "-f", "UTF-8", m_locales.filePath(QStringLiteral("bg_BG.UTF-8"))})
            : std::nullopt;
    m_bulgarian = made && made->status == 0;
    // The reasons expected below are the C library's, asked here for that locale.
    qputenv("LOCPATH", QFile::encodeName(m_locales.path()));
}

void tst_WithoutWindow::helpAndVersionNeedNoDisplay()
{
    const Run version = korvana({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.output, QStringLiteral("Korvana %1\n").arg(qEnvironmentVariable("KORVANA_VERSION")));
    const Run help = korvana({"--help"});
    QCOMPARE(help.status, 0);
    for (const char *option : {"--export", "--size", "--dots", "-x", "-y"})
        QVERIFY2(help.output.contains(QLatin1String(option)), option);
    // Called by a name that carries a terminal's escape, it names itself in plain text.
    const Run called = korvana({"--help"}, {"bash", "-c", R"sh(exec -a "$(printf '\033[31mevil')" "$@")sh", "bash"});
    QCOMPARE(called.status, 0);
    QVERIFY2(!called.output.contains(QChar(0x1b)) && called.output.contains(QStringLiteral("\\e[31mevil")),
             qPrintable(called.output.left(200)));
}

void tst_WithoutWindow::exportsEveryFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("dots");
    QTest::addColumn<QString>("title");
    for (const char *format : {"png", "svg", "pdf"}) {
        QTest::addRow("%s 2:3", format) << format << 2 << 3 << false
                                        << QStringLiteral("Фигура на Лисажу: a = 2, b = 3, b : a = 3 : 2");
        QTest::addRow("%s 19:18 with dots", format) << format << 19 << 18 << true
                                                    << QStringLiteral("Фигура на Лисажу: a = 19, b = 18, b : a = 18 : 19");
    }
}

void tst_WithoutWindow::exportsEveryFormat()
{
    QFETCH(QString, format);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, dots);
    QFETCH(QString, title);
    const QString file = m_folder.filePath(QStringLiteral("figure-%1-%2.%3").arg(a).arg(b).arg(format));
    QStringList arguments{"--export", file, "-x", QString::number(a), "-y", QString::number(b), "--size", "600"};
    if (dots)
        arguments << "--dots";
    const Run run = korvana(arguments);
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    // The dots are the one orange, (255, 140, 0), in the picture.
    if (format == "png") {
        const QImage read = QImage::fromData(bytes);
        // Its title in a text chunk, and a resolution that prints it 18 cm wide, as the PDF's page.
        QCOMPARE(read.text(QStringLiteral("Title")), title);
        QCOMPARE(read.dotsPerMeterX(), qRound(600 / 0.18));
        const QImage picture = read.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(600, 600));
        bool orange = false;
        for (int y = 0; y < picture.height() && !orange; ++y)
            for (int x = 0; x < picture.width() && !orange; ++x)
                orange = picture.pixel(x, y) == qRgb(255, 140, 0);
        QCOMPARE(orange, dots);
    } else if (format == "svg") {
        QCOMPARE(bytes.contains("#ff8c00"), dots);
        QVERIFY(bytes.contains("<title>" + title.toUtf8() + "</title>"));
        QVERIFY(bytes.contains(QStringLiteral("<desc>Фигура на Лисажу за a = %1 и b = %2").arg(a).arg(b).toUtf8()));
        QVERIFY(bytes.contains(" width=\"179.") || bytes.contains(" width=\"180."));
        // The caption names the phase only where it is not the window's 90°.
        QVERIFY(!bytes.contains("φ ="));
        QXmlStreamReader svg(bytes);
        int paths = 0;
        while (!svg.atEnd())
            paths += svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("path");
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QVERIFY(paths > 0);
    } else {
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    }
}

void tst_WithoutWindow::pngShowsTheCurveThroughItsTouches_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("phase");
    QTest::newRow("2:3") << 2 << 3 << 90;
    QTest::newRow("19:18") << 19 << 18 << 90;
    QTest::newRow("3:2 at 30°") << 3 << 2 << 30;
}

void tst_WithoutWindow::pngShowsTheCurveThroughItsTouches()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, phase);
    const QString file = m_folder.filePath(QStringLiteral("curve-%1-%2-%3.png").arg(a).arg(b).arg(phase));
    QCOMPARE(korvana({"--export", file, "-x", QString::number(a), "-y", QString::number(b), "--phase",
                      QString::number(phase)})
                 .status,
             0);
    // An SVG of the same figure names its phase in the caption, where it is not 90°.
    const QString svg = m_folder.filePath(QStringLiteral("caption-%1.svg").arg(phase));
    QCOMPARE(korvana({"--export", svg, "-x", QString::number(a), "-y", QString::number(b), "--phase",
                      QString::number(phase)})
                 .status,
             0);
    QFile caption(svg);
    QVERIFY(caption.open(QIODevice::ReadOnly));
    QCOMPARE(caption.readAll().contains(QStringLiteral("φ = %1°").arg(phase).toUtf8()), phase != 90);
    const QImage image(file);
    QCOMPARE(image.size(), QSize(1200, 1200));
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));

    // Where the curve is: the box of the line's dark blue, its extremes at the
    // square's edges. Every point of the ideal curve must be on ink there: a line with
    // no gap.
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).blue() > 80 && qRed(image.pixel(x, y)) < 60)
                box |= QRect(x, y, 1, 1);
    QVERIFY(box.width() > 600 && std::abs(box.width() - box.height()) <= 2);
    const QPointF centre = QRectF(box).center();
    const double half = box.width() / 2.0 - 3; // less half the line's width
    // y upward, as in the formula: the top edge is y = 1.
    const auto pixelOf = [&](QPointF point) { return (centre + QPointF(point.x(), -point.y()) * half).toPoint(); };
    const auto near = [&](QPointF point, bool (*isColour)(QRgb)) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (isColour(image.pixel(pixelOf(point) + QPoint(dx, dy))))
                    return true;
        return false;
    };
    // Where y turns, at the top edge, or x does, at the right edge, the curve touches
    // its square: a red tick must stand just outside the square across that edge
    // (a twentieth of the side long, off the edge by the line's width), and no red
    // anywhere else.
    constexpr double outside = 0.04;
    const auto curveAt = [&](int i) {
        const double t = 2 * std::numbers::pi * i / 20000;
        return QPointF(std::sin(a * t + phase * std::numbers::pi / 180), std::sin(b * t));
    };
    const auto isRed = [](QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90; };
    QList<QPointF> touches;
    for (int i = 0; i < 20000; ++i) {
        const QPointF before = curveAt(i - 1), here = curveAt(i), after = curveAt(i + 1);
        if (!near(here, isInk))
            QFAIL(qPrintable(QStringLiteral("a gap in the line at (%1, %2)").arg(here.x()).arg(here.y())));
        if (here.y() >= before.y() && here.y() > after.y())
            touches += here + QPointF(0, outside);
        if (here.x() >= before.x() && here.x() > after.x())
            touches += here + QPointF(outside, 0);
    }
    QVERIFY(!touches.isEmpty());
    for (const QPointF &touch : touches)
        QVERIFY2(near(touch, isRed), qPrintable(QStringLiteral("no mark at (%1, %2)").arg(touch.x()).arg(touch.y())));
    // At this size a tick reaches less than 40 pixels from there.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto closeBy = [&](QPointF touch) { return QLineF(pixelOf(touch), QPoint(x, y)).length() < 40; };
            if (isRed(image.pixel(x, y)) && std::none_of(touches.begin(), touches.end(), closeBy))
                QFAIL(qPrintable(QStringLiteral("a stray mark at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void tst_WithoutWindow::badInputIsRefusedAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString file = QStringLiteral("FILE.png");
    QTest::newRow("a of 0") << QStringList{"--export", file, "-x", "0", "-y", "3"};
    QTest::newRow("b of 20") << QStringList{"--export", file, "-x", "2", "-y", "20"};
    QTest::newRow("a not whole") << QStringList{"--export", file, "-x", "2.5", "-y", "3"};
    QTest::newRow("b a word") << QStringList{"--export", file, "-x", "2", "-y", "три"};
    QTest::newRow("no b") << QStringList{"--export", file, "-x", "2"};
    QTest::newRow("no value for a") << QStringList{"--export", file, "-y", "3", "-x"};
    QTest::newRow("unknown ending") << QStringList{"--export", "FILE.jpg", "-x", "2", "-y", "3"};
    QTest::newRow("no ending") << QStringList{"--export", "FILE", "-x", "2", "-y", "3"};
    QTest::newRow("size 15") << QStringList{"--export", file, "-x", "2", "-y", "3", "--size", "15"};
    QTest::newRow("size 8193") << QStringList{"--export", file, "-x", "2", "-y", "3", "--size", "8193"};
    QTest::newRow("phase 360") << QStringList{"--export", file, "-x", "2", "-y", "3", "--phase", "360"};
    QTest::newRow("phase a fraction") << QStringList{"--export", file, "-x", "2", "-y", "3", "--phase", "12.5"};
    QTest::newRow("unknown option") << QStringList{"--export", file, "-x", "2", "-y", "3", "--colour"};
    QTest::newRow("frequency without export") << QStringList{"-x", "2"};
}

void tst_WithoutWindow::badInputIsRefusedAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FILE")), folder.filePath(QStringLiteral("out")));
    const Run run = korvana(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.errors.trimmed().count(QLatin1Char('\n')), 0);
    QVERIFY(run.errors.startsWith(QStringLiteral("korvana: ")));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void tst_WithoutWindow::aFailedWriteLeavesTheOldFile()
{
    // A folder that may not be written to, holding an old picture: root may write
    // anywhere, so as root the export runs as the unprivileged user nobody.
    QTemporaryDir folder;
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                     | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                                     | QFileDevice::ExeGroup | QFileDevice::WriteOwner));
    const QString old = folder.filePath(QStringLiteral("old.png"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("the old picture");
    file.close();
    QStringList wrapper;
    if (geteuid() == 0 && QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("as root, needs setpriv (util-linux) to write as another user");
    if (geteuid() == 0)
        wrapper = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    else
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    const Run run = korvana({"--export", old, "-x", "2", "-y", "3"}, wrapper);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains(old), qPrintable(run.errors));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the old picture"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"old.png"});
    const Run missingFolder = korvana({"--export", folder.filePath("no/such/folder.png"), "-x", "2", "-y", "3"});
    QCOMPARE(missingFolder.status, 1);
}

void tst_WithoutWindow::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // On stdout for the help, on stderr otherwise.
    QTest::addColumn<QStringList>("words");
    const QStringList help{"--help"};
    const QStringList unknown{"--colour"};
    const QStringList outOfRange{"--export", "FILE.png", "-x", "0", "-y", "3"};
    const QStringList folder{"--export", "FOLDER", "-x", "2", "-y", "3"};
    const QStringList bulgarian{"LANG=bg_BG.UTF-8"};
    const QStringList english{"LANG=en_US.UTF-8"};

    QTest::newRow("help, LANG bg") << bulgarian << help << 0
                                   << QStringList{"Употреба: ", " [опции]", "Опции:", "Показва тази помощ и излиза.",
                                                  "--export <ФАЙЛ>", "Фазовата разлика φ в градуси"};
    QTest::newRow("help, LC_ALL bg over LANG C") << QStringList{"LANG=C", "LC_ALL=bg_BG.UTF-8"} << help << 0
                                                 << QStringList{"Опции:", "Показва версията и излиза."};
    QTest::newRow("help, C") << QStringList{"LANG=C"} << help << 0
                             << QStringList{"Usage: ", " [options]", "Options:", "Show this help and exit.",
                                            "--export <FILE>"};
    QTest::newRow("help, LC_ALL en over LANG bg") << QStringList{"LANG=bg_BG.UTF-8", "LC_ALL=en_US.UTF-8"} << help << 0
                                                  << QStringList{"Options:", "Show the version and exit."};
    QTest::newRow("unknown option, LC_MESSAGES bg") << QStringList{"LANG=C", "LC_MESSAGES=bg_BG.UTF-8"} << unknown << 2
                                                    << QStringList{"korvana: Непозната опция „colour“. (вижте korvana --help)"};
    QTest::newRow("unknown option, en_US") << english << unknown << 2
                                           << QStringList{"korvana: Unknown option 'colour'. (see korvana --help)"};
    QTest::newRow("a of 0, bg") << bulgarian << outOfRange << 2
                                << QStringList{"korvana: -x „0“ не е цяло число от 1 до 19 (вижте"};
    QTest::newRow("a of 0, en_US") << english << outOfRange << 2
                                   << QStringList{"korvana: -x '0' is not a whole number from 1 to 19 (see"};
    QTest::newRow("a folder, bg") << bulgarian << folder << 1
                                  << QStringList{"не може да бъде записан", ": това не е обикновен файл, а папка, устройство или друг специален файл"};
    QTest::newRow("a folder, en_US") << english << folder << 1 << QStringList{"cannot write", "not a regular file"};
}

void tst_WithoutWindow::speaksTheUsersLanguage()
{
    QFETCH(QStringList, locale);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, words);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.png")));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FOLDER$")), folder.filePath(QStringLiteral("taken.png")));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FILE")), folder.filePath(QStringLiteral("out")));
    const Run run = ::korvana(arguments, m_runtime.path(), {}, locale);
    QCOMPARE(run.status, status);
    const QString said = status == 0 ? run.output : run.errors;
    if (status != 0)
        QCOMPARE(said.trimmed().count(QLatin1Char('\n')), 0);
    for (const QString &word : words)
        QVERIFY2(said.contains(word), qPrintable(said));
}

void tst_WithoutWindow::givesTheSystemsReasonInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    // How korvana is started: as it is, with its standard output on a full disk, in a
    // folder made read-only for it alone, or where a stranger's link is in the way.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // The system's reason, by its error number; or, where that is 0, words of korvana's own.
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("words");
    const QString bulgarian = QStringLiteral("bg_BG.UTF-8");
    const QString english = QStringLiteral("C");
    const QStringList png{"-x", "2", "-y", "3"};
    const QStringList missing = QStringList{"--export", "FOLDER/no/such/folder.png"} + png;
    const QStringList old = QStringList{"--export", "FOLDER/old.png"} + png;
    const QStringList sheet{"--sheet", "FOLDER/new.pdf", "--random", "2"};
    const QStringList linked = QStringList{"--export", "FOLDER/linked.png"} + png;
    const QStringList longName = QStringList{"--export", "FOLDER/" + QString(300, 'n') + ".png"} + png;
    const auto longPath = [&](int bytes) {
        return QStringList{"--export", "/" + QString(bytes - 5, 'p') + ".png"} + png;
    };
    QTest::newRow("no folder, bg") << bulgarian << "" << missing << 1 << ENOENT << "";
    QTest::newRow("no folder, C") << english << "" << missing << 1 << ENOENT << "";
    QTest::newRow("standard output full, bg") << bulgarian << "full" << QStringList{"--version"} << 1 << ENOSPC << "";
    QTest::newRow("read-only file system, old file, bg") << bulgarian << "read-only" << old << 1 << EROFS << "";
    QTest::newRow("read-only file system, new sheet, C") << english << "read-only" << sheet << 1 << EROFS << "";
    QTest::newRow("a stranger's link in a shared folder, bg") << bulgarian << "stranger" << linked << 1 << EACCES << "";
    // A name longer than the file system takes is the system's to refuse; a path longer
    // than the system takes in one piece is refused as a wrong command line, whatever
    // its length, before Qt's file names go wrong past 32767 characters.
    QTest::newRow("a name of 300 bytes, bg") << bulgarian << "" << longName << 1 << ENAMETOOLONG << "";
    QTest::newRow("a path of 32770 bytes, C")
        << english << "" << longPath(32770) << 2 << 0 << "the file name is 32770 bytes long: the system takes at most 4095";
    QTest::newRow("a path of 40000 bytes, bg")
        << bulgarian << "" << longPath(40000) << 2 << 0
        << "името на файла е дълго 40000 байта, а системата приема най-много 4095";
}

void tst_WithoutWindow::givesTheSystemsReasonInTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, setting);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, error);
    QFETCH(QString, words);
    if (locale != QLatin1String("C") && !m_bulgarian)
        QSKIP("needs localedef, the locales' sources and libc-l10n to make a Bulgarian locale");
    QTemporaryDir folder;
    // Readable by all, as the shared folder below is for all.
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                     | QFileDevice::ExeOther));
    QFile oldFile(folder.filePath(QStringLiteral("old.png")));
    QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write("the old picture") > 0);
    oldFile.close();
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FOLDER")), folder.path());
    QStringList wrapper;
    if (setting == QLatin1String("full")) {
        wrapper = {"sh", "-c", "exec \"$@\" >/dev/full", "sh"};
    } else if (setting == QLatin1String("read-only")) {
        // The folder bound read-only onto itself, seen so by korvana alone.
        const QString readOnly = QStringLiteral(R"sh(mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec "$@")sh");
        const std::optional<Run> can = tool("unshare", {"-m", "sh", "-c", readOnly, folder.path(), "true"});
        if (!can || can->status != 0)
            QSKIP("needs to mount in a namespace of its own (unshare -m, as root)");
        wrapper = {"unshare", "-m", "sh", "-c", readOnly, folder.path()};
    } else if (setting == QLatin1String("stranger")) {
        // In a sticky folder open to all, a link that belongs to neither the one who
        // follows it nor the folder's owner: the kernel would not follow it.
        const QByteArray shared = QFile::encodeName(folder.path());
        const QByteArray link = shared + "/linked.png";
        if (::chmod(shared.constData(), 01777) != 0 || ::symlink("old.png", link.constData()) != 0
            || ::lchown(link.constData(), ::geteuid() + 1, ::getegid()) != 0)
            QSKIP("needs to give a link to another user (as root)");
    }
    const Run run = ::korvana(arguments, m_runtime.path(), wrapper,
                              {"LANG=" + locale, "LOCPATH=" + m_locales.path()});
    const QString expected = error != 0 ? libraryReason(error, locale) : words;
    // A row that can fail: the Bulgarian reason is not the English one.
    if (locale != QLatin1String("C"))
        QVERIFY2(expected != libraryReason(error, QStringLiteral("C")) || error == 0, qPrintable(expected));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.trimmed().count(QLatin1Char('\n')) == 0, qPrintable(run.errors));
    QVERIFY2(run.errors.trimmed().endsWith(expected) || run.errors.contains(expected + " ("), qPrintable(run.errors));
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    QCOMPARE(oldFile.readAll(), QByteArray("the old picture"));
}

QTEST_GUILESS_MAIN(tst_WithoutWindow)
#include "tst_withoutwindow.moc"
