// Copying and printing as a user does it from the close-up view and the plot area,
// on the offscreen platform's clipboard and a PDF printer.
#include "CloseUpView.h"
#include "CommandButton.h"
#include "ExportActions.h"
#include "FigurePainter.h"
#include "Korvana.h"
#include "PictureBox.h"
#include "ReferencePicture.h"

#include <QAction>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include <sys/resource.h>

namespace {

// What the message box that act shows says; the box is then closed, as a user would.
QString messageOf(const std::function<void()> &act)
{
    QString said;
    QTimer::singleShot(0, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    act();
    return said;
}

} // namespace

class tst_ExportActions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyInTheViewGivesTheCaptionedPicture();
    void copyOnThePlotAreaGivesItsDotsExactly();
    void printingMakesOnePage();
    void aFailedSaveSaysWhichFileAndWhy();
    void aFailedWriteKeepsTheOldFileAndSaysWhy_data();
    void aFailedWriteKeepsTheOldFileAndSaysWhy();

private:
    forms::PictureBox &picture() { return m_window->control<forms::PictureBox>("Picture1"); }

    std::unique_ptr<Korvana> m_window;
};

void tst_ExportActions::init()
{
    QGuiApplication::clipboard()->clear();
    m_window = std::make_unique<Korvana>();
    m_window->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->control<forms::CommandButton>("Command1", 0).click();
}

void tst_ExportActions::cleanup()
{
    m_window.reset();
}

void tst_ExportActions::copyInTheViewGivesTheCaptionedPicture()
{
    QTest::keyClick(&picture(), Qt::Key_Return);
    auto *view = m_window->findChild<closeup::CloseUpView *>();
    QVERIFY(view);
    QTRY_COMPARE(QApplication::activeWindow(), view);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), QSize(1200, 1200));
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

void tst_ExportActions::copyOnThePlotAreaGivesItsDotsExactly()
{
    const QList<QAction *> menu = picture().actions();
    const auto copy = std::find_if(menu.begin(), menu.end(),
                                   [](QAction *a) { return a->text() == QStringLiteral("Копирай картината"); });
    QVERIFY(copy != menu.end());
    (*copy)->trigger();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied, referencePicture(1, 3, QSize(209, 209)));
}

void tst_ExportActions::printingMakesOnePage()
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    figureexport::ExportActions::printOn(printer, closeup::FigurePainter({19, 18}), true);
    QFile printed(printer.outputFileName());
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray pdf = printed.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

void tst_ExportActions::aFailedSaveSaysWhichFileAndWhy()
{
    // The user has chosen a file in a folder that is not there.
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("gone/figure.png"));
    const QString said = messageOf(
        [&] { figureexport::ExportActions::savePictureAs(m_window.get(), QImage(4, 4, QImage::Format_RGB32), target); });
    QVERIFY2(said.contains(QDir::toNativeSeparators(target)), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("не беше записана")), qPrintable(said));
    QVERIFY(!QFile::exists(target));
}

void tst_ExportActions::aFailedWriteKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("printed");
    for (const char *file : {"figure.png", "figure.svg", "figure.pdf"})
        QTest::addRow("save %s", file) << file << false;
    QTest::newRow("print to a PDF file") << "printed.pdf" << true;
}

void tst_ExportActions::aFailedWriteKeepsTheOldFileAndSaysWhy()
{
    QFETCH(QString, file);
    QFETCH(bool, printed);
    QTemporaryDir folder;
    const QString target = folder.filePath(file);
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old picture") > 0);
    old.close();
    const closeup::FigurePainter figure({19, 18});

    // As under ulimit -f 4, for this process alone and only while it writes.
    rlimit before {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString said;
    if (printed) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        const figureexport::ExportResult failure = figureexport::ExportActions::printOn(printer, figure, true);
        QVERIFY(failure && failure->file == target);
        said = failure->systemReason;
    } else {
        said = messageOf([&] {
            figureexport::ExportActions::saveFigureAs(m_window.get(), {target, figure.frequencies(), 1200, true});
        });
    }
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);

    QVERIFY2(said.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(said));
    QVERIFY2(printed || said.contains(target), qPrintable(said));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the old picture"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList{file});
}

QTEST_MAIN(tst_ExportActions)
#include "tst_exportactions.moc"
