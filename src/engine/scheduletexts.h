#pragma once

#include <string>
#include <string_view>

// The texts in which a schedule is shown.
namespace engine::texts {

// "P1 = " .. "P5 = " for index 0..4.
std::string processPrefix(int index);
// prefix followed by the value in shortest form, e.g. "P3 = 7".
std::string detailCaption(int index, double value);
// The same with the given decimal separator for a value that is not whole.
std::string detailCaption(int index, double value, std::string_view decimalSeparator);
// "<total>/5 = <total/5> satuan waktu" with the given decimal separator for the average.
std::string resultText(double total, std::string_view decimalSeparator);
// "Buffer = <buffer>".
std::string bufferText(double buffer);
// "Program error !!. Error Number : <n>\r\nDekripsi Error : <description>".
std::string fatalErrorText(int number, std::string_view description);

// Text of the warning that refuses a schedule whose first process arrives after 0:
// "Schedule tidak dapat diproses karena proses pertama di mulai dari ( <arrival> ) !".
std::string refusalText(double firstArrival, std::string_view decimalSeparator = ".");

inline constexpr std::string_view kFatalErrorTitle = "Fatal Error";
inline constexpr std::string_view kFcfsRefusalTitle = "FCFS Prosess Terminated";
inline constexpr std::string_view kSjfRefusalTitle = "SJF Non Preemptive Prosess Terminated";

} // namespace engine::texts
