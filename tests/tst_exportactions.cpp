// Copying and printing as a user does it from the close-up view and the plot area,
// on the offscreen platform's clipboard and a PDF printer.
#include "CloseUpView.h"
#include "ExportActions.h"
#include "FigureFile.h"
#include "FigurePainter.h"
#include "KorvanaFixture.h"
#include "KorvanaProcess.h"
#include "ModalBox.h"
#include "ReferencePicture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include <sys/resource.h>

namespace {

// Whether the picture has a pixel of the colour: the dots' orange marks a picture
// with the program's dots laid over the line.
bool hasColour(const QImage &picture, QRgb colour)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                return true;
    return false;
}

// The box round the ink in a page's rows top to bottom: empty where they are blank.
QRect inkBox(const QImage &page, int top, int bottom)
{
    QRect box;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 192)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class tst_ExportActions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyInTheViewGivesTheCaptionedPicture_data();
    void copyInTheViewGivesTheCaptionedPicture();
    void copyInTheCaptionTakesItsSelectedText();
    void copyOnThePlotAreaGivesItsDotsExactly();
    void nothingDrawnLeavesNothingToTakeOut();
    void saveFromTheViewWritesTheChosenType_data();
    void saveFromTheViewWritesTheChosenType();
    void printingMakesOnePage();
    void aPrintedPageCentresTheFigureUnderItsHeading_data();
    void aPrintedPageCentresTheFigureUnderItsHeading();
    void anSvgCaptionNamesFontsToFallBackOn();
    void aFailedPrintSaysWhichFileAndWhy();
    void aFailedSaveSaysWhichFileAndWhy_data();
    void aFailedSaveSaysWhichFileAndWhy();
    void aSavedPictureTakesThePngEnding();
    void aFailedWriteKeepsTheOldFileAndSaysWhy_data();
    void aFailedWriteKeepsTheOldFileAndSaysWhy();

private:

    KorvanaFixture m_korvana;
    QTemporaryDir m_folder;
};

void tst_ExportActions::init()
{
    QGuiApplication::clipboard()->clear();
    QVERIFY(m_korvana.start());
}

void tst_ExportActions::cleanup()
{
    m_korvana.reset();
}

void tst_ExportActions::copyInTheViewGivesTheCaptionedPicture_data()
{
    QTest::addColumn<bool>("dots");
    QTest::newRow("the line alone") << false;
    QTest::newRow("with the dots ticked") << true;
}

void tst_ExportActions::copyInTheViewGivesTheCaptionedPicture()
{
    QFETCH(bool, dots);
    closeup::CloseUpView &view = *m_korvana.drawAndLookCloser();
    dotsBoxOf(view)->setChecked(dots);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    QCOMPARE(image.size(), QSize(1200, 1200));
    QCOMPARE(hasColour(image, qRgb(255, 140, 0)), dots);
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

void tst_ExportActions::copyInTheCaptionTakesItsSelectedText()
{
    closeup::CloseUpView &view = *m_korvana.drawAndLookCloser();
    auto *caption = view.findChild<QLabel *>();
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(caption->hasFocus());
    caption->setSelection(0, 7);
    QTest::keyClick(caption, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Честоти"));
    QVERIFY(QGuiApplication::clipboard()->image().isNull());

    // The menu's copy is the picture's, whatever is selected.
    view.actions().constFirst()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(1200, 1200));
}

void tst_ExportActions::nothingDrawnLeavesNothingToTakeOut()
{
    // The window starts blank; the view opened on it offers nothing for a figure.
    QTest::keyClick(&m_korvana.picture(), Qt::Key_Return);
    auto *view = m_korvana.window().findChild<closeup::CloseUpView *>();
    QVERIFY(view);
    QTRY_COMPARE(QApplication::activeWindow(), view);
    // What is off in a widget's context menu, as the menu shows it: greyed out, with
    // a tooltip that says why.
    const auto offInMenu = [](QWidget *widget) {
        QStringList off;
        QTimer look;
        look.setInterval(10);
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *action : menu->actions())
                    if (!action->isEnabled() && menu->toolTipsVisible()
                        && action->toolTip().startsWith(QStringLiteral("Няма начертана фигура")))
                        off << action->text();
                menu->close();
            }
        });
        look.start();
        const QPoint centre = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
        return off;
    };
    const auto dotsOff = [view] {
        auto *dots = dotsBoxOf(*view);
        return !dots->isEnabled() && dots->accessibleDescription().startsWith(QStringLiteral("Няма начертана фигура"));
    };
    const QStringList pictureActions{QStringLiteral("Копирай картината"), QStringLiteral("Запази картината като…")};
    const QStringList viewActions =
        pictureActions + QStringList{QStringLiteral("Отпечатай…"), QStringLiteral("Работен лист…")};
    QCOMPARE(offInMenu(&m_korvana.picture()), pictureActions);
    QCOMPARE(offInMenu(view), viewActions);
    QVERIFY(dotsOff());
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->image().isNull());

    m_korvana.button(0).click();
    QCOMPARE(offInMenu(view), QStringList());
    QVERIFY(!dotsOff());
    m_korvana.button(1).click();
    QCOMPARE(offInMenu(&m_korvana.picture()), pictureActions);
    QCOMPARE(offInMenu(view), viewActions);
}

void tst_ExportActions::saveFromTheViewWritesTheChosenType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    const QString png = QStringLiteral("Изображение PNG (*.png)");
    const QString svg = QStringLiteral("Векторна графика SVG (*.svg)");
    const QString pdf = QStringLiteral("Документ PDF (*.pdf)");
    QTest::newRow("PNG, no ending typed") << png << "figure" << 300 << "figure.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG, no ending typed") << svg << "figure" << 0 << "figure.svg" << QByteArray("<?xml");
    QTest::newRow("PDF, no ending typed") << pdf << "figure" << 0 << "figure.pdf" << QByteArray("%PDF");
    QTest::newRow("the typed ending wins") << png << "figure.pdf" << 0 << "figure.pdf" << QByteArray("%PDF");
    QTest::newRow("size dialog cancelled") << png << "figure" << -1 << "" << QByteArray();
}

void tst_ExportActions::saveFromTheViewWritesTheChosenType()
{
    QFETCH(QString, type);
    QFETCH(QString, typed);
    QFETCH(int, size);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    const QTemporaryDir folder;
    closeup::CloseUpView &view = *m_korvana.drawAndLookCloser();
    int sizeAsked = 0;
    answeringDialogs([&] { QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier); }, [&](QWidget &dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(&dialog)) {
            // Typed into the name field, as a user does, after choosing the type.
            files->selectNameFilter(type);
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(folder.filePath(typed));
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto *input = qobject_cast<QInputDialog *>(&dialog)) {
            ++sizeAsked;
            input->setIntValue(size);
            size > 0 ? input->accept() : input->reject();
        }
    });
    QCOMPARE(sizeAsked, size != 0 ? 1 : 0);
    const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
    if (written.isEmpty())
        return;
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    if (size > 0)
        QCOMPARE(QImage(file.fileName()).size(), QSize(size, size));
}

void tst_ExportActions::copyOnThePlotAreaGivesItsDotsExactly()
{
    m_korvana.button(0).click();
    const QList<QAction *> menu = m_korvana.picture().actions();
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
    QVERIFY(!figureexport::ExportActions::printOn(printer, picture::FigurePainter({19, 18}), true));
    QFile printed(printer.outputFileName());
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray pdf = printed.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

void tst_ExportActions::aPrintedPageCentresTheFigureUnderItsHeading_data()
{
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<bool>("landscape");
    // The system's font, or another of other widths, as where the usual one is missing.
    QTest::addColumn<QString>("family");
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << false << QString();
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << false << QString();
    QTest::newRow("A4 landscape") << QPageSize(QPageSize::A4) << true << QString();
    QTest::newRow("A4, a wide font") << QPageSize(QPageSize::A4) << false << QStringLiteral("Liberation Mono");
    QTest::newRow("Letter, a serif font") << QPageSize(QPageSize::Letter) << false << QStringLiteral("Liberation Serif");
}

void tst_ExportActions::aPrintedPageCentresTheFigureUnderItsHeading()
{
    QFETCH(QPageSize, paper);
    QFETCH(bool, landscape);
    QFETCH(QString, family);
    const QFont systemFont = QGuiApplication::font();
    const auto restoreFont = qScopeGuard([&] { QGuiApplication::setFont(systemFont); });
    if (!family.isEmpty())
        QGuiApplication::setFont(QFont(family));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(paper);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setOutputFileName(m_folder.filePath(QStringLiteral("page.pdf")));
    QVERIFY(!figureexport::ExportActions::printOn(printer, picture::FigurePainter({2, 3}), false));
    const std::optional<Run> text = tool(QStringLiteral("pdftotext"), {printer.outputFileName(), QStringLiteral("-")});
    if (!text)
        QSKIP("Poppler's tools (poppler-utils) are not installed");
    QVERIFY(text->output.startsWith(QStringLiteral("Фигура на Лисажу\n")));
    QVERIFY(tool(QStringLiteral("pdftoppm"), {"-r", "40", "-png", "-singlefile", printer.outputFileName(),
                                              m_folder.filePath("page")}));
    const QImage page(m_folder.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());

    // The heading's ink in the top tenth, then the figure with its caption, in any
    // font: as far from the left edge as from the right within 2 mm (three pixels at
    // 40 dpi), and from the heading as from the bottom within 6 mm, as the room under
    // the heading starts half the heading's line below it and runs to the printer's
    // margin, which differ with the font.
    const QRect heading = inkBox(page, 0, page.height() / 10);
    QVERIFY(!heading.isEmpty());
    const QRect figure = inkBox(page, heading.bottom() + 1, page.height() - 1);
    QVERIFY(!figure.isEmpty());
    const int acrossTolerance = 3;
    constexpr double downMillimetres = 6;
    constexpr double dotsPerMillimetre = 40 / 25.4;
    const int tolerance = int(downMillimetres * dotsPerMillimetre);
    QVERIFY2(std::abs(figure.left() - (page.width() - 1 - figure.right())) <= acrossTolerance,
             qPrintable(QStringLiteral("across: %1 to %2 of %3").arg(figure.left()).arg(figure.right())
                            .arg(page.width())));
    QVERIFY2(std::abs((figure.top() - heading.bottom()) - (page.height() - 1 - figure.bottom())) <= tolerance,
             qPrintable(QStringLiteral("down: %1 to %2 under %3 of %4")
                            .arg(figure.top()).arg(figure.bottom()).arg(heading.bottom()).arg(page.height())));
}

void tst_ExportActions::anSvgCaptionNamesFontsToFallBackOn()
{
    const QString file = m_folder.filePath(QStringLiteral("caption.svg"));
    QVERIFY(!figureexport::FigureFile::write({.file = file, .frequencies = {2, 3}}));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&written);
    QStringList named;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("text"))
            named << svg.attributes().value(QLatin1String("font-family")).toString();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY(!named.isEmpty());
    // As CSS has it: names quoted, a generic family last; the font the caption was
    // laid out in among them.
    const QString used = QStringLiteral("'%1'").arg(QFontInfo(QGuiApplication::font()).family());
    const QRegularExpression quoted(QStringLiteral(R"(^'([^'\\]|\\.)*'$)"));
    for (const QString &families : std::as_const(named)) {
        QStringList list = families.split(QLatin1Char(','));
        for (QString &family : list)
            family = family.trimmed();
        QVERIFY2(QStringList({"serif", "sans-serif", "monospace", "system-ui"}).contains(list.takeLast()),
                 qPrintable(families));
        QVERIFY2(list.contains(used), qPrintable(families));
        for (const QString &family : std::as_const(list))
            QVERIFY2(quoted.match(family).hasMatch(), qPrintable(families));
    }
}

void tst_ExportActions::aFailedPrintSaysWhichFileAndWhy()
{
    // Printed to a PDF file in a folder that is not there, through the print dialog.
    closeup::CloseUpView &view = *m_korvana.drawAndLookCloser();
    const QString target = m_folder.filePath(QStringLiteral("gone/printed.pdf"));
    QString said;
    answeringDialogs([&] { QTest::keyClick(&view, Qt::Key_P, Qt::ControlModifier); }, [&](QWidget &dialog) {
        if (auto *print = qobject_cast<QPrintDialog *>(&dialog)) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(target);
            // As the dialog's Print button ends it, but with the printer set up here.
            print->done(QDialog::Accepted);
        } else if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
            said = box->text();
            box->accept();
        }
    });
    QVERIFY2(said.contains(QDir::toNativeSeparators(target)), qPrintable(said));
    QVERIFY2(said.contains(QString::fromLocal8Bit(std::strerror(ENOENT))), qPrintable(said));
    QVERIFY(!QFile::exists(target));
}

void tst_ExportActions::aFailedSaveSaysWhichFileAndWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("in a folder that is not there")
        << "gone/figure.png" << QString::fromLocal8Bit(std::strerror(ENOENT));
    QTest::newRow("a folder's name") << "folder.png" << "Това не е обикновен файл";
}

void tst_ExportActions::aFailedSaveSaysWhichFileAndWhy()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("folder.png")));
    const QString target = m_folder.filePath(name);
    const QString said = modalBoxText([&] {
                             figureexport::ExportActions::savePictureAs(&m_korvana.window(),
                                                                        QImage(4, 4, QImage::Format_RGB32), target);
                         }).value_or(QString());
    QVERIFY2(said.contains(QDir::toNativeSeparators(target)), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("не беше записана")), qPrintable(said));
    QVERIFY2(said.contains(reason), qPrintable(said));
    QVERIFY(!QFileInfo(target).isFile());
}

void tst_ExportActions::aSavedPictureTakesThePngEnding()
{
    const QString typed = m_folder.filePath(QStringLiteral("plot"));
    figureexport::ExportActions::savePictureAs(&m_korvana.window(), QImage(4, 4, QImage::Format_RGB32), typed);
    QCOMPARE(QImage(typed + QStringLiteral(".png")).size(), QSize(4, 4));
}

void tst_ExportActions::aFailedWriteKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("printed");
    for (const char *file : {"figure.png", "figure.svg", "figure.pdf", "figure.wav"})
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
    const picture::FigurePainter figure({19, 18});

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
        said = modalBoxText([&] {
                   figureexport::ExportActions::saveFigureAs(&m_korvana.window(),
                                                             {.file = target, .frequencies = figure.frequencies(), .withDots = true});
               }).value_or(QString());
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
