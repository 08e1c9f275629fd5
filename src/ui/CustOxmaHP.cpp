#include "ui/CustOxmaHP.h"

#include "UserInteraction.h"
#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/HpBarRange.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <span>

namespace golv {
namespace {

// clang-format off
constexpr FieldRow kDrain[] = {
    {"Label8", "Text1(0)"}, {"Label9", "Text1(1)"}, {"Label11", "Text1(2)"}, {"Label10", "Text1(3)"},
    {"Label31", "Text1(23)"},
};
constexpr FieldRow kEnemies[] = {
    {"Label13", "Text1(4)"},  {"Label29", "Text1(18)"}, {"Label32", "Text1(20)"}, {"Label15", "Text1(6)"},
    {"Label19", "Text1(9)"},  {"Label33", "Text1(19)"}, {"Label17", "Text1(8)"},  {"Label21", "Text1(11)"},
    {"Label16", "Text1(7)"},  {"Label14", "Text1(5)"},  {"Label26", "Text1(16)"}, {"Label22", "Text1(12)"},
    {"Label23", "Text1(13)"}, {"Label37", "Text1(24)"}, {"Label20", "Text1(10)"}, {"Label25", "Text1(15)"},
    {"Label35", "Text1(17)"}, {"Label27", "Text1(21)"}, {"Label36", "Text1(22)"}, {"Label28", "Text2(6)"},
    {"Label34", "Text2(8)"},  {"Label30", "Text2(7)"},  {"Label18", "Text2(5)"},  {"Label24", "Text1(14)"},
};
// clang-format on

constexpr const char* kMaximum = "Text2(0)";
const QColor kFresh(255, 255, 255);
const QColor kStale(255, 192, 192);

} // namespace

CustOxmaHP::CustOxmaHP(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustOxmaHP, Category::OxmaHP, parent)
{
    const FormBuilder& make = form();

    Section limits(make, "Label2");
    QLineEdit* maximum = limits.fieldRow("Label1", kMaximum);
    // The range and divider follow from the maximum; grey says so.
    QLabel* rangeLabel = make.label("Label5");
    QLineEdit* range = make.field("Text2(3)", kDerivedInk);
    make.explainHex(range, FormBuilder::HexReading::Unsigned32);
    limits.row(rangeLabel, {range});
    limits.row(make.label("Label4"), {make.field("Text2(4)", kDerivedInk)});
    m_recalculate = make.button("Command3");
    m_recalculate->setAutoFillBackground(true);
    limits.wideRow(m_recalculate);
    limits.fieldRow("Label3", "Text2(1)");
    limits.fieldRow("Label6", "Text2(2)");

    // The drain fields stand in line with the limits above them.
    Section drain(make, "Label7", limits);
    drain.fieldRows(kDrain);

    // The enemies in two columns under their title: in one, the window
    // would not fit a screen 768 pixels high.
    const std::size_t half = (std::size(kEnemies) + 1) / 2;
    Section enemies(make, "Label12");
    enemies.fieldRows(std::span(kEnemies).first(half));
    Section moreEnemies(make, nullptr);
    // Room for a title, so that the rows of both columns stand in line.
    QLabel* aboveRows = make.ownLabel(QString());
    aboveRows->setFixedHeight(enemies.title()->sizeHint().height());
    moreEnemies.layout()->insertWidget(0, aboveRows);
    moreEnemies.fieldRows(std::span(kEnemies).subspan(half));
    auto* enemyColumns = new QHBoxLayout;
    enemyColumns->addLayout(enemies.layout());
    enemyColumns->addSpacing(16);
    enemyColumns->addLayout(moreEnemies.layout());
    auto* enemyBlock = new QVBoxLayout;
    enemyBlock->addLayout(enemyColumns);
    enemyBlock->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(column({&limits, &drain}));
    columns->addSpacing(16);
    columns->addLayout(enemyBlock);
    finish(columns, make.caption("brownhelp") + QLatin1Char('\n') + make.caption("bluehelp"));

    maximum->installEventFilter(this);
    // A paste with the mouse changes the maximum as much as a key does.
    connect(maximum, &QLineEdit::textEdited, this, [this] { markRangeStale(true); });
    onCommand(m_recalculate, [this] { recalculate(); });
    markRangeStale(false);
}

bool CustOxmaHP::eventFilter(QObject* watched, QEvent* event)
{
    // A key typed, as the key filter sees it (a swallowed letter too), or
    // Delete; moving about the field or out of it with Tab leaves the range
    // as fresh as it was.
    if (event->type() == QEvent::KeyPress && watched->objectName() == QLatin1String(kMaximum)) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool typed = !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (typed || key->key() == Qt::Key_Delete)
            markRangeStale(true);
    }
    return CustomizerDialog::eventFilter(watched, event);
}

void CustOxmaHP::restoreDefaults()
{
    CustomizerDialog::restoreDefaults();
    markRangeStale(false);
}

void CustOxmaHP::recalculate()
{
    SettingsStore& settings = session().settings;
    const SettingsStore::Step step(settings);
    const HpBarRange result = recalculateHpBarRange(settings.text(settingId("MaxHPBarValue")));
    for (const std::string& message : result.messages)
        session().ui.message(message);
    settings.setText(settingId("MaxHPBarValue"), result.maximum);
    settings.setText(settingId("Divider"), result.divider);
    settings.setText(settingId("RawHPBarRange"), result.range);
    markRangeStale(false);
}

void CustOxmaHP::markRangeStale(bool stale)
{
    const QColor fill = stale ? kStale : kFresh;
    QPalette palette = m_recalculate->palette();
    palette.setColor(QPalette::Button, fill);
    m_recalculate->setPalette(palette);
    // One flat colour: a style's gradient would fade the light red to a
    // pink few notice. The frame and the focus mark stay.
    m_recalculate->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; border: 1px solid palette(dark); border-radius: 2px; "
                       "padding: 3px 10px; } QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(fill.name()));
    const QString description = stale ? form().caption("rangeoutofdate") : QString();
    if (m_recalculate->accessibleDescription() != description) {
        m_recalculate->setAccessibleDescription(description);
        QAccessibleEvent changed(m_recalculate, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace golv
