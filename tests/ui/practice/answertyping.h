#pragma once

// Latihan's answer typed as a student types it: the processor row into its line, the numbers
// into the answer table's cells. Shared by the practice window's tests.

#include "common/testsupport.h"
#include "ui/practice/answertablemodel.h"
#include "ui/practice/practicewindow.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace answertyping {

inline practiceui::AnswerTableModel *answers(const PracticeWindow *window)
{
    return qobject_cast<practiceui::AnswerTableModel *>(
        testsupport::control<QTableView>(window, "practiceAnswers")->model());
}

// Types into an answer cell as a user does: F2, the text, Enter.
inline void typeCell(const PracticeWindow *window, int row, int column, const QString &text)
{
    QTableView *view = testsupport::control<QTableView>(window, "practiceAnswers");
    testsupport::typeIntoCell(view, view->model()->index(row, column), text);
    // The delegate commits the edit once the event loop runs again.
    QTRY_COMPARE(answers(window)->text(row, column), text);
}

// Types the processor row over what the line held.
inline void typeSchedule(const PracticeWindow *window, const QString &text)
{
    auto *line = testsupport::control<QLineEdit>(window, "practiceSchedule");
    line->setFocus();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

} // namespace answertyping
