#pragma once

class QMenuBar;

// The keys desktop users expect of a menu bar: F10 opens the first menu, and a tap on Alt
// highlights the first menu's title visibly (the arrow keys then walk the bar, Enter or Down
// opens the menu, Escape or another tap on Alt leaves it).
namespace menubarkeys {

void install(QMenuBar *bar);

} // namespace menubarkeys
