#pragma once

#include <QCoreApplication>

namespace worksheet {

// The texts of the worksheets, translated in the context "Worksheet".
class WorksheetTexts {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

} // namespace worksheet
