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

using Caption = CaptionKey<Window::CustOxmaHP>;
using Setting = SettingKey<Window::CustOxmaHP>;
using Row = FieldRow<Window::CustOxmaHP>;

// clang-format off
constexpr Row kDrain[] = {
    {"noairdrain", "NoAirLeakage"}, {"onfiredrain", "OnFireLeakage"}, {"inspikesdrain", "InSpikesLeakage"},
    {"insteamdrain", "InSteamLeakage"}, {"indartsdrain", "InDartsLeakage"},
};
constexpr Row kEnemies[] = {
    {"baddyuzidmg", "BaddyUZIDmg"},           {"sasmachinegundmg", "SASMachinegunDmg"},
    {"turretdmg", "TurretDmg"},               {"batdmg", "BatDmg"},
    {"crocodileuwdmg", "CrocodileUWDmg"},     {"crocodilelanddmg", "CrocodileLANDDmg"},
    {"locustdmg", "LocustDmg"},               {"mummydmg", "MummyDmg"},
    {"baddysworddmg", "BaddySwordDmg"},       {"smallscorpiondmg", "SmallScorpionDmg"},
    {"dogdmg", "DogDmg"},                     {"skeletonattack1dmg", "SkeletonDmg1"},
    {"skeletonattack2dmg", "SkeletonDmg2"},   {"wildboardmg", "WildBoarDmg"},
    {"harpydmg", "HarpyDmg"},                 {"scorpiondmg", "ScorpionDmg"},
    {"hammerheaddmg", "HammerheadDmg"},       {"knighttemplardmg", "KnightTemplarDmg"},
    {"bigbeetledmg", "BigBeetleDmg"},         {"sphinxdmg", "SphinxDmg"},
    {"setattack1dmg", "SetAttack1DmgParameter"}, {"setattack2dmg", "SetAttack2Dmg"},
    {"littlebeetledisp", "LittleBeetleDisp"}, {"magicattackdivider", "MagicAttackDivider"},
};
// clang-format on

constexpr Setting kMaximum = "MaxHPBarValue";
const QColor kFresh(255, 255, 255);
const QColor kStale(255, 192, 192);

} // namespace

CustOxmaHP::CustOxmaHP(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustOxmaHP, Category::OxmaHP, parent)
{
    const FormBuilder& make = form();

    Section limits(make, Caption("limits"));
    QLineEdit* maximum = limits.fieldRow(Caption("maxhpbarvalue"), kMaximum);
    // The range and divider follow from the maximum; grey says so.
    QLabel* rangeLabel = make.label(Caption("rawhpbarrange"));
    QLineEdit* range = make.field(Setting("RawHPBarRange"), kDerivedInk);
    make.explainHex(Setting("RawHPBarRange"), FormBuilder::HexReading::Unsigned32);
    limits.row(rangeLabel, {range});
    limits.row(make.label(Caption("divider")), {make.field(Setting("Divider"), kDerivedInk)});
    m_recalculate = make.button(Caption("recalculatehpbarrange"));
    m_recalculate->setAutoFillBackground(true);
    limits.wideRow(m_recalculate);
    limits.fieldRow(Caption("medkitshplimiter"), Setting("MedkitsHPLimiter"));
    limits.fieldRow(Caption("normalcriticalthreshold"), Setting("CriticalHPThresh"));

    // The drain fields stand in line with the limits above them.
    Section drain(make, Caption("hpdrain"), limits);
    drain.fieldRows(kDrain);

    // The enemies in two columns under their title: in one, the window
    // would not fit a screen 768 pixels high.
    const std::size_t half = (std::size(kEnemies) + 1) / 2;
    Section enemies(make, Caption("enemydamagebehaviour"));
    enemies.fieldRows(std::span(kEnemies).first(half));
    Section moreEnemies(make);
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
    finish(columns, {Caption("defaults"), Caption("apply")},
        make.caption(Caption("brownhelp")) + QLatin1Char('\n') + make.caption(Caption("bluehelp")));

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
    if (event->type() == QEvent::KeyPress && watched->objectName() == controlName(definition(kMaximum).control)) {
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
    const QString description = stale ? form().caption(Caption("rangeoutofdate")) : QString();
    if (m_recalculate->accessibleDescription() != description) {
        m_recalculate->setAccessibleDescription(description);
        QAccessibleEvent changed(m_recalculate, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace golv
