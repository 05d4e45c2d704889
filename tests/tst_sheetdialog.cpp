#include "KorvanaFixture.h"
#include "KorvanaProcess.h"
#include "ModalBox.h"
#include "SheetDialog.h"
#include "SheetPrinting.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using figure::FrequencyPair;
using Pairs = std::vector<FrequencyPair>;

// The worksheet from the window: the close-up's action, the dialog that asks what the
// sheet holds, and the preview it leads to.
class TestSheetDialog : public QObject {
    Q_OBJECT

private slots:
    void chosenPairsMakeTheSheet_data();
    void chosenPairsMakeTheSheet();
    void randomFiguresComeFromTheSeed();
    void aTitleLongerThanTwoLinesIsRefused();
    void theCloseUpOffersAWorksheetThatPreviews();
    void printingToAFileWritesQuizAndKey();

private:
    static QPushButton *previewButton(sheet::SheetDialog &dialog)
    {
        return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    }
};

void TestSheetDialog::chosenPairsMakeTheSheet_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Pairs>("pairs");
    // What the dialog says is wrong, where it is.
    QTest::addColumn<QString>("problem");
    QTest::newRow("two") << "1:2, 2:3" << Pairs{{1, 2}, {2, 3}} << QString();
    QTest::newRow("a dash") << "1:2, 2-3" << Pairs{} << "„2-3“";
    QTest::newRow("none") << " , " << Pairs{} << "Няма";
    QTest::newRow("forty-nine") << QStringLiteral("1:2,").repeated(49) << Pairs{} << "48";
    // The user's text is shown as typed, never taken for markup.
    QTest::newRow("markup") << "<b>1</b>:2" << Pairs{} << "<b>1</b>:2";
    QTest::newRow("a place marker") << "1:2, %1" << Pairs{} << "„%1“ не е двойка a:b с честоти от 1 до 19";
}

void TestSheetDialog::chosenPairsMakeTheSheet()
{
    QFETCH(QString, typed);
    QFETCH(Pairs, pairs);
    QFETCH(QString, problem);
    sheet::SheetDialog dialog({3, 4}, 30);
    auto *field = dialog.findChild<QLineEdit *>();
    QCOMPARE(field->text(), "3:4");
    field->selectAll();
    QTest::keyClicks(field, typed);
    // Typing the pairs chose them over random figures.
    QVERIFY(!dialog.findChild<QRadioButton *>()->isChecked());
    const std::optional<sheet::Worksheet> sheet = dialog.worksheet();
    QCOMPARE(previewButton(dialog)->isEnabled(), !pairs.empty());
    QCOMPARE(sheet.has_value(), !pairs.empty());
    if (sheet) {
        QCOMPARE(sheet->pairs, pairs);
        QCOMPARE(sheet->phaseDegrees, 30.0);
        // A key only when asked for, so that none goes to a class by chance.
        QVERIFY(!sheet->withKey);
    }
    QLabel *said = nullptr;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        if (label->textFormat() == Qt::PlainText)
            said = label;
    QVERIFY(said);
    QCOMPARE(said->isVisibleTo(&dialog), !problem.isEmpty());
    // Nothing said of pairs that are right; the fault named where there is one.
    if (problem.isEmpty())
        QCOMPARE(said->text(), QString());
    else
        QVERIFY2(said->text().contains(problem), qPrintable(said->text()));
}

void TestSheetDialog::randomFiguresComeFromTheSeed()
{
    sheet::SheetDialog dialog({1, 1}, 90);
    auto boxes = dialog.findChildren<QSpinBox *>();
    // Count, seed, phase, in the order a user tabs through them.
    boxes[0]->setValue(5);
    boxes[1]->setValue(4242);
    // Named by the word the sheet prints it under, "Вариант 4242".
    auto *form = dialog.findChild<QFormLayout *>();
    auto *label = qobject_cast<QLabel *>(form->labelForField(boxes[1]));
    QVERIFY(label);
    QCOMPARE(label->text().remove(QLatin1Char('&')), QStringLiteral("Вариант:"));
    const std::optional<sheet::Worksheet> sheet = dialog.worksheet();
    QVERIFY(sheet);
    // The figures of `korvana --sheet x.pdf --random 5 --seed 4242 --answers`, read off
    // its key with pdftotext: b : a in lowest terms, so a is the second number.
    QCOMPARE(sheet->pairs, (Pairs{{4, 5}, {1, 2}, {4, 3}, {3, 2}, {1, 5}}));
    QCOMPARE(sheet->seed, 4242u);
    QCOMPARE(sheet->phaseDegrees, 90.0);
}

void TestSheetDialog::aTitleLongerThanTwoLinesIsRefused()
{
    sheet::SheetDialog dialog({1, 2}, 90);
    QLineEdit *title = nullptr;
    for (QLineEdit *field : dialog.findChildren<QLineEdit *>())
        if (field->text() == QStringLiteral("Фигури на Лисажу"))
            title = field;
    QVERIFY(title);
    QLabel *said = nullptr;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        if (label->textFormat() == Qt::PlainText)
            said = label;
    QVERIFY(said);
    // A title pasted from somewhere, 73 characters: one more than two lines hold. It
    // is said why, and there is no preview until it is shorter.
    title->selectAll();
    title->insert(QStringLiteral("ш").repeated(57));
    QVERIFY(!previewButton(dialog)->isEnabled());
    QVERIFY(!dialog.worksheet());
    QVERIFY(said->isVisibleTo(&dialog));
    QCOMPARE(said->text(), QStringLiteral("Заглавието е дълго 57 знака, а на двата му реда се побират най-много 56"));
    QTest::keyClick(title, Qt::Key_Backspace);
    QVERIFY(previewButton(dialog)->isEnabled());
    QVERIFY(!said->isVisibleTo(&dialog));
    const std::optional<sheet::Worksheet> sheet = dialog.worksheet();
    QVERIFY(sheet);
    QCOMPARE(sheet->title, QStringLiteral("ш").repeated(56));
}

void TestSheetDialog::theCloseUpOffersAWorksheetThatPreviews()
{
    KorvanaFixture korvana;
    QVERIFY(korvana.start());
    closeup::CloseUpView *view = korvana.drawAndLookCloser();
    QVERIFY(view);
    QAction *worksheet = nullptr;
    for (QAction *action : view->actions())
        if (action->text() == QStringLiteral("Работен лист…"))
            worksheet = action;
    QVERIFY(worksheet);
    QCOMPARE(worksheet->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QVERIFY(worksheet->isEnabled());
    // The shortcut opens the dialog; its preview opens Qt's print preview.
    QStringList seen;
    answeringDialogs([&] { QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); },
                     [&](QWidget &dialog) {
                         seen << dialog.metaObject()->className();
                         if (auto *asked = qobject_cast<sheet::SheetDialog *>(&dialog))
                             previewButton(*asked)->click();
                         else
                             dialog.close();
                     });
    QCOMPARE(seen.first(), "sheet::SheetDialog");
    QCOMPARE(seen.last(), "QPrintPreviewDialog");
}

void TestSheetDialog::printingToAFileWritesQuizAndKey()
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("sheet.pdf")));
    // The page the user set up in the preview, as the preview shows it.
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(!sheet::SheetPrinting::printOn(printer, {.pairs = {{1, 2}, {2, 3}}, .withKey = true}));
    const std::optional<Run> info = tool(QStringLiteral("pdfinfo"), {printer.outputFileName()});
    if (!info)
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QVERIFY2(info->output.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info->output));
    QVERIFY2(info->output.contains(QStringLiteral("595 x 420 pts (A5)")), qPrintable(info->output));
}

QTEST_MAIN(TestSheetDialog)
#include "tst_sheetdialog.moc"
