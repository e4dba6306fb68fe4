// The About window: title, version, legal notice and the maker's three links.
#pragma once

#include "about/aboutinfo.h"
#include "about/webetiketi.h"
#include "common/controls.h"
#include "common/resourcestring.h"

#include <QDialog>

#include <functional>
#include <vector>

class QGroupBox;
class QPushButton;

namespace tessel {

// No Q_OBJECT: moc cannot take the Turkish class name, and the window declares no signals.
class HakkındaFormu : public QDialog
{
public:
    using StringLookup = std::function<QString(int id)>;

    // Creates the window from its design and stored layout, then runs the load steps. It is
    // deleted when it closes.
    explicit HakkındaFormu(QWidget* owner, const ProgramInfo& program = thisProgram(),
                           const StringLookup& strings = ResourceString);

    // The About button's action: a new window, modal to the owner; returns once it is gone.
    static void showModal(QWidget* owner);

    // Controls, by their design names.
    QPushButton* TamamDüğmesi = nullptr;
    QGroupBox* Çerçeve = nullptr;
    PictureBox* Altlık = nullptr;
    WebEtiketi* MesajGönderEtiketi = nullptr;
    WebEtiketi* VelkorEtiketi = nullptr;
    WebEtiketi* EPostaGönderEtiketi = nullptr;
    std::vector<Label*> Etiket;
    QLabel* SimgeKutusu = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    // The icon drawn for the device-pixel ratio of the screen the window is on.
    void drawIcon();
    WebEtiketi* link(const char* name, double left, double top, double width, double height);
    void readLinkLayouts();
    void Form_Load(const ProgramInfo& program, const StringLookup& strings);
    void Form_MouseMove();
    void Altlık_MouseMove();
    void link_MouseMove(WebEtiketi* link);

    bool m_watchingScreen = false;
};

} // namespace tessel
