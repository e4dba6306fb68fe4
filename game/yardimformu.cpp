#include "game/yardimformu.h"

#include "common/controls.h"
#include "common/frameplacement.h"
#include "common/keyhelp.h"
#include "common/resourcestring.h"
#include "common/stringids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessel {

namespace {

// Wide enough for the key table in every language; the explanations wrap at the table's width.
const int textWidthMin = 420;

} // namespace

YardımFormu::YardımFormu(QWidget* owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QString::fromUtf8("YardımFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ResourceString(StringId::KeysAndHelpTitle));
    setFont(designFont());

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);

    // Created in reading order: screen readers walk a window's texts in the order of its
    // children.
    layout->addWidget(addLabel(ResourceString(StringId::KeysHeading), true));
    auto* keys = new QGridLayout;
    keys->setHorizontalSpacing(18);
    keys->setVerticalSpacing(4);
    int row = 0;
    for (const KeyHelpRow& help : keyHelpRows()) {
        keys->addWidget(addLabel(help.keys, true), row, 0, Qt::AlignLeft | Qt::AlignTop);
        QLabel* action = addLabel(help.action);
        keys->addWidget(action, row, 1, Qt::AlignLeft | Qt::AlignTop);
        ++row;
    }
    layout->addLayout(keys);

    const int width = std::max(textWidthMin, keys->sizeHint().width());
    auto paragraph = [&](int heading, int text) {
        layout->addSpacing(6);
        layout->addWidget(addLabel(ResourceString(heading), true));
        QLabel* label = addLabel(ResourceString(text));
        label->setWordWrap(true);
        label->setFixedWidth(width);
        label->setFixedHeight(label->heightForWidth(width));
        layout->addWidget(label);
    };
    paragraph(StringId::HintMenuItem, StringId::HintExplained);
    paragraph(StringId::BestResultsTitle, StringId::BestResultsExplained);

    TamamDüğmesi = named(new QPushButton(ResourceString(StringId::OkButton), this),
                         QString::fromUtf8("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(TamamDüğmesi);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // Its size is known before it is placed: it is centred by its real size.
    adjustSize();
}

QLabel* YardımFormu::addLabel(const QString& text, bool bold)
{
    auto* label = new QLabel(text, this);
    label->setFont(designFont(bold));
    // Plain text: a "<" in a translation is a letter, and no "&" marks a key here.
    label->setTextFormat(Qt::PlainText);
    m_labels.append(label);
    return label;
}

void YardımFormu::showModal(QWidget* owner)
{
    auto* form = new YardımFormu(owner);
    centreOnOwner(form, owner);
    form->exec(); // deletes the window when it closes
}

QStringList YardımFormu::texts() const
{
    QStringList all;
    for (const QLabel* label : m_labels)
        all << label->text();
    return all;
}

} // namespace tessel
