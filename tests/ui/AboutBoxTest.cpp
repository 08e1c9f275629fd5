#include "ui/AboutBox.h"
#include "config/Session.h"
#include "support/RecordingInteraction.h"
#include "ui/CreditCycle.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <utility>
#include <vector>

namespace golv {

namespace {

constexpr int kTicksPerLine = 51;
constexpr int kTicksPerCycle = 17 * kTicksPerLine;

QLabel& creditLabel(AboutBox& box) { return *box.findChild<QLabel*>(QStringLiteral("Label2")); }
QTimer& creditTimer(AboutBox& box) { return *box.findChild<QTimer*>(QStringLiteral("Timer1")); }

// One tick of the box's timer, without waiting for it.
void tick(AboutBox& box) { QVERIFY(QMetaObject::invokeMethod(&creditTimer(box), "timeout")); }

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void counterGreyAndCaptionsOverAFullCycle()
    {
        CreditCycle cycle;
        std::vector<std::pair<std::string_view, int>> runs; // each caption with how many ticks it stayed
        for (int i = 1; i <= kTicksPerCycle + kTicksPerLine; ++i) {
            const CreditCycle::Step step = cycle.tick();
            // The counter climbs in tens and is set back on the tick that
            // reaches 510, so it never stops on 256; the grey rises to 250 and
            // falls back to 10, and each new line comes in black.
            const int counter = i % kTicksPerLine * 10;
            QCOMPARE(cycle.brightness(), counter);
            QCOMPARE(step.grey, counter < 256 ? counter : 510 - counter);
            if (i > kTicksPerCycle + 1)
                continue;
            if (runs.empty() || runs.back().first != step.caption)
                runs.emplace_back(step.caption, 0);
            ++runs.back().second;
        }

        const auto& lines = creditLines();
        std::vector<std::pair<std::string_view, int>> expected;
        expected.emplace_back(lines[0], kTicksPerLine - 1); // the first line starts with the first tick
        for (std::size_t line = 1; line <= 15; ++line)
            expected.emplace_back(lines[line], kTicksPerLine);
        // Index 16 stays one line long; index 17 shows for its one tick only.
        expected.emplace_back(std::string_view(), kTicksPerLine + 1);
        expected.emplace_back(lines[0], 1);
        QCOMPARE(runs, expected);
    }

    // By "close" or by the title bar's close.
    void closingUnloadsAndTheNextOpeningStartsOver()
    {
        for (const bool byButton : {true, false}) {
            test::RecordingInteraction ui;
            Session session(ui);
            Windows windows(session);
            windows.form1();

            AboutBox& box = windows.form2();
            box.show();
            QTRY_COMPARE(creditLabel(box).text(), QString::fromUtf8(creditLines()[0]));
            creditTimer(box).stop();
            for (int i = 0; i < 2 * kTicksPerLine; ++i)
                tick(box);
            QCOMPARE(creditLabel(box).text(), QString::fromUtf8(creditLines()[2]));

            const QPointer<AboutBox> closed(&box);
            if (byButton)
                QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
            else
                box.close();
            QTRY_VERIFY(closed.isNull());

            AboutBox& reopened = windows.form2();
            QVERIFY(creditLabel(reopened).text().isEmpty() && creditTimer(reopened).isActive());
            creditTimer(reopened).stop();
            tick(reopened);
            QCOMPARE(creditLabel(reopened).text(), QString::fromUtf8(creditLines()[0]));
            QCOMPARE(creditLabel(reopened).palette().color(QPalette::WindowText), QColor(10, 10, 10));
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::AboutBoxTest)
#include "AboutBoxTest.moc"
