#pragma once

#include "worksheet/worksheet.h"

#include <QString>

#include <vector>

namespace worksheet {

// Where a printed class went: the default queue's name and the job's number there.
struct PrintJob {
    QString queue;
    int job = 0;
};

// Prints the worksheets on the system's default printer through the program's printer layer:
// the pages are written as one A4 PDF, as for a file, and handed to the default queue as one job
// (told its page size, so that it neither scales nor crops). False when there is no default
// printer or the queue refuses the job; `error` then says why.
bool printWorksheets(const std::vector<Sheet> &sheets, PrintJob *job, QString *error = nullptr);

} // namespace worksheet
