#include "ui/CustFonts.h"

#include "codec/Numbers.h"
#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/Artwork.h"
#include "ui/OwnControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustFonts>;
using Setting = SettingKey<Window::CustFonts>;

struct FontSection {
    Caption title;
    Caption mainLabel;
    std::array<Setting, 3> main; // red, green, blue
    Caption fadeLabel;
    std::array<Setting, 3> fade;
};

// clang-format off
constexpr FontSection kFonts[] = {
    {"mainfont",           {"maincolour", 0}, {"MainFontMainColourR", "MainFontMainColourG", "MainFontMainColourB"},
                           {"fadecolour", 0}, {"MainFontFadeColourR", "MainFontFadeColourG", "MainFontFadeColourB"}},
    {"optiontitlefont",    {"maincolour", 1}, {"OptsFontMainColourR", "OptsFontMainColourG", "OptsFontMainColourB"},
                           {"fadecolour", 1}, {"OptsFontFadeColourR", "OptsFontFadeColourG", "OptsFontFadeColourB"}},
    {"inventorytitlefont", {"maincolour", 2}, {"InvtFontMainColourR", "InvtFontMainColourG", "InvtFontMainColourB"},
                           {"fadecolour", 2}, {"InvtFontFadeColourR", "InvtFontFadeColourG", "InvtFontFadeColourB"}},
    {"inventoryitemfont",  {"maincolour", 3}, {"ItemFontMainColourR", "ItemFontMainColourG", "ItemFontMainColourB"},
                           {"fadecolour", 3}, {"ItemFontFadeColourR", "ItemFontFadeColourG", "ItemFontFadeColourB"}},
};

// The four main-menu entries: the entry's caption, "effect #:" and the field.
struct EffectRow {
    Caption entry;
    Caption effectLabel;
    Setting field;
};
constexpr EffectRow kEffects[] = {
    {"mainmenunewgame",  {"effectnr", 0}, "MainMenuNewGameEffectID"},
    {"mainmenuloadgame", {"effectnr", 1}, "MainMenuLoadGameEffectID"},
    {"mainmenuoptions",  {"effectnr", 2}, "MainMenuOptsEffectID"},
    {"mainmenuexit",     {"effectnr", 3}, "MainMenuExitEffectID"},
};
// clang-format on

constexpr int kLegendTickMilliseconds = 30;

} // namespace

CustFonts::CustFonts(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustFonts, Category::Fonts, parent)
{
    const FormBuilder& make = form();

    auto* left = new QVBoxLayout;
    for (const FontSection& font : kFonts) {
        Section section(make, font.title);
        section.titleInNames();
        section.colourRow(font.mainLabel, font.main);
        section.colourRow(font.fadeLabel, font.fade);
        left->addLayout(section.layout());
    }

    Section legend(make);
    // The field before its test button, as they stand.
    QLineEdit* legendTime = make.field(Setting("LegendDispTime"));
    const QSize pictureSize = artwork::pictureSize(artwork::Picture::LegendTest);
    QPushButton* test = make.pictureButton(own::kLegendTestButton,
        artwork::picture(artwork::Picture::LegendTest, pictureSize), make.caption(Caption("testlegend")));
    m_testString = make.label(Caption("teststring"));
    QPalette grey = m_testString->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    m_testString->setPalette(grey);
    FormBuilder::reserveSpace(m_testString);
    m_testString->hide();
    legend.row(make.label(Caption("legenddisplayingtime")), {legendTime, test, m_testString});
    left->addLayout(legend.layout());
    left->addStretch();

    Section effects(make, Caption("texteffects"));
    for (const EffectRow& effect : kEffects) {
        QLabel* entry = make.label(effect.entry);
        QLabel* effectLabel = make.label(effect.effectLabel);
        QLineEdit* field = make.field(effect.field);
        nameForReaders(field, {entry, effectLabel});
        effects.wideRow(entry);
        effects.row(effectLabel, {field});
    }
    effects.row(make.label(Caption("alignto")), {make.list(Setting("MainMenuAlign"))});
    auto* right = new QVBoxLayout;
    right->addLayout(effects.layout());
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);
    finish(columns, {Caption("defaults"), Caption("apply")});

    m_timer = windowTimer(this, own::kLegendTimer, kLegendTickMilliseconds, &CustFonts::legendTick);
    onCommand(test, [this] { startLegendTest(); });
}

void CustFonts::startLegendTest()
{
    m_legendTest.start();
    m_timer->start();
}

void CustFonts::legendTick()
{
    const double legendTime = leadingNumber(session().settings.text(settingId("LegendDispTime"))).value_or(0);
    const bool shown = m_legendTest.tick(legendTime);
    if (!shown)
        m_timer->stop();
    m_testString->setVisible(shown);
}

} // namespace golv
