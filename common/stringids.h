// Names of the string table's ids (resources/stringtable.cpp), so that a call says which text
// it shows. The numbers are the table's own and never change: translations and window captions
// name the texts by them.
#pragma once

namespace tessel::StringId {

inline constexpr int ProgramTitle = 10;
inline constexpr int PlatformTooOld = 30;
inline constexpr int ErrorReportQuestion = 40;
inline constexpr int ErrorCodeLabel = 50;
inline constexpr int ErrorMessageLabel = 60;
inline constexpr int ErrorReportTitle = 70;
inline constexpr int CompletingPhotoFrame = 100;
inline constexpr int DividingPhotoFrame = 200;
inline constexpr int ThreeByThreeOption = 210;
inline constexpr int FourByFourOption = 220;
inline constexpr int FiveByFiveOption = 230;
inline constexpr int PhotoSampleFrame = 300;
inline constexpr int ShowPhotoSampleBox = 400;
inline constexpr int SaveOnExitBox = 410;
inline constexpr int SoundOffBox = 420;
inline constexpr int GameInformationFrame = 500;
inline constexpr int TimeCaption = 510;
inline constexpr int ClickCountCaption = 520;
inline constexpr int NewGameButton = 600;
inline constexpr int NewPhotoButton = 700;
inline constexpr int AboutButton = 800;
inline constexpr int ExitButton = 900;
inline constexpr int SelectPhotoFirst = 1000;
inline constexpr int HourWord = 1100;
inline constexpr int MinuteWord = 1200;
inline constexpr int SecondWord = 1250;
inline constexpr int Congratulations = 1300;
inline constexpr int CompletingTime = 1320;
inline constexpr int ClickCounts = 1340;
inline constexpr int DayResetNotice = 1400;
inline constexpr int ExitQuestion = 1500;
inline constexpr int SelectPhotoTitle = 1550;
inline constexpr int DrivesCaption = 1600;
inline constexpr int DirectoriesCaption = 1700;
inline constexpr int PhotosCaption = 1800;
inline constexpr int PreviewCaption = 1900;
inline constexpr int OkButton = 2000;
inline constexpr int CancelButton = 2100;
inline constexpr int CannotReadDrive = 2200;
inline constexpr int SelectPhotoFromList = 2300;
inline constexpr int AboutTitle = 2400;
inline constexpr int VersionCaption = 2450;
inline constexpr int SendMessageLink = 2500;
inline constexpr int SendEmailLink = 2600;
inline constexpr int BoardKeys = 3000;
inline constexpr int BlockInCell = 3010;
inline constexpr int EmptyCell = 3020;
inline constexpr int TimeName = 3030;
inline constexpr int MovesName = 3040;
inline constexpr int NamedValue = 3050;
inline constexpr int BlockMoved = 3060;
inline constexpr int NewGameDealt = 3070;
inline constexpr int TimePartJoin = 3080;
inline constexpr int TimeLastPartJoin = 3090;
inline constexpr int HintBlock = 3100;
inline constexpr int AboutIconName = 3110;
inline constexpr int HintMenuItem = 3200;
inline constexpr int BestResultsMenuItem = 3210;
inline constexpr int ShortestPossible = 3220;
inline constexpr int ShortestPossibleOne = 3221;
inline constexpr int BestKnown = 3230;
inline constexpr int BestKnownOne = 3231;
inline constexpr int NewBestTime = 3240;
inline constexpr int FewestMovesYet = 3250;
inline constexpr int BestResultsTitle = 3300;
inline constexpr int BoardHeading = 3310;
inline constexpr int BestTimeHeading = 3320;
inline constexpr int FewestMovesHeading = 3330;
inline constexpr int GamesCompletedHeading = 3340;
inline constexpr int BoardSizeName = 3350;
inline constexpr int NoResultYet = 3360;
inline constexpr int ClearButton = 3370;
inline constexpr int ClearQuestion = 3380;
inline constexpr int CommandLineDescription = 3400;
inline constexpr int PhotoArgumentHelp = 3410;
inline constexpr int PhotoArgumentName = 3420;
inline constexpr int OnePhotoAtMost = 3430;
inline constexpr int HelpOptionHelp = 3440;
inline constexpr int VersionOptionHelp = 3450;

} // namespace tessel::StringId
