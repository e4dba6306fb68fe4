// Message boxes centred on the active window, the error report, and the end of the program,
// each behind a seam so that tests answer boxes and observe the end without a real dialog.
#pragma once

#include "common/errors.h"

#include <QMessageBox>
#include <QPointer>

#include <functional>

namespace tessel {

struct MessageBoxRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title; // the application title when the box has none of its own
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QPointer<QWidget> owner; // the window the box is modal to, or null
    bool centred = false; // whether the centring was armed for this box
};

using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;
using ProgramEndHandler = std::function<void(int exitCode)>;

// An empty handler restores the real one.
void setMessageBoxHandler(MessageBoxHandler handler);
void setProgramEndHandler(ProgramEndHandler handler);

// Arms a one-shot centring of the next top-level window shown on the window active now
// (or on the screen when none is). Call it right before showing the box.
void CenterNextMessageBox();
bool centringArmed();

// Shows a box modal to the active window. An empty title shows the application title.
QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString& title = {});

// Centres and shows an information box with an OK button and no title of its own.
void showInformation(const QString& text);

// Ends the program at once: no close handling runs and nothing is written.
void endProgramNow(int exitCode);

// Tells the user the error's number and description; returns only when the user goes on.
void ShowErrorReport(const TesselError& error);

// The "report and resume" trap of the windows.
ReportingTrap reportingTrap();

} // namespace tessel
