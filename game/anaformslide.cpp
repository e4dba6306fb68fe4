// The game window's moves seen as glides: the block slides from its cell into the empty one,
// unless the player turned it off.
#include "game/anaform.h"

#include "common/shared.h"
#include "game/blockslide.h"
#include "game/boardframe.h"
#include "game/hintcontroller.h"
#include "store/settingskeys.h"

namespace tessel {

namespace k = settingskeys;

void AnaForm::connectSlide()
{
    m_slide = new BlockSlide(board());
    // The outline of a hint is drawn over the board as it is.
    connect(m_hints, &HintController::hintShown, m_slide, &BlockSlide::finish);
}

bool AnaForm::animatesMoves() const
{
    if (!m_animateMoves) {
        // A store that cannot be read leaves the glide on.
        m_animateMoves = true;
        ignoreErrors([this] {
            m_animateMoves = m_settings.GetSetting(shared().SettingsAppName, k::Tercihler,
                                                   k::HamleleriCanlandir, QStringLiteral("1"))
                != QLatin1String("0");
        });
    }
    return *m_animateMoves;
}

void AnaForm::setAnimatesMoves(bool animate)
{
    m_animateMoves = animate;
    if (!animate)
        finishSlide();
    ignoreErrors([&] {
        m_settings.SaveSetting(shared().SettingsAppName, k::Tercihler, k::HamleleriCanlandir,
                               animate ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void AnaForm::finishSlide()
{
    if (m_slide)
        m_slide->finish();
}

void AnaForm::glideBlock(int from, int to, const QColor& ground)
{
    if (!m_slide || !isVisible() || !animatesMoves())
        return;
    const PictureBox* origin = DağınıkParçalar.at(from);
    const PictureBox* target = DağınıkParçalar.at(to);
    const QRect fromRect = origin->contentsRect().translated(origin->pos());
    const QRect toRect = target->contentsRect().translated(target->pos());
    m_slide->start(target->picture(), fromRect, toRect, ground);
}

} // namespace tessel
