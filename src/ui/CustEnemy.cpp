#include "ui/CustEnemy.h"

#include "ui/Artwork.h"
#include "ui/OwnControls.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustEnemy>;
using Setting = SettingKey<Window::CustEnemy>;
using Row = FieldRow<Window::CustEnemy>;

// Each field with the label beside it. The labels keep the indices, and so
// the keys, language files address them by, which run one behind the
// fields': the key "skeleton" captions "Baddy 1:" beside Baddy 1's field,
// and "bigbeetle" captions "Skeleton:".
// clang-format off
constexpr Row kLeftColumn[] = {
    {"mutant",        "MutantHP"},   {"bigbeetle", "SkeletonHP"},      {"skeleton",  "Baddy1HP"},
    {"baddy1",        "Baddy2HP"},   {"baddy2",    "ScorpionHP"},      {"scorpion",  "MummyHP"},
    {"mummy",         "KnightTemplarHP"}, {"knighttemplar", "SphinxHP"}, {"sphinx", "SethaHP"},
    {"set",           "HorsemenHP"}, {"horsemen",  "HammerheadHP"},    {"hammerhead", "CrocodileHP"},
    {"crocodile",     "Demigod1HP"},
};
constexpr Row kRightColumn[] = {
    {"demigod1", "Demigod2HP"}, {"demigod2", "Demigod3HP"}, {"demigod3", "TroopsHP"},
    {"troops",   "SASHP"},      {"sas",      "HarpyHP"},    {"harpy",    "WildBoarHP"},
    {"wildboar", "DogHP"},      {"dog",      "AhmetHP"},    {"ahmet",    "BaboonHP"},
    {"baboon",   "BatHP"},      {"bat",      "BigBeetleHP"},
};
// clang-format on

// The label that shows "Set:".
constexpr Caption kSetLabel = "sphinx";

} // namespace

CustEnemy::CustEnemy(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustEnemy, Category::Enemies, parent)
{
    const FormBuilder& make = form();

    Section enemies(make, Caption("enemyhptitle"));
    auto* columns = new QHBoxLayout;
    for (const auto rows : {std::span<const Row>(kLeftColumn), std::span<const Row>(kRightColumn)}) {
        Section block(make);
        for (const Row& row : rows) {
            QLabel* label = make.label(row.label);
            QLineEdit* field = make.field(row.field);
            if (CaptionId(row.label) != CaptionId(kSetLabel)) {
                block.row(label, {field});
                continue;
            }
            // A small picture beside "Set:" that a click on the label shows.
            m_setLabel = label;
            const QSize size = artwork::pictureSize(artwork::Picture::SetPicture) / 2;
            m_setPicture = new QLabel(this);
            m_setPicture->setObjectName(controlName(own::kSetPicture));
            m_setPicture->setPixmap(artwork::picture(artwork::Picture::SetPicture, size));
            m_setPicture->setAccessibleName(make.caption(Caption("setpicture")));
            FormBuilder::reserveSpace(m_setPicture);
            m_setPicture->hide();
            m_setLabel->installEventFilter(this);
            m_setPicture->installEventFilter(this);
            block.row(label, {field, m_setPicture});
        }
        if (rows.data() == kRightColumn)
            block.row(make.label(Caption("smallscorpion")),
                {make.field(Setting("SmallScorpionHP")), make.checkBox(Setting("EnableSmallScorpionHPChange"))});
        columns->addLayout(column({&block}));
        columns->addSpacing(16);
    }
    enemies.layout()->addLayout(columns);
    finish(enemies.layout(), {Caption("defaults"), Caption("apply")},
        make.caption(Caption("sshelp1")) + QLatin1Char('\n') + make.caption(Caption("sshelp2")));
}

bool CustEnemy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_setLabel)
            m_setPicture->show();
        else if (watched == m_setPicture)
            m_setPicture->hide();
    }
    return CustomizerDialog::eventFilter(watched, event);
}

} // namespace golv
