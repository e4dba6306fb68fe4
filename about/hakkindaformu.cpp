#include "about/hakkindaformu.h"

#include "about/linkrules.h"
#include "common/accessibility.h"
#include "common/controls.h"
#include "common/errors.h"
#include "common/frameplacement.h"
#include "common/messagerules.h"
#include "common/numbers.h"
#include "common/stringids.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

namespace tessel {

namespace {

const QColor designLilac(192, 192, 255);
const QColor titleBlue(0, 0, 192);
const QColor makerBrown(128, 64, 64);

} // namespace

HakkındaFormu::HakkındaFormu(QWidget* owner, const ProgramInfo& program,
                             const StringLookup& strings)
    : QDialog(owner)
{
    setObjectName(QString::fromUtf8("HakkındaFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed dialog border: a caption and a close box only. As an owned dialog it stays out of
    // the task bar, and it is centred on its owner when it is shown.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(designFont());
    setFixedSize(twipsToPixels(0, 0, 4755, 3915).size());
    setWindowTitle(QStringLiteral("2400"));
    // Moves over the bare window clear the links' highlight, with or without a button held.
    setMouseTracking(true);
    createControls();
    readLinkLayouts();
    Form_Load(program, strings);
}

void HakkındaFormu::showModal(QWidget* owner)
{
    auto* form = new HakkındaFormu(owner);
    centreOnOwner(form, owner);
    form->exec(); // deletes the window when it closes
}

void HakkındaFormu::createControls()
{
    // In design order.
    TamamDüğmesi
        = named(new QPushButton(QStringLiteral("2000"), this), QString::fromUtf8("TamamDüğmesi"));
    setTwipsGeometry(TamamDüğmesi, 3210, 3330, 1215, 345);
    // The cancel button: Esc closes the window as it does.
    connect(TamamDüğmesi, &QPushButton::clicked, this, &QWidget::close);

    Çerçeve = named(new QGroupBox(this), QString::fromUtf8("Çerçeve"));
    setTwipsGeometry(Çerçeve, 300, 240, 4125, 2895);

    Altlık = named(new PictureBox(Çerçeve, PictureBox::Border::None), QString::fromUtf8("Altlık"));
    setTwipsGeometry(Altlık, 120, 210, 3885, 2565);
    Altlık->setBackColor(designLilac);
    Altlık->setMouseTracking(true);
    connect(Altlık, &PictureBox::mouseMoved, this, [this] { Altlık_MouseMove(); });

    MesajGönderEtiketi = link("MesajGönderEtiketi", 930, 1830, 420, 255);
    VelkorEtiketi = link("VelkorEtiketi", 930, 1440, 1950, 255);
    EPostaGönderEtiketi = link("EPostaGönderEtiketi", 930, 2130, 420, 255);

    Etiket.resize(4);
    auto label = [this](int index, double top, bool autoSize) {
        auto* l = named(new Label(Altlık, autoSize), QStringLiteral("Etiket(%1)").arg(index));
        l->move(twipsToPixels(930), twipsToPixels(top));
        Etiket[index] = l;
        return l;
    };
    label(3, 1200, true)->setCaption(QStringLiteral("Velkor"));
    setTextColor(Etiket[3], makerBrown);
    setTwipsGeometry(label(2, 750, false), 930, 750, 2775, 405);
    Etiket[2]->setWordWrap(true);
    Etiket[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Etiket[2]->setText(QStringLiteral("#"));
    label(1, 420, true)->setCaption(QStringLiteral("#"));
    label(0, 180, true)->setCaption(QStringLiteral("#"));
    setTextColor(Etiket[0], titleBlue);

    // The links are Tab stops, in the design's order, before the button; the window still
    // opens with the button focused, so that Enter closes it as before rather than open a link.
    QWidget::setTabOrder(VelkorEtiketi, MesajGönderEtiketi);
    QWidget::setTabOrder(MesajGönderEtiketi, EPostaGönderEtiketi);
    QWidget::setTabOrder(EPostaGönderEtiketi, TamamDüğmesi);
    TamamDüğmesi->setFocus();

    SimgeKutusu = named(new QLabel(Altlık), QString::fromUtf8("SimgeKutusu"));
    setTwipsGeometry(SimgeKutusu, 180, 300, 480, 480);
    drawIcon();

    // Screen readers read the controls in the order they were made, which for the design's
    // order is bottom to top. Raising each in turn puts them in reading order (the picture, then
    // the text from the top, then OK); none overlaps another, so nothing changes to the eye.
    for (QWidget* control :
         std::initializer_list<QWidget*> { SimgeKutusu, Etiket[0], Etiket[1], Etiket[2], Etiket[3],
                                           VelkorEtiketi, MesajGönderEtiketi, EPostaGönderEtiketi })
        control->raise();
    TamamDüğmesi->raise();
}

void HakkındaFormu::drawIcon()
{
    SimgeKutusu->setPixmap(QPixmap::fromImage(aboutIcon(devicePixelRatioF())));
}

void HakkındaFormu::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drawIcon();
    if (m_watchingScreen || !windowHandle())
        return;
    m_watchingScreen = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { drawIcon(); });
}

WebEtiketi* HakkındaFormu::link(const char* name, double left, double top, double width,
                                double height)
{
    auto* control = named(new WebEtiketi(Altlık), QString::fromUtf8(name));
    setTwipsGeometry(control, left, top, width, height);
    connect(control, &WebEtiketi::mouseMoved, this, [this, control] { link_MouseMove(control); });
    return control;
}

void HakkındaFormu::readLinkLayouts()
{
    StoredLayout layout;
    ignoreErrors([&] { layout = tessel::loadStoredLayout(QStringLiteral("HakkindaFormu")); });
    for (WebEtiketi* control : { MesajGönderEtiketi, VelkorEtiketi, EPostaGönderEtiketi }) {
        const PropertyBag* bag = layout.find(control->objectName());
        if (!bag) {
            control->InitProperties();
            continue;
        }
        ignoreErrors([&] { control->ReadProperties(*bag); });
        // The container keeps the extents; they size the link until its first fit.
        ignoreErrors([&] {
            const QVariant width = bag->ReadProperty(QStringLiteral("_extentx"));
            const QVariant height = bag->ReadProperty(QStringLiteral("_extenty"));
            if (width.isValid() && height.isValid())
                control->resize(twipsToPixels(twipsFromExtent(width.toInt())),
                                twipsToPixels(twipsFromExtent(height.toInt())));
        });
    }
}

void HakkındaFormu::Form_Load(const ProgramInfo& program, const StringLookup& strings)
{
    // The window's own colour, also after the desktop's colours change.
    ignoreErrors([&] { Altlık->useParentBackColor(); });
    ignoreErrors([&] { setWindowTitle(strings(2400)); });
    ignoreErrors([&] { Etiket.at(0)->setCaption(program.title); });
    ignoreErrors([&] {
        Etiket.at(1)->setCaption(strings(2450)
                                 + versionText(program.major, program.minor, program.revision));
    });
    ignoreErrors([&] { Etiket.at(2)->setText(program.legalNotice); });
    ignoreErrors(
        [&] { MesajGönderEtiketi->setCaption(strings(toInt16(MesajGönderEtiketi->Caption()))); });
    ignoreErrors(
        [&] { EPostaGönderEtiketi->setCaption(strings(toInt16(EPostaGönderEtiketi->Caption()))); });
    ignoreErrors([&] { TamamDüğmesi->setText(strings(toInt16(TamamDüğmesi->text()))); });
    ignoreErrors([&] { SimgeKutusu->setAccessibleName(strings(StringId::AboutIconName)); });
    ignoreErrors([&] { nameForScreenReaders(this); });
}

void HakkındaFormu::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

void HakkındaFormu::Form_MouseMove()
{
    for (WebEtiketi* control : { VelkorEtiketi, MesajGönderEtiketi, EPostaGönderEtiketi })
        showLinkResting(*control);
}

void HakkındaFormu::Altlık_MouseMove()
{
    Form_MouseMove();
}

void HakkındaFormu::link_MouseMove(WebEtiketi* link)
{
    showLinkHover(*link);
}

} // namespace tessel
