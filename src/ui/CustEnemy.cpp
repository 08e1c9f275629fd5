#include "ui/CustEnemy.h"

#include "ui/Artwork.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace golv {
namespace {

// Each field with the label beside it. The labels keep the indices language
// files address them by, which run one behind the fields': the label that
// says "Baddy 1:" is Label1(1), beside Baddy 1's field Text1(2), and
// "Skeleton:" is Label1(23), beside Text1(1).
struct EnemyRow {
    const char* label;
    const char* field;
};

// clang-format off
constexpr EnemyRow kLeftColumn[] = {
    {"Label1(0)",  "Text1(0)"},  {"Label1(23)", "Text1(1)"},  {"Label1(1)",  "Text1(2)"},
    {"Label1(2)",  "Text1(3)"},  {"Label1(3)",  "Text1(4)"},  {"Label1(4)",  "Text1(5)"},
    {"Label1(5)",  "Text1(6)"},  {"Label1(6)",  "Text1(7)"},  {"Label1(7)",  "Text1(8)"},
    {"Label1(8)",  "Text1(9)"},  {"Label1(9)",  "Text1(10)"}, {"Label1(10)", "Text1(11)"},
    {"Label1(11)", "Text1(12)"},
};
constexpr EnemyRow kRightColumn[] = {
    {"Label1(12)", "Text1(13)"}, {"Label1(13)", "Text1(14)"}, {"Label1(14)", "Text1(15)"},
    {"Label1(15)", "Text1(16)"}, {"Label1(16)", "Text1(17)"}, {"Label1(17)", "Text1(18)"},
    {"Label1(18)", "Text1(19)"}, {"Label1(19)", "Text1(20)"}, {"Label1(20)", "Text1(21)"},
    {"Label1(21)", "Text1(22)"}, {"Label1(22)", "Text1(23)"},
};
// clang-format on

constexpr const char* kSetLabel = "Label1(7)";

} // namespace

CustEnemy::CustEnemy(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustEnemy, Category::Enemies, parent)
{
    const FormBuilder& make = form();

    Section enemies(make, "Label22");
    auto* columns = new QHBoxLayout;
    for (const auto rows : {std::span<const EnemyRow>(kLeftColumn), std::span<const EnemyRow>(kRightColumn)}) {
        Section block(make, nullptr);
        for (const EnemyRow& row : rows) {
            QLabel* label = make.label(row.label);
            QLineEdit* field = make.field(row.field);
            if (std::string_view(row.label) != kSetLabel) {
                block.row(label, {field});
                continue;
            }
            // A small picture beside "Set:" that a click on the label shows.
            m_setLabel = label;
            const QSize size = artwork::pictureSize(artwork::Picture::SetPicture) / 2;
            m_setPicture = new QLabel(this);
            m_setPicture->setObjectName(QStringLiteral("Image2"));
            m_setPicture->setPixmap(artwork::picture(artwork::Picture::SetPicture, size));
            m_setPicture->setAccessibleName(make.caption("setpicture"));
            FormBuilder::reserveSpace(m_setPicture);
            m_setPicture->hide();
            m_setLabel->installEventFilter(this);
            m_setPicture->installEventFilter(this);
            block.row(label, {field, m_setPicture});
        }
        if (rows.data() == kRightColumn)
            block.row(make.label("Label1(24)"), {make.field("Text1(24)"), make.checkBox("Check1")});
        columns->addLayout(column({&block}));
        columns->addSpacing(16);
    }
    enemies.layout()->addLayout(columns);
    finish(enemies.layout(), make.caption("sshelp1") + QLatin1Char('\n') + make.caption("sshelp2"));
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
