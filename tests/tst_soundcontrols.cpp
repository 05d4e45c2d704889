#include "CloseUpTexts.h"
#include "CloseUpView.h"
#include "SoundServer.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QTest>

#include <cmath>
#include <optional>

// The close-up's sound as a teacher meets it: F9 in the view, the drift heard as the
// figure moves, recorded from a sound server of the test's own; and the same keys with
// the server gone.
class TestSoundControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void driftIsHeardAtItsPace();
    void serverGoneTurnsTheSwitchOff_data();
    void serverGoneTurnsTheSwitchOff();

private:
    // A view as the window opens one: made on demand, gone when closed.
    static QPointer<closeup::CloseUpView> opened(figure::FrequencyPair frequencies)
    {
        auto *view = new closeup::CloseUpView;
        view->showFigure(frequencies);
        view->show();
        if (!QTest::qWaitForWindowExposed(view))
            return nullptr;
        return view;
    }

    // The view's control a screen reader knows by that name.
    template <typename Control>
    static Control *named(QWidget &view, const QString &name)
    {
        for (Control *control : view.findChildren<Control *>())
            if (control->accessibleName() == name)
                return control;
        return nullptr;
    }

    std::optional<SoundServer> m_server;
};

void TestSoundControls::initTestCase()
{
    m_server.emplace();
    if (const QString missing = m_server->start(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no sound server to play into: %1").arg(missing)));
}

// 1 : 1 turning once in 2 s: the phase between the channels grows by 180° a second,
// as the figure on the screen turns.
void TestSoundControls::driftIsHeardAtItsPace()
{
    QPointer<closeup::CloseUpView> shown = opened({1, 1});
    QVERIFY(shown);
    closeup::CloseUpView &view = *shown;
    auto *sound = named<QCheckBox>(view, QStringLiteral("Звук"));
    QVERIFY(sound);
    QCOMPARE(named<QSpinBox>(view, QStringLiteral("Основен тон"))->value(), 220);
    QVERIFY(named<QWidget>(view, QStringLiteral("Изход за звук")));
    named<QSpinBox>(view, closeup::turnName)->setValue(2);
    Recording &recording = m_server->recording();
    QTest::keyClick(&view, Qt::Key_F9);
    QVERIFY(sound->isChecked());
    QTest::keyClick(&view, Qt::Key_Space);
    QVERIFY(view.state().drifting());

    constexpr qsizetype tenth = Recording::rate / 10;
    const qsizetype from = recording.frames() + 2 * tenth;
    constexpr qsizetype apart = Recording::rate / 2;
    QVERIFY(recording.waitFor(from + apart + tenth));
    const auto phaseAt = [&](qsizetype frame) {
        const double hertz = Recording::rate / double(tenth) * 22; // 220 Hz: 22 turns a tenth
        return std::arg(recording.component(frame, tenth, 0, hertz) / recording.component(frame, tenth, 1, hertz))
               * 180 / std::numbers::pi;
    };
    const double turned = std::remainder(phaseAt(from + apart) - phaseAt(from), 360.0);
    QCOMPARE_LT(std::abs(turned - 90), 10.0);
    // As a laboratory generator shows them, and the drift as the mismatch it stands for.
    const QString caption = named<QLabel>(view, closeup::countsName)->text();
    QVERIFY2(caption.contains(QStringLiteral("x 220 Hz, y 220 Hz")) && caption.contains(QStringLiteral("Δf = 0,5 Hz")),
             qPrintable(caption));
    view.close();
    QTRY_VERIFY(shown.isNull());
}

void TestSoundControls::serverGoneTurnsTheSwitchOff_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("why");
    QTest::newRow("the sound") << QStringLiteral("Звук") << int(Qt::Key_F9) << QStringLiteral("Звукът е спрян: ");
    QTest::newRow("the input") << QStringLiteral("Вход") << int(Qt::Key_F8) << QStringLiteral("Входът е спрян: ");
}

// With the sound server gone the view goes on; each switch turns off at once and says
// why, beside it and to a screen reader.
void TestSoundControls::serverGoneTurnsTheSwitchOff()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, why);
    m_server.reset();
    QPointer<closeup::CloseUpView> shown = opened({2, 3});
    QVERIFY(shown);
    closeup::CloseUpView &view = *shown;
    auto *box = named<QCheckBox>(view, name);
    QVERIFY(box);
    QElapsedTimer pressed;
    pressed.start();
    QTest::keyClick(&view, Qt::Key(key));
    QCOMPARE_LT(pressed.elapsed(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(!box->isChecked(), 100);
    QString said;
    for (QLabel *label : view.findChildren<QLabel *>())
        if (label->isVisible() && label->text().startsWith(why))
            said = label->text();
    QVERIFY(!said.isEmpty());
    QVERIFY(named<QWidget>(view, said));
    view.close();
    QTRY_VERIFY(shown.isNull());
}

QTEST_MAIN(TestSoundControls)
#include "tst_soundcontrols.moc"
