#include "engine/scheduletexts.h"

#include "engine/numeric.h"

#include <stdexcept>

namespace engine::texts {

std::string processPrefix(int index)
{
    if (index < 0 || index > 4)
        throw std::out_of_range("process label index outside 0..4");
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "P" + std::string.
    std::string prefix = "P";
    prefix += std::to_string(index + 1);
    prefix += " = ";
    return prefix;
}

std::string detailCaption(int index, double value)
{
    return detailCaption(index, value, ".");
}

std::string detailCaption(int index, double value, std::string_view decimalSeparator)
{
    return processPrefix(index) + numeric::format(value, decimalSeparator);
}

std::string resultText(double total, std::string_view decimalSeparator)
{
    return numeric::format(total, decimalSeparator) + "/5 = "
        + numeric::format(total / 5.0, decimalSeparator) + " satuan waktu";
}

std::string bufferText(double buffer)
{
    return "Buffer = " + numeric::format(buffer);
}

std::string fatalErrorText(int number, std::string_view description)
{
    return "Program error !!. Error Number : " + std::to_string(number)
        + "\r\nDekripsi Error : " + std::string(description);
}

std::string refusalText(double firstArrival, std::string_view decimalSeparator)
{
    return "Schedule tidak dapat diproses karena proses pertama di mulai dari ( "
        + numeric::format(firstArrival, decimalSeparator) + " ) !";
}

} // namespace engine::texts
