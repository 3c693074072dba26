#pragma once

#include "ui/main/form1.h"

#include <QLineEdit>
#include <QTest>

// The main window filled in for the report tests, through its boxes as a user would fill it.

// Replaces a box's text by typing: select everything, erase it, type the new text.
inline void typeInto(Form1 &window, const char *box, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(box));
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

// Arrival times 0..4, burst times 5, 3, 1, 2, 4, computed with FCFS (the window starts with
// every box at 0, so Text1 stays as it is).
inline void computeExample(Form1 &window)
{
    const char *const boxes[] = {"Text2", "Text3", "Text4", "Text10", "Text5", "Text6", "Text7", "Text8", "Text9"};
    const char *const values[] = {"1", "2", "3", "4", "5", "3", "1", "2", "4"};
    for (int i = 0; i < 9; ++i)
        typeInto(window, boxes[i], QString::fromLatin1(values[i]));
    window.Command1_Click();
}
