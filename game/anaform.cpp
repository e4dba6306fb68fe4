#include "game/anaform.h"

#include "about/hakkindaformu.h"
#include "common/accessibility.h"
#include "common/accessibletext.h"
#include "common/controls.h"
#include "common/localize.h"
#include "common/messagebox.h"
#include "common/messagerules.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "game/boardframe.h"
#include "version.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace tessel {

namespace {

const QColor captionRed(128, 0, 0);
const QColor displayOrange(192, 64, 0);
const QColor designLilac(192, 192, 255);
const QColor lightYellow(255, 255, 192);

QString indexed(const char* name, int index)
{
    return QString::fromUtf8(name) + u'(' + QString::number(index) + u')';
}

QGroupBox* frame(QWidget* parent, int index, const char* caption, double l, double t, double w,
                 double h)
{
    // The board's frame is the board's focus stop.
    const QString title = QString::fromLatin1(caption);
    auto* box = named(index == 0 ? new BoardFrame(title, parent) : new QGroupBox(title, parent),
                      indexed("Çerçeve", index));
    setTwipsGeometry(box, l, t, w, h);
    return box;
}

} // namespace

AnaForm::AnaForm(QWidget* parent)
    : AnaForm(userSettings(), parent)
{ }

AnaForm::AnaForm(SettingsStore& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("AnaForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // A window to screen readers, as the dialogs over it are dialogs.
    makeMainWindow(this);
    setFont(designFont());
    // A picture file dropped on the window becomes the photo.
    setAcceptDrops(true);
    const QRect client = twipsToPixels(0, 0, 9510, 6195);
    setFixedSize(client.size());
    createControls();
    m_keeper = new GameKeeper(
        m_settings.filePath(), [this] { return closeSnapshot(); }, this);
    connectBoard();
    connectKeys();
    connectOptions();
    connectHelp();
    connectUndo();
    connectSlide();
}

AnaForm::~AnaForm()
{
    // The sound playing lets go of SoundData before the bytes go with the window.
    if (!SoundData.isEmpty())
        ignoreErrors([this] { soundOutput().stop(); });
}

void AnaForm::createControls()
{
    // Created in design order: that is the order localisation walks.
    Çerçeve.resize(4);
    Çerçeve[0] = frame(this, 0, "100", 270, 270, 5745, 4485);

    auto* cell = named(new PictureBox(Çerçeve[0]), indexed("DağınıkParçalar", 0));
    setTwipsGeometry(cell, 300, 300, 705, 555);
    cell->setCursor(handCursor());
    makeBoardCell(cell);
    DağınıkParçalar = { cell };

    // The ordered pieces and the photo are off-screen images; element 0 of the pieces is empty.
    SıralıParçalar = { QPixmap() };

    SayıListesi = named(new QListWidget(Çerçeve[0]), QStringLiteral("SayıListesi"));
    setTwipsGeometry(SayıListesi, 210, 1650, 915, 2595);
    SayıListesi->hide();

    Çerçeve[1] = frame(this, 1, "200", 270, 4920, 5745, 915);
    Altlık.resize(2);
    Altlık[0] = named(new PictureBox(Çerçeve[1], PictureBox::Border::None), indexed("Altlık", 0));
    setTwipsGeometry(Altlık[0], 120, 270, 5505, 495);
    const char* optionCaptions[] = { "210", "220", "230" };
    for (int i = 0; i < 3; ++i) {
        auto* option = named(new QRadioButton(QString::fromLatin1(optionCaptions[i]), Altlık[0]),
                             indexed("ParçalaraBölSeçeneği", i));
        setTwipsGeometry(option, 150 + i * 1755, 120, 1635, 285);
        option->setCursor(handCursor());
        ParçalaraBölSeçeneği.push_back(option);
    }

    Çerçeve[2] = frame(this, 2, "300", 6330, 270, 2895, 2325);
    ÖrnekKutusu = named(new PictureBox(Çerçeve[2]), QStringLiteral("ÖrnekKutusu"));
    setTwipsGeometry(ÖrnekKutusu, 180, 300, 2535, 1875);

    auto checkBox = [this](const char* name, const char* caption, double top) {
        auto* box
            = named(new QCheckBox(QString::fromLatin1(caption), this), QString::fromUtf8(name));
        setTwipsGeometry(box, 6480, top, 2745, 225);
        box->setCursor(handCursor());
        return box;
    };
    FotoğrafınÖrneğiniGöster = checkBox("FotoğrafınÖrneğiniGöster", "400", 2730);
    FotoğrafınÖrneğiniGöster->setChecked(true);
    OyunuKaydetOnayı = checkBox("OyunuKaydetOnayı", "410", 3030);
    SesleriKapatOnayı = checkBox("SesleriKapatOnayı", "420", 3330);

    Çerçeve[3] = frame(this, 3, "500", 6330, 3720, 2895, 1035);
    Altlık[1] = named(new PictureBox(Çerçeve[3], PictureBox::Border::None), indexed("Altlık", 1));
    setTwipsGeometry(Altlık[1], 120, 210, 2655, 705);
    Etiket.resize(4);
    for (int i = 0; i < 4; ++i) {
        auto* label = named(new Label(Altlık[1]), indexed("Etiket", i));
        const bool caption = i % 2 == 0;
        const double top = i < 2 ? 90 : 390;
        if (caption) {
            setTwipsGeometry(label, 1050, top, 270, 195);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setText(QString::number(i == 0 ? 510 : 520));
        } else {
            setTwipsGeometry(label, 1380, top, 75, 195);
            label->setFont(designFont(true));
            setTextColor(label, displayOrange);
            label->setSpokenName(i == 1 ? StringId::TimeName : StringId::MovesName);
        }
        Etiket[i] = label;
    }
    SüreHesapla = named(new ClockTimer(Altlık[1]), QStringLiteral("SüreHesapla"));

    auto button = [this](const char* name, const char* caption, double l, double t, double w) {
        auto* b
            = named(new QPushButton(QString::fromLatin1(caption), this), QString::fromUtf8(name));
        setTwipsGeometry(b, l, t, w, 345);
        b->setAutoDefault(false);
        pressOnReturn(b);
        return b;
    };
    YeniOyunDüğmesi = button("YeniOyunDüğmesi", "600", 6330, 4980, 1365);
    YeniFotoğrafDüğmesi = button("YeniFotoğrafDüğmesi", "700", 7770, 4980, 1425);
    HakkındaDüğmesi = button("HakkındaDüğmesi", "800", 6330, 5400, 1365);
    ÇıkışDüğmesi = button("ÇıkışDüğmesi", "900", 7770, 5400, 1425);

    for (PictureBox* box : { Altlık[0], Altlık[1] })
        box->setBackColor(designLilac);
    for (int i : { 0, 2, 3 })
        setCaptionColor(Çerçeve[i], captionRed);

    // The board first, then the tab order of the design; the other frames, the picture boxes
    // and the labels take no focus.
    QWidget* tabOrder[] = { Çerçeve[0],
                            ParçalaraBölSeçeneği[0],
                            ParçalaraBölSeçeneği[1],
                            ParçalaraBölSeçeneği[2],
                            FotoğrafınÖrneğiniGöster,
                            OyunuKaydetOnayı,
                            SesleriKapatOnayı,
                            YeniOyunDüğmesi,
                            YeniFotoğrafDüğmesi,
                            HakkındaDüğmesi,
                            ÇıkışDüğmesi };
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Exit is the window's cancel button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ÇıkışDüğmesi, &QPushButton::click);
    connect(ÇıkışDüğmesi, &QPushButton::clicked, this, [this] { closeByProgram(); });
    connect(HakkındaDüğmesi, &QPushButton::clicked, this,
            [this] { HakkındaFormu::showModal(this); });
}

void AnaForm::applyAppearance()
{
    const ReportingTrap trap = reportingTrap();
    trap([this] { LocalizeForm(this); });
    // Like drawing, what screen readers and tooltips say is no step worth a report.
    ignoreErrors([this] {
        nameForScreenReaders(this);
        ÖrnekKutusu->setAccessibleName(plainCaption(Çerçeve.at(2)->title()));
        // The board's keys, for the mouse and for screen readers.
        Çerçeve.at(0)->setToolTip(ResourceString(StringId::BoardKeys));
        Çerçeve.at(0)->setAccessibleDescription(ResourceString(StringId::BoardKeys));
        nameCells();
    });
    trap([this] {
        for (PictureBox* box : Altlık)
            box->useParentBackColor(); // the window's, also after the desktop's colours change
    });
    trap([this] { DağınıkParçalar.at(0)->setBackColor(lightYellow); });
    trap([this] {
        setWindowTitle(ResourceString(StringId::ProgramTitle) + u' '
                       + versionText(version::major, version::minor, version::revision));
    });
    // The picture boxes already measure their interior in pixels: nothing to switch.
}

void AnaForm::Form_Load()
{
    applyAppearance();
    restoreAtStartUp();
    reportingTrap()([this] { show(); });
}

BoardFrame* AnaForm::board() const
{
    return static_cast<BoardFrame*>(Çerçeve.at(0));
}

void AnaForm::closeByProgram()
{
    m_closeReason = FormCode;
    close();
    m_closeReason = FormControlMenu;
}

} // namespace tessel
