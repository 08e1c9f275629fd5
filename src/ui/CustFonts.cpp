#include "ui/CustFonts.h"

#include "codec/Numbers.h"
#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/Artwork.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace golv {
namespace {

struct FontSection {
    const char* title;
    const char* mainLabel;
    std::array<const char*, 3> main; // red, green, blue
    const char* fadeLabel;
    std::array<const char*, 3> fade;
};

// clang-format off
constexpr FontSection kFonts[] = {
    {"Label22(0)", "Label21", {"Text1(0)",  "Text1(1)",  "Text1(2)"},  "Label29", {"Text1(3)",  "Text1(4)",  "Text1(5)"}},
    {"Label1",     "Label2",  {"Text1(6)",  "Text1(7)",  "Text1(8)"},  "Label9",  {"Text1(11)", "Text1(10)", "Text1(9)"}},
    {"Label10",    "Label11", {"Text1(12)", "Text1(13)", "Text1(14)"}, "Label18", {"Text1(17)", "Text1(16)", "Text1(15)"}},
    {"Label30",    "Label38", {"Text1(24)", "Text1(23)", "Text1(22)"}, "Label31", {"Text1(19)", "Text1(20)", "Text1(21)"}},
};

// The four main-menu entries: the entry's caption, "effect #:" and the field.
struct EffectRow {
    const char* entry;
    const char* effectLabel;
    const char* field;
};
constexpr EffectRow kEffects[] = {
    {"Label39(0)", "Label39(4)",  "Text1(25)"},
    {"Label39(1)", "Label39(2)",  "Text1(26)"},
    {"Label39(6)", "Label39(7)",  "Text1(27)"},
    {"Label39(9)", "Label39(10)", "Text1(28)"},
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

    Section legend(make, nullptr);
    // The field before its test button, as they stand.
    QLineEdit* legendTime = make.field("Text1(18)");
    const QSize pictureSize = artwork::pictureSize(artwork::Picture::LegendTest);
    QPushButton* test = make.pictureButton(
        "Command18", artwork::picture(artwork::Picture::LegendTest, pictureSize), make.caption("testlegend"));
    m_testString = make.label("Label19");
    QPalette grey = m_testString->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    m_testString->setPalette(grey);
    FormBuilder::reserveSpace(m_testString);
    m_testString->hide();
    legend.row(make.label("Label20"), {legendTime, test, m_testString});
    left->addLayout(legend.layout());
    left->addStretch();

    Section effects(make, "Label22(1)");
    for (const EffectRow& effect : kEffects) {
        QLabel* entry = make.label(effect.entry);
        QLabel* effectLabel = make.label(effect.effectLabel);
        QLineEdit* field = make.field(effect.field);
        nameForReaders(field, {entry, effectLabel});
        effects.wideRow(entry);
        effects.row(effectLabel, {field});
    }
    effects.row(make.label("Label39(11)"), {make.list("Combo1(0)")});
    auto* right = new QVBoxLayout;
    right->addLayout(effects.layout());
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);
    finish(columns);

    m_timer = windowTimer(this, "Timer2", kLegendTickMilliseconds, &CustFonts::legendTick);
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
