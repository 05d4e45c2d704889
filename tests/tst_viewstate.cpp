// The close-up's state: the changes it tells of, and a view with no phase of its own.
#include "Announcer.h"
#include "CloseUpView.h"
#include "Drift.h"
#include "FigureCanvas.h"
#include "FigurePainter.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTest>

#include <functional>

using closeup::ViewState;
using Change = std::function<void(ViewState &)>;

class tst_ViewState : public QObject {
    Q_OBJECT

private slots:
    void changesAreToldOnlyWhenTheyChangeSomething_data();
    void changesAreToldOnlyWhenTheyChangeSomething();
    void theViewFollowsTheDriftAndStandsAtTheWholeDegree();
};

void tst_ViewState::changesAreToldOnlyWhenTheyChangeSomething_data()
{
    // Each from the window's 2 : 3 at 90°, standing, 10 s a turn, no oscillations.
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<double>("phase");
    QTest::addColumn<bool>("chosen");
    using M = ViewState::Mover;
    QTest::newRow("another a, then a phase by hand")
        << Change([](ViewState &s) { s.setFrequencies({4, 3}, M::User); s.setPhaseDegrees(45, M::User); })
        << QStringList{"figure User", "figure User"} << 45.0 << true;
    QTest::newRow("a phase by hand, then the same draw twice") << Change([](ViewState &s) {
        s.setPhaseDegrees(45, M::User);
        s.showFigure({2, 3}, 90, M::Window);
        s.showFigure({2, 3}, 90, M::Window);
    }) << QStringList{"figure User", "figure Window"} << 90.0 << false;
    QTest::newRow("the same turn time, then another")
        << Change([](ViewState &s) { s.setTurnSeconds(10); s.setTurnSeconds(25); }) << QStringList{"turn 25"} << 90.0
        << false;
    // 90° + 47.6° = 137.6°, which stands at 138°.
    QTest::newRow("a stop while standing, a drift step, a stop") << Change([](ViewState &s) {
        s.setDrifting(false);
        s.setDrifting(true);
        s.setPhaseDegrees(137.6, M::Drift);
        s.setDrifting(false);
    }) << QStringList{"drifting true", "figure Drift", "figure Drift", "drifting false"} << 138.0 << false;
    // Another a mid-drift stands at the whole degree shown, and the phase is not the user's.
    QTest::newRow("another a during a drift") << Change([](ViewState &s) {
        s.setDrifting(true);
        s.setPhaseDegrees(137.6, M::Drift);
        s.setFrequencies({4, 3}, M::User);
    }) << QStringList{"drifting true", "figure Drift", "figure User"} << 138.0 << false;
    QTest::newRow("the figure goes, and all motion with it") << Change([](ViewState &s) {
        s.setDrifting(true);
        s.setShowingOscillations(true);
        s.showNoFigure();
        s.showNoFigure();
    }) << QStringList{"drifting true", "oscillations true", "figure Window", "drifting false", "oscillations false"} << 90.0
       << false;
}

void tst_ViewState::changesAreToldOnlyWhenTheyChangeSomething()
{
    QFETCH(Change, change);
    ViewState state;
    state.showFigure({2, 3}, 90, ViewState::Mover::Window);
    QStringList told;
    const auto tell = [&told](const char *what) {
        return [&told, what](auto value) { told << what + QVariant::fromValue(value).toString(); };
    };
    connect(&state, &ViewState::figureChanged, this, tell("figure "));
    connect(&state, &ViewState::driftingChanged, this, tell("drifting "));
    connect(&state, &ViewState::turnSecondsChanged, this, tell("turn "));
    connect(&state, &ViewState::oscillationsChanged, this, tell("oscillations "));
    change(state);
    QTEST(told, "told");
    QTEST(state.phaseDegrees(), "phase");
    QTEST(state.phaseChosen(), "chosen");
}

void tst_ViewState::theViewFollowsTheDriftAndStandsAtTheWholeDegree()
{
    closeup::CloseUpView view;
    view.showFigure({2, 3});
    QSpinBox *phase = view.findChildren<QSpinBox *>().at(2);
    const auto *canvas = view.findChild<closeup::FigureCanvas *>();
    const auto *heard = view.findChild<forms::Announcer *>();
    view.findChild<QCheckBox *>()->setChecked(true);

    // One frame of the drift, 47.6°: the picture moves, the value shows the nearest
    // degree, and a screen reader hears nothing yet.
    emit view.findChild<closeup::Drift *>()->advanced(47.6);
    QCOMPARE(view.state().phaseDegrees(), 137.6);
    QCOMPARE(canvas->figure()->phaseDegrees(), 137.6);
    QCOMPARE(phase->value(), 138);
    QVERIFY(heard->accessibleName().isEmpty());

    view.findChild<QCheckBox *>()->setChecked(false);
    QCOMPARE(view.state().phaseDegrees(), 138.0);
    QCOMPARE(canvas->figure()->phaseDegrees(), 138.0);
    QVERIFY2(heard->accessibleName().contains(QStringLiteral("фазова разлика 138°")), qPrintable(heard->accessibleName()));
}

QTEST_MAIN(tst_ViewState)
#include "tst_viewstate.moc"
