#include "ui/AboutBox.h"
#include "config/Session.h"
#include "support/RecordingInteraction.h"
#include "ui/CreditCycle.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

namespace golv {

namespace {

constexpr int kTicksPerLine = 51;
constexpr int kTicksPerCycle = 17 * kTicksPerLine;

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel& creditLabel(AboutBox& box) { return *box.findChild<QLabel*>(QStringLiteral("Label2")); }
QTimer& creditTimer(AboutBox& box) { return *box.findChild<QTimer*>(QStringLiteral("Timer1")); }

// One tick of the box's timer, without waiting for it.
void tick(AboutBox& box) { QVERIFY(QMetaObject::invokeMethod(&creditTimer(box), "timeout")); }

QColor textColour(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

// The captions of consecutive ticks, each with how many ticks it stayed.
std::vector<std::pair<std::string_view, int>> captionRuns(CreditCycle& cycle, int ticks)
{
    std::vector<std::pair<std::string_view, int>> runs;
    for (int i = 0; i < ticks; ++i) {
        const std::string_view caption = cycle.tick().caption;
        if (runs.empty() || runs.back().first != caption)
            runs.emplace_back(caption, 0);
        ++runs.back().second;
    }
    return runs;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void greyOfEachTick_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<int>("grey");
        QTest::newRow("first tick of a line: the faintest grey, 10") << 1 << 10;
        QTest::newRow("tick 25: counter 250, the brightest") << 25 << 250;
        QTest::newRow("tick 26: counter 260, past the top: 510 - 260 = 250") << 26 << 250;
        QTest::newRow("tick 50: counter 500, fading out at 10") << 50 << 10;
        QTest::newRow("tick 51: counter 510, the next line comes in black") << 51 << 0;
        QTest::newRow("tick 52: the new line starts again at 10") << 52 << 10;
        QTest::newRow("tick 77: the second line's brightest") << 77 << 250;
    }

    void greyOfEachTick()
    {
        QFETCH(int, tick);
        QFETCH(int, grey);
        CreditCycle cycle;
        CreditCycle::Step step;
        for (int i = 0; i < tick; ++i)
            step = cycle.tick();
        QCOMPARE(step.grey, grey);
    }

    void counterClimbsInTensToFiveHundredTenAndNeverStopsOn256()
    {
        CreditCycle cycle;
        std::vector<int> seen;
        for (int i = 0; i < kTicksPerLine; ++i) {
            const int grey = cycle.tick().grey;
            QVERIFY2(grey >= 0 && grey <= 250, qPrintable(QStringLiteral("grey %1 on tick %2").arg(grey).arg(i + 1)));
            seen.push_back(cycle.brightness());
        }
        std::vector<int> expected;
        for (int counter = 10; counter < 510; counter += 10)
            expected.push_back(counter);
        expected.push_back(0); // 510 is reached and set back on the same tick
        QCOMPARE(seen, expected);

        for (int i = kTicksPerLine; i < kTicksPerCycle; ++i) {
            cycle.tick();
            QVERIFY(cycle.brightness() != 256);
        }
    }

    void captionsOverOneFullCycle()
    {
        const auto& lines = creditLines();
        std::vector<std::pair<std::string_view, int>> expected;
        expected.emplace_back(lines[0], kTicksPerLine - 1); // the first line starts with the first tick
        for (std::size_t line = 1; line <= 15; ++line)
            expected.emplace_back(lines[line], kTicksPerLine);
        // Index 16 stays one line long; index 17 shows for its one tick only.
        expected.emplace_back(std::string_view(), kTicksPerLine + 1);
        expected.emplace_back(lines[0], 1);

        CreditCycle cycle;
        QCOMPARE(captionRuns(cycle, kTicksPerCycle + 1), expected);
    }

    void everyCycleRepeatsTheFirst()
    {
        CreditCycle cycle;
        for (int i = 0; i < kTicksPerCycle; ++i) {
            cycle.tick();
            QVERIFY2(cycle.lineIndex() < 17, "index 17 is left on the tick that reaches it");
        }
        QCOMPARE(cycle.brightness(), 0);
        QCOMPARE(cycle.lineIndex(), std::size_t{0});

        CreditCycle fresh;
        for (int i = 0; i < kTicksPerCycle; ++i) {
            const CreditCycle::Step again = cycle.tick();
            const CreditCycle::Step first = fresh.tick();
            QCOMPARE(again.grey, first.grey);
            QCOMPARE(again.caption, first.caption);
        }
    }

    void versionLineCarriesTheBuildDate()
    {
        const QString version = toQString(creditLines()[2]);
        QVERIFY2(QRegularExpression(QStringLiteral("^GOLV v\\. 0\\.67 alpha RC3, built \\d{4}-\\d{2}-\\d{2}$"))
                     .match(version)
                     .hasMatch(),
            qPrintable(version));
    }

    void boxHasItsNamedWidgets()
    {
        AboutBox box;
        QCOMPARE(box.objectName(), QStringLiteral("Form2"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About GOLV"));

        auto* label = box.findChild<QLabel*>(QStringLiteral("Label2"));
        QVERIFY(label != nullptr);
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(textColour(*label), QColor(Qt::white));

        auto* close = box.findChild<QPushButton*>(QStringLiteral("Command3"));
        QVERIFY(close != nullptr);
        QCOMPARE(close->text(), QStringLiteral("close"));

        auto* timer = box.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 100);
        QVERIFY2(timer->isActive(), "the credits run from the moment the box is loaded");

        auto* logo = box.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(logo != nullptr);
        QVERIFY(!logo->pixmap().isNull());
    }

    void labelShowsEachTick()
    {
        AboutBox box;
        creditTimer(box).stop();
        QLabel& label = creditLabel(box);
        CreditCycle expected;
        for (int i = 0; i < kTicksPerLine + 5; ++i) {
            tick(box);
            const CreditCycle::Step step = expected.tick();
            QCOMPARE(label.text(), toQString(step.caption));
            QCOMPARE(textColour(label), QColor(step.grey, step.grey, step.grey));
        }
    }

    void everyCreditLineFitsThePanel()
    {
        AboutBox box;
        creditTimer(box).stop();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QSize before = box.size();
        QLabel& label = creditLabel(box);
        for (const std::string_view line : creditLines()) {
            const QString text = toQString(line);
            QVERIFY2(label.fontMetrics().horizontalAdvance(text) <= label.contentsRect().width(), qPrintable(text));
        }
        for (int i = 0; i < kTicksPerCycle; i += 10) {
            for (int j = 0; j < 10; ++j)
                tick(box);
            QCoreApplication::processEvents();
            QCOMPARE(box.size(), before);
        }
    }

    void closingUnloadsAndTheNextOpeningStartsOver_data()
    {
        QTest::addColumn<std::function<void(AboutBox&)>>("closeIt");
        QTest::newRow("\"close\"") << std::function<void(AboutBox&)>([](AboutBox& box) {
            QTimer& timer = creditTimer(box);
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
            QVERIFY(!timer.isActive());
        });
        QTest::newRow("the title bar's close") << std::function<void(AboutBox&)>([](AboutBox& box) { box.close(); });
    }

    void closingUnloadsAndTheNextOpeningStartsOver()
    {
        QFETCH(std::function<void(AboutBox&)>, closeIt);
        test::RecordingInteraction ui;
        Session session(ui);
        Windows windows(session);
        windows.form1();

        AboutBox& box = windows.form2();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTRY_COMPARE(creditLabel(box).text(), toQString(creditLines()[0]));
        creditTimer(box).stop();
        for (int i = 0; i < 2 * kTicksPerLine; ++i)
            tick(box);
        QCOMPARE(creditLabel(box).text(), toQString(creditLines()[2]));

        const QPointer<AboutBox> closed(&box);
        closeIt(box);
        QVERIFY(!box.isVisible());
        QTRY_VERIFY(closed.isNull());

        AboutBox& reopened = windows.form2();
        QVERIFY(creditLabel(reopened).text().isEmpty());
        QVERIFY(creditTimer(reopened).isActive());
        creditTimer(reopened).stop();
        tick(reopened);
        QCOMPARE(creditLabel(reopened).text(), toQString(creditLines()[0]));
        QCOMPARE(textColour(creditLabel(reopened)), QColor(10, 10, 10));
    }
};

} // namespace golv

QTEST_MAIN(golv::AboutBoxTest)
#include "AboutBoxTest.moc"
