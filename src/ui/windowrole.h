#pragma once

#include <QAccessible>

class QWidget;

// Top-level windows built on a plain QWidget reach assistive technology as a bare "filler";
// this gives one the role of a window (a frame) or a dialog, so that a screen reader announces
// it by its title when it opens. Call it in the window's constructor, before it is shown.
namespace windowrole {

void announceAs(QWidget *window, QAccessible::Role role);

} // namespace windowrole
