// The text report as bytes: its pieces, its name and its stamp.

#include "ui/report/reporttexts.h"
#include "ui/report/textreport.h"

#include "common/paramnames.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

report::ReportTexts exampleSources()
{
    report::ReportTexts sources;
    sources.policy = report::Policy::Fcfs;
    sources.arrival = {"0", "1", "2", "3", "4"};
    sources.burst = {"5", "3", "1", "2", "4"};
    sources.waiting = {"P1 = 0", "P2 = 4", "P3 = 6", "P4 = 6", "P5 = 7"};
    sources.turnaround = {"P1 = 5", "P2 = 7", "P3 = 7", "P4 = 8", "P5 = 11"};
    sources.averageWaiting = "23/5 = 4.6 satuan waktu";
    sources.averageTurnaround = "38/5 = 7.6 satuan waktu";
    return sources;
}

const char *const exampleBody =
    "Arrival Time : \r\n"
    "P1 = 0\r\nP2 = 1\r\nP3 = 2\r\nP4 = 3\r\nP5 = 4\r\n"
    "Burst Time : \r\n"
    "P1 = 5\r\nP2 = 3\r\nP3 = 1\r\nP4 = 2\r\nP5 = 4\r\n"
    "Detail Waiting Time : \r\n"
    "P1 = 0\r\nP2 = 4\r\nP3 = 6\r\nP4 = 6\r\nP5 = 7\r\n"
    "Detail Turn Around : \r\n"
    "P1 = 5\r\nP2 = 7\r\nP3 = 7\r\nP4 = 8\r\nP5 = 11\r\n"
    "Average Waiting Time : 23/5 = 4.6 satuan waktu\r\n"
    "Average Turn Around  : 38/5 = 7.6 satuan waktu\r\n"
    "Tamsira 2006\r\n";

} // namespace

TEST(TextReportPieces, ExampleRunGivesTheTwentyEightLinesInSevenPieces)
{
    const QStringList pieces = report::textReportPieces(exampleSources());
    ASSERT_EQ(pieces.size(), 7);
    EXPECT_EQ(pieces.join(QString()).toStdString(), std::string("FCFS Schedule\r\n") + exampleBody);
    EXPECT_EQ(pieces.join(QString()).count(QStringLiteral("\r\n")), 28);

    // The pieces are cut where the lines are written: line 1, four blocks of six lines, the
    // averages with the closing line but without its line end, and that line end.
    EXPECT_EQ(pieces[0].toStdString(), "FCFS Schedule\r\n");
    EXPECT_EQ(pieces[1].toStdString(), "Arrival Time : \r\nP1 = 0\r\nP2 = 1\r\nP3 = 2\r\nP4 = 3\r\nP5 = 4\r\n");
    EXPECT_EQ(pieces[2].toStdString(), "Burst Time : \r\nP1 = 5\r\nP2 = 3\r\nP3 = 1\r\nP4 = 2\r\nP5 = 4\r\n");
    EXPECT_EQ(pieces[3].toStdString(), "Detail Waiting Time : \r\nP1 = 0\r\nP2 = 4\r\nP3 = 6\r\nP4 = 6\r\nP5 = 7\r\n");
    EXPECT_EQ(pieces[4].toStdString(), "Detail Turn Around : \r\nP1 = 5\r\nP2 = 7\r\nP3 = 7\r\nP4 = 8\r\nP5 = 11\r\n");
    EXPECT_EQ(pieces[5].toStdString(),
              "Average Waiting Time : 23/5 = 4.6 satuan waktu\r\n"
              "Average Turn Around  : 38/5 = 7.6 satuan waktu\r\nTamsira 2006");
    EXPECT_EQ(pieces[6].toStdString(), "\r\n");
}

TEST(TextReportPieces, FirstLineFollowsThePolicy)
{
    report::ReportTexts sources = exampleSources();
    sources.policy = report::Policy::Sjf;
    EXPECT_EQ(report::textReportPieces(sources).join(QString()).toStdString(),
              std::string("SJF Non Preemptive Schedule\r\n") + exampleBody);

    // Neither option: line 1 is the only empty line.
    sources.policy = report::Policy::None;
    const QString text = report::textReportPieces(sources).join(QString());
    EXPECT_EQ(text.toStdString(), std::string("\r\n") + exampleBody);
    EXPECT_EQ(text.count(QStringLiteral("\r\n\r\n")), 0);
}

TEST(TextReportPieces, TextsAreTakenAsTheyAre)
{
    report::ReportTexts sources = exampleSources();
    sources.arrival[2] = QString();  // an empty box
    sources.burst[4] = QStringLiteral(" 9 ");
    sources.averageTurnaround = QString();
    const QString text = report::textReportPieces(sources).join(QString());
    EXPECT_NE(text.indexOf(QStringLiteral("\r\nP3 = \r\nP4 = 3\r\n")), -1);
    EXPECT_NE(text.indexOf(QStringLiteral("\r\nP5 =  9 \r\nDetail Waiting")), -1);
    EXPECT_NE(text.indexOf(QStringLiteral("\r\nAverage Turn Around  : \r\nTamsira 2006\r\n")), -1);
}

struct StampCase {
    QDateTime when;
    const char *stamp;
};

void PrintTo(const StampCase &c, std::ostream *os)
{
    *os << c.when.toString(Qt::ISODate).toStdString() << " stamps " << c.stamp;
}

class TextReportStamp : public testing::TestWithParam<StampCase> {};

TEST_P(TextReportStamp, SecondsThenDayWithoutLeadingZeros)
{
    EXPECT_EQ(report::textReportStamp(GetParam().when).toStdString(), GetParam().stamp);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, TextReportStamp,
    testing::Values(StampCase{QDateTime(QDate(2026, 3, 25), QTime(10, 42, 7)), "725"},
                    StampCase{QDateTime(QDate(2026, 3, 5), QTime(10, 42, 37)), "375"},
                    StampCase{QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)), "01"},
                    StampCase{QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), "5931"},
                    StampCase{QDateTime(QDate(2026, 7, 10), QTime(8, 5, 10)), "1010"}),
    [](const auto &info) {
        return "At" + testsupport::paramName(info.param.when.toString(QStringLiteral("yyyyMMdd_HHmmss")).toStdString());
    });

TEST(TextReportPath, FolderThenNameWithoutDoubledSeparator)
{
    EXPECT_EQ(report::textReportPath("/opt/quorvel", "725").toStdString(), "/opt/quorvel/Quorvel_725.txt");
    EXPECT_EQ(report::textReportPath("/opt/quorvel/", "375").toStdString(), "/opt/quorvel/Quorvel_375.txt");
    EXPECT_EQ(report::textReportPath("/", "01").toStdString(), "/Quorvel_01.txt");
}
