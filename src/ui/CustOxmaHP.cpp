#include "ui/CustOxmaHP.h"

#include "UserInteraction.h"
#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/HpBarRange.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

const QString kHelp
    = QStringLiteral("BROWN text - only POSITIVE values possible.\nBLUE text - NEGATIVE values possible also.");

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

    Section enemies(make, "Label12");
    enemies.fieldRows(kEnemies);

    auto* columns = new QHBoxLayout;
    columns->addLayout(column({&limits, &drain}));
    columns->addSpacing(16);
    columns->addLayout(column({&enemies}));
    finish(columns, kHelp);

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
    QPalette palette = m_recalculate->palette();
    palette.setColor(QPalette::Button, stale ? kStale : kFresh);
    m_recalculate->setPalette(palette);
}

} // namespace golv
