#include "game/rekorlarformu.h"

#include "board/gameclock.h"
#include "common/accessibility.h"
#include "common/controls.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "store/bestresults.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

RekorlarFormu::RekorlarFormu(QWidget* owner, SettingsStore& store)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , m_store(store)
{
    setObjectName(QStringLiteral("RekorlarFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ResourceString(StringId::BestResultsTitle));
    setFont(designFont());

    // The results are a table to screen readers, so that each value is read with its board
    // size and its column's name; to the eye the same grid of labels.
    Tablo = named(new QWidget(this), QStringLiteral("Tablo"));
    makeTable(Tablo);
    auto* grid = new QGridLayout(Tablo);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    const int headings[] = { StringId::BoardHeading, StringId::BestTimeHeading,
                             StringId::FewestMovesHeading, StringId::GamesCompletedHeading };
    for (int column = 0; column < 4; ++column) {
        auto* heading = new QLabel(ResourceString(headings[column]), Tablo);
        heading->setFont(designFont(true));
        grid->addWidget(heading, 0, column, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (int n = 3; n <= 5; ++n) {
        grid->addWidget(new QLabel(ResourceString(StringId::BoardSizeName).arg(n), Tablo), n - 2,
                        0);
        for (int column = 0; column < 3; ++column) {
            auto* label
                = named(new QLabel(Tablo), QStringLiteral("Sonuç(%1,%2)").arg(n).arg(column));
            grid->addWidget(label, n - 2, column + 1, Qt::AlignRight);
            m_values[n - 3][column] = label;
        }
    }
    Tablo->setAccessibleName(windowTitle());

    TemizleDüğmesi = named(new QPushButton(ResourceString(StringId::ClearButton), this),
                           QString::fromUtf8("TemizleDüğmesi"));
    TamamDüğmesi = named(new QPushButton(ResourceString(StringId::OkButton), this),
                         QString::fromUtf8("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    connect(TemizleDüğmesi, &QPushButton::clicked, this, [this] { TemizleDüğmesi_Click(); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(TemizleDüğmesi);
    buttons->addStretch();
    buttons->addWidget(TamamDüğmesi);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(Tablo);
    layout->addLayout(buttons);
    refresh();
}

void RekorlarFormu::showModal(QWidget* owner, SettingsStore& store)
{
    auto* form = new RekorlarFormu(owner, store);
    form->exec(); // deletes the window when it closes
}

void RekorlarFormu::refresh()
{
    const BestResults results = readBestResults(m_store);
    const QString none = ResourceString(StringId::NoResultYet);
    for (int n = 3; n <= 5; ++n) {
        const BestResult& result = results[size_t(n - 3)];
        QString time = none;
        if (result.seconds) {
            const int s = *result.seconds;
            // Shown as the game's clock shows it.
            time = s < 24 * 3600
                ? clockText({ uint8_t(s / 3600), uint8_t(s / 60 % 60), uint8_t(s % 60) })
                : none;
        }
        m_values[n - 3][0]->setText(time);
        m_values[n - 3][1]->setText(result.moves ? QString::number(*result.moves) : none);
        m_values[n - 3][2]->setText(QString::number(result.completed));
    }
}

void RekorlarFormu::TemizleDüğmesi_Click()
{
    CenterNextMessageBox();
    const auto answer
        = showMessageBox(QMessageBox::Question, ResourceString(StringId::ClearQuestion),
                         QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    ignoreErrors([this] { clearBestResults(m_store); });
    refresh();
}

QLabel* RekorlarFormu::value(int gridSize, int column) const
{
    return m_values[gridSize - 3][column];
}

} // namespace tessel
