#include "common/keyhelp.h"

#include "common/accessibletext.h"
#include "common/resourcestring.h"
#include "common/stringids.h"

namespace tessel {

namespace {

QString altKey(int captionId)
{
    return ResourceString(StringId::KeyAlt).arg(accessKey(ResourceString(captionId)));
}

} // namespace

std::vector<KeyHelpRow> keyHelpRows()
{
    using namespace StringId;
    auto row = [](int keys, int action) {
        return KeyHelpRow { ResourceString(keys), ResourceString(action) };
    };
    return {
        row(KeyArrows, ArrowsHelp),
        row(KeySpace, SpaceHelp),
        row(KeyHint, HintKeyHelp),
        row(KeyUndo, UndoHelp),
        row(KeyRedo, RedoHelp),
        row(KeyRestart, RestartHelp),
        row(KeyBestResults, BestResultsHelp),
        row(KeyHelp, HelpKeyHelp),
        { ResourceString(KeyAltBlocks)
              .arg(accessKey(ResourceString(ThreeByThreeOption)),
                   accessKey(ResourceString(FourByFourOption)),
                   accessKey(ResourceString(FiveByFiveOption))),
          ResourceString(BlocksHelp) },
        { altKey(ShowPhotoSampleBox), ResourceString(SampleHelp) },
        { altKey(SaveOnExitBox), ResourceString(SaveHelp) },
        { altKey(SoundOffBox), ResourceString(SoundHelp) },
        { altKey(NewGameButton), ResourceString(NewGameHelp) },
        { altKey(NewPhotoButton), ResourceString(NewPhotoHelp) },
        { altKey(AboutButton), ResourceString(AboutHelp) },
        row(KeyEsc, EscHelp),
        row(KeyTab, TabHelp),
    };
}

} // namespace tessel
