#pragma once

#include <QHash>
#include <QString>

class QWidget;

// The main window's controls built from its layout table (ui/main/form1layout.h): each created in
// its container, named, placed, in its font and colours. The window itself and the start-up
// yardstick in bench/ build their controls through here, so that both show the same table.
namespace form1controls {

// The client area in the window blue, with every control of the table in it.
QWidget *createClient(QWidget *parent, QHash<QString, QWidget *> &controls);

// The standard push buttons of the "Command" frame (Frame4, which must be among controls).
void createPushButtons(QHash<QString, QWidget *> &controls);

} // namespace form1controls
