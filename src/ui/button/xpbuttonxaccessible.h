#pragma once

#include <QAccessibleWidget>

class XPButtonX;

// What assistive technology (screen readers, voice control, test tools over AT-SPI) sees of
// an XPButtonX: a push button named by its caption, described by its tool tip, with a press
// action that clicks it and Alt + its access key as the key binding.
class XPButtonXAccessible : public QAccessibleWidget {
public:
    explicit XPButtonXAccessible(XPButtonX *button);

    // Makes every XPButtonX of the program use this interface. Safe to call more than once.
    static void installFactory();

    // Tells assistive technology that the caption, and with it the name, changed. (A change
    // of the enabled state Qt reports itself, for every widget.)
    static void captionChanged(XPButtonX *button);

    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    XPButtonX *button() const;
    QString accessKeyBinding() const;
};
