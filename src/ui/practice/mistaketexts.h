#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"
#include "practice/answer.h"

#include <QString>

// The words of the practice window's checking: the first place a student's schedule leaves the
// solution, explained from the engine's decision there in the laboratory's terms (steptexts.h),
// and the name and symbol of every mark, so that no mark is told by colour alone.
namespace practiceui {

// One sentence (or two) on the first mistake, such as "Pada t=6 siap P2 (sisa 3) dan P4
// (sisa 3); sama, yang datang lebih dulu dipilih: P2, bukan P4."
QString mistakeText(const lab::Workload &workload, const lab::Schedule &solution,
                    const practice::FirstMistake &mistake);

// The ready processes of a decision with their keys: "P2 (sisa 3) dan P4 (sisa 3)",
// "P1 (burst 2), P2 (burst 3) dan P4 (burst 5)".
QString readyList(const lab::Workload &workload, const lab::Decision &decision);

// "✓", "✗", "→" and nothing for an unanswered cell.
QString markSymbol(practice::Mark mark);
// "benar", "salah", "salah karena jadwal", "belum dijawab".
QString markName(practice::Mark mark);

// The score: "12/15 benar".
QString scoreText(int right, int total);

} // namespace practiceui
