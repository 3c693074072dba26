#pragma once

#include "ui/report/reporttexts.h"

#include <QColor>

namespace report {

// The window whose schedule is saved or printed, as the report windows see it. The texts are
// read at the moment of saving or printing, so that what was typed after a run is reported as
// it stands.
class ReportSource {
public:
    virtual ~ReportSource() = default;

    virtual ReportTexts reportTexts() const = 0;
    // The background colour the print window takes over.
    virtual QColor backColor() const = 0;
};

} // namespace report
