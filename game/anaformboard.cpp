// The game window's board: dividing the photo into blocks, dealing a new game, and the clock.
// The moves are in anaformplay.cpp.
#include "game/anaform.h"

#include "board/boardlayout.h"
#include "board/deal.h"
#include "board/gameclock.h"
#include "common/accessibility.h"
#include "common/messagebox.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/stringids.h"
#include "game/boardframe.h"
#include "game/hintcontroller.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

namespace tessel {

namespace {

// The hidden number list as the bag of a deal.
class ListBag : public PieceBag
{
public:
    explicit ListBag(QListWidget* list)
        : m_list(list)
    { }

    int count() const override { return m_list->count(); }
    QString item(int position) const override
    {
        const QListWidgetItem* entry = m_list->item(position);
        if (!entry)
            throw TesselError(ErrorCode::SubscriptOutOfRange,
                              QStringLiteral("Subscript out of range"));
        return entry->text();
    }
    void removeAt(int position) override { delete m_list->takeItem(position); }
    void clear() override { m_list->clear(); }
    void append(const QString& item) override { m_list->addItem(item); }

private:
    QListWidget* m_list;
};

} // namespace

void AnaForm::connectBoard()
{
    connectCell(DağınıkParçalar.at(0), 0);
    for (int i = 0; i < static_cast<int>(ParçalaraBölSeçeneği.size()); ++i) {
        // Selecting an option, by a click, the arrow keys or the program, divides.
        connect(ParçalaraBölSeçeneği[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                ParçalaraBölSeçeneği_Click(i);
        });
    }
    connect(YeniOyunDüğmesi, &QPushButton::clicked, this, [this] { YeniOyunDüğmesi_Click(); });
    connect(SüreHesapla, &ClockTimer::timeout, this, [this] { SüreHesapla_Timer(); });
}

void AnaForm::connectCell(PictureBox* cell, int index)
{
    // Queued, so that a division a click leads to never destroys the cell whose mouse event is
    // still being handled; a click on a cell destroyed meanwhile is dropped.
    connect(
        cell, &PictureBox::clicked, this,
        [this, cell = QPointer<PictureBox>(cell), index] {
            if (cell)
                DağınıkParçalar_Click(index);
        },
        Qt::QueuedConnection);
}

void AnaForm::showCell(int cell)
{
    PictureBox* box = DağınıkParçalar.at(cell);
    const int block = m_game.blockShown(cell);
    box->setPicture(block == Game::noBlock ? QPixmap() : SıralıParçalar.at(block));
    box->setTag(m_game.tag(cell));
}

void AnaForm::showBoard()
{
    finishSlide();
    const ReportingTrap trap = reportingTrap();
    for (int c = 0; c < m_game.cellCount(); ++c)
        trap([&] { showCell(c); });
    nameCells();
}

void AnaForm::setOriginalPhoto(const Photo& photo)
{
    OrjinalFotoğrafKutusu = photo;
    drawSample();
}

PictureBox* AnaForm::copyOfFirstCell(int index)
{
    PictureBox* first = DağınıkParçalar.at(0);
    auto* cell = new PictureBox(first->parentWidget(), first->border());
    cell->setObjectName(QString::fromUtf8("DağınıkParçalar(%1)").arg(index));
    cell->setPalette(first->palette());
    cell->setCursor(first->cursor());
    makeBoardCell(cell);
    cell->setPicture(first->picture());
    connectCell(cell, index);
    DağınıkParçalar.push_back(cell);
    return cell;
}

void AnaForm::UnloadScatteredPieces()
{
    for (size_t c = 1; c < DağınıkParçalar.size(); ++c)
        ignoreErrors([&] { delete DağınıkParçalar[c]; });
    DağınıkParçalar.resize(1);
    ignoreErrors([&] {
        DağınıkParçalar.at(0)->setPicture(QPixmap());
        DağınıkParçalar.at(0)->setTag(m_game.tag(0)); // the board just divided carries none
    });
}

void AnaForm::UnloadOrderedPieces()
{
    ignoreErrors([&] { SıralıParçalar.resize(1); });
}

void AnaForm::ParçalaraBölSeçeneği_Click(int Index)
{
    finishSlide();
    const ReportingTrap trap = reportingTrap();
    trap([&] { shared().DivisionIndex = static_cast<int16_t>(Index); });
    // An index that names no option is reported, and the board keeps its size.
    int gridSize = GridSize();
    trap([&] { gridSize = gridSizeFor(Index); });
    if (gridSize == 0)
        return; // no grid chosen yet: nothing to lay out
    const int n = gridSize * gridSize;
    // GridSize, and BlankIndex the last cell: a new board, no block on it yet.
    trap([&] { m_game.divide(gridSize); });

    QSize cellSize;
    trap([&] {
        const QSize frameTwips(Çerçeve.at(0)->width() * twipsPerPixel,
                               Çerçeve.at(0)->height() * twipsPerPixel);
        cellSize = cellSizeTwips(gridSize, frameTwips);
    });
    auto place = [&](PictureBox* cell, int c) {
        cell->setGeometry(cellRectPixels(c, gridSize, cellSize));
    };

    UnloadScatteredPieces();
    trap([&] { place(DağınıkParçalar.at(0), 0); });
    for (int c = 1; c < n; ++c) {
        trap([&] {
            PictureBox* cell = copyOfFirstCell(c);
            place(cell, c);
            cell->show();
        });
    }

    // Each block is cut once, at the cells' inner size in device pixels.
    QSize pieceSize;
    qreal ratio = 1;
    trap([&] {
        pieceSize = DağınıkParçalar.at(0)->innerDeviceSize();
        ratio = DağınıkParçalar.at(0)->deviceRatio();
    });
    UnloadOrderedPieces();
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            trap([&] { SıralıParçalar.emplace_back(); });
        trap([&] { SıralıParçalar.at(k) = cutPiece(k, pieceSize, ratio); });
    }
    m_cutRatio = ratio;

    if (RestoringGame)
        return; // the restore puts the saved pieces into the cells
    if (!SüreHesapla->running()) {
        // The ordered pieces carry no tag: neither do the cells that show them.
        m_game.showInOrder();
        for (int c = 0; c < static_cast<int>(DağınıkParçalar.size()); ++c)
            trap([&] { showCell(c); });
        nameCells();
    } else {
        trap([&] { YeniOyunDüğmesi_Click(); });
    }
}

QPixmap AnaForm::cutPiece(int block, QSize pieceSize, qreal ratio) const
{
    // No wrong picture while the photo decodes: the cell keeps its plain colour.
    if (m_storedPhotoPending)
        return QPixmap();
    const QImage image = OrjinalFotoğrafKutusu.cut(
        blockRect(block, GridSize(), OrjinalFotoğrafKutusu.size()), pieceSize);
    QPixmap piece;
    if (!image.isNull()) {
        piece = QPixmap::fromImage(image);
    } else if (!pieceSize.isEmpty()) {
        // No photo: the block shows the empty photo's background.
        piece = QPixmap(pieceSize);
        piece.fill(palette().color(QPalette::Window));
    }
    piece.setDevicePixelRatio(ratio);
    return piece;
}

void AnaForm::cutPiecesForRatio(qreal ratio)
{
    if (ratio == m_cutRatio || GridSize() == 0)
        return;
    // The glide's block was cut for the old scale.
    finishSlide();
    // Like drawing: a failure leaves what was shown.
    ignoreErrors([&] {
        const QSize inner = DağınıkParçalar.at(0)->innerSize();
        const QSize pieceSize(qRound(inner.width() * ratio), qRound(inner.height() * ratio));
        std::vector<QPixmap> pieces;
        for (size_t k = 0; k < SıralıParçalar.size(); ++k)
            pieces.push_back(cutPiece(static_cast<int>(k), pieceSize, ratio));
        SıralıParçalar = std::move(pieces);
        m_cutRatio = ratio;
        for (int c = 0; c < static_cast<int>(DağınıkParçalar.size()); ++c)
            showCell(c);
    });
}

void AnaForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The program's icon (this window's and the others') once the window has been drawn: X is
    // sent each of its sizes, drawn as they are asked for, which before would hold the window's
    // first appearance back by about the time of a frame. A window shown minimized is not
    // drawn: it has the icon a moment later all the same.
    if (!m_iconSet)
        QTimer::singleShot(std::chrono::milliseconds(500), this, &AnaForm::setProgramIcon);
    if (m_watchingScreen || !windowHandle())
        return;
    m_watchingScreen = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
        if (windowHandle())
            cutPiecesForRatio(windowHandle()->devicePixelRatio());
    });
}

void AnaForm::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_iconSet)
        QTimer::singleShot(0, this, &AnaForm::setProgramIcon);
}

void AnaForm::setProgramIcon()
{
    if (m_iconSet)
        return;
    m_iconSet = true;
    ignoreErrors([this] {
        setWindowIcon(applicationIcon());
        QApplication::setWindowIcon(applicationIcon());
    });
}

void AnaForm::YeniOyunDüğmesi_Click()
{
    finishSlide();
    const ReportingTrap trap = reportingTrap();
    bool noPhoto = false;
    trap([&] {
        noPhoto = OrjinalFotoğrafKutusu.isNull();
        if (noPhoto)
            showInformation(ResourceString(StringId::SelectPhotoFirst));
    });
    if (noPhoto) {
        trap([&] { YeniFotoğrafDüğmesi->setFocus(); });
        return;
    }

    trap([&] {
        m_game.resetTime();
        timeDisplay()->setCaption(QString::fromUtf16(clockResetText));
    });
    trap([&] {
        m_game.resetMoveCount();
        moveCountDisplay()->setCaption(QStringLiteral("0"));
    });
    // The deal: BlankIndex the last cell m, the bag drawn, each cell a block; the cells then
    // show it, the last one empty with tag m. A window not yet divided has no board to deal.
    const int m = m_game.cellCount() - 1;
    if (m >= 0) {
        trap([&] {
            ListBag bag(SayıListesi);
            DealRandom random = freshDealRandom();
            m_game.deal(dealPieces(m + 1, bag, random));
        });
        for (int c = 0; c < m; ++c)
            trap([&] { showCell(c); });
        trap([&] { showCell(m); });
    }
    trap([&] { SüreHesapla->setInterval(ClockTimer::runningInterval); });
    nameCells();
    announce(ResourceString(StringId::NewGameDealt));
    m_hints->gameStarted();
    keepGameSoon();
    // The arrows play the new game at once, whatever dealt it (a button, a key, the photo window,
    // which gives the focus back to this window when it closes).
    trap([&] { board()->setFocus(Qt::OtherFocusReason); });
    trap([] { QCoreApplication::processEvents(); });
}

void AnaForm::SüreHesapla_Timer()
{
    // Ticks that fall due while the 24-hour message is open are not counted: the time starts
    // again from zero when it closes, and one message is enough.
    if (m_dayMessageOpen)
        return;
    bool dayFull = false;
    ignoreErrors([&] { dayFull = m_game.tick(); });
    if (dayFull) {
        // Back to zero before the message: a close while it waits for OK (a log-out, a
        // termination signal) would otherwise store 24 hours, which no start can read.
        m_game.resetTime();
        ignoreErrors([&] {
            m_dayMessageOpen = true;
            const auto closed = qScopeGuard([this] { m_dayMessageOpen = false; });
            showInformation(ResourceString(StringId::DayResetNotice));
        });
    }
    ignoreErrors([&] { timeDisplay()->setCaption(clockText(m_game.elapsed())); });
}

} // namespace tessel
