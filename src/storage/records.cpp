// Writing and tolerant reading of the record encoding.
#include "storage/records.h"

#include "numbers/amount.h"
#include "numbers/number_text.h"
#include "storage/codepage.h"

#include <cmath>
#include <cstdlib>

namespace tallyman::records {

void RecordWriter::separate()
{
    if (m_recordOpen)
        m_bytes += ',';
    m_recordOpen = true;
}

RecordWriter& RecordWriter::text(std::string_view utf8)
{
    const auto encoded = toWindows1252(utf8);
    if (!encoded || utf8.find('"') != std::string_view::npos)
        throw std::invalid_argument("text cannot be stored in a data file");
    separate();
    m_bytes += '"';
    m_bytes += *encoded;
    m_bytes += '"';
    return *this;
}

RecordWriter& RecordWriter::int16(int value)
{
    separate();
    m_bytes += std::to_string(value);
    return *this;
}

RecordWriter& RecordWriter::float32(float value)
{
    separate();
    m_bytes += numberText(value);
    return *this;
}

RecordWriter& RecordWriter::float64(double value)
{
    separate();
    m_bytes += numberText(value);
    return *this;
}

RecordWriter& RecordWriter::boolean(bool value)
{
    separate();
    m_bytes += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

RecordWriter& RecordWriter::empty()
{
    separate();
    return *this;
}

RecordWriter& RecordWriter::raw(std::string_view bytes)
{
    separate();
    m_bytes += bytes;
    return *this;
}

RecordWriter& RecordWriter::endRecord()
{
    m_bytes += "\r\n";
    m_recordOpen = false;
    return *this;
}

RecordReader::RecordReader(std::string bytes, NonNumber nonNumber)
    : m_bytes(std::move(bytes))
    , m_nonNumber(nonNumber)
{ }

bool RecordReader::atEnd() const { return m_pos >= m_bytes.size() && !m_afterComma; }

std::string RecordReader::rawField(bool* quoted, std::string* whole)
{
    const auto fieldStart = m_pos;
    if (m_pos >= m_bytes.size()) {
        // A comma just before the end still separates one last, empty field.
        if (!m_afterComma)
            throw FileEndsEarly("the file ends before all its fields were read");
        m_afterComma = false;
        if (quoted)
            *quoted = false;
        return {};
    }
    while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;
    std::string field;
    bool isQuoted = false;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
        isQuoted = true;
        const auto close = m_bytes.find('"', m_pos + 1);
        const auto end = close == std::string::npos ? m_bytes.size() : close;
        field = m_bytes.substr(m_pos + 1, end - m_pos - 1);
        m_pos = close == std::string::npos ? end : close + 1;
        // Whatever stands between the closing quote and the separator is passed over.
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r'
            && m_bytes[m_pos] != '\n')
            ++m_pos;
    } else {
        const auto start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r'
            && m_bytes[m_pos] != '\n')
            ++m_pos;
        // Trailing spaces belong to the text.
        field = m_bytes.substr(start, m_pos - start);
    }
    if (whole)
        *whole = m_bytes.substr(fieldStart, m_pos - fieldStart);
    m_afterComma = false;
    if (m_pos < m_bytes.size()) {
        if (m_bytes[m_pos] == ',') {
            ++m_pos;
            m_afterComma = true;
        } else {
            if (m_bytes[m_pos] == '\r')
                ++m_pos;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
                ++m_pos;
        }
    }
    if (quoted)
        *quoted = isQuoted;
    return field;
}

std::string RecordReader::text()
{
    std::string field = rawField();
    // One byte a character in the code page.
    if (field.size() > LongestText) {
        field.resize(LongestText);
        m_cutTexts = true;
    }
    return fromWindows1252(field);
}

std::string RecordReader::raw()
{
    std::string whole;
    bool quoted = false;
    rawField(&quoted, &whole);
    // A quote left open runs to the end of the file; written back among other fields it
    // would swallow them, so it is carried closed.
    const auto open = whole.find('"');
    if (quoted && whole.find('"', open + 1) == std::string::npos)
        whole += '"';
    return whole;
}

std::optional<std::string> RecordReader::numberField(double& fixed)
{
    bool quoted = false;
    std::string field = rawField(&quoted);
    // An unquoted field keeps its trailing blanks; a number does not care about them.
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.pop_back();
    fixed = 0;
    if (field == "#TRUE#") {
        fixed = -1;
        return std::nullopt;
    }
    if (field == "#FALSE#" || (field.empty() && !quoted))
        return std::nullopt;
    // Commas and "$" never stand in a number the files hold.
    if (field.find_first_of(",$") != std::string::npos)
        return notANumber(field);
    return field;
}

std::nullopt_t RecordReader::notANumber(const std::string& field) const
{
    if (m_nonNumber == NonNumber::Fails)
        throw ReadError("a number field holds \"" + fromWindows1252(field) + "\"");
    if (m_nonNumber == NonNumber::WordsReadAsZero) {
        // "nan", "-inf", "1e999": the C library reads them whole, as no finite number.
        char* end = nullptr;
        const double value = std::strtod(field.c_str(), &end);
        if (!field.empty() && end == field.c_str() + field.size() && !std::isfinite(value))
            throw ReadError("a number field holds \"" + fromWindows1252(field) + "\"");
    }
    return std::nullopt;
}

double RecordReader::number()
{
    double fixed = 0;
    const auto field = numberField(fixed);
    if (!field)
        return fixed;
    if (const auto value = strictNumber(*field))
        return *value;
    notANumber(*field);
    return 0;
}

float RecordReader::float32()
{
    double fixed = 0;
    const auto field = numberField(fixed);
    if (!field)
        return static_cast<float>(fixed);
    if (const auto value = strictFloat(*field))
        return *value;
    if (!strictNumber(*field))
        notANumber(*field);
    else if (m_nonNumber != NonNumber::ReadsAsZero)
        throw ReadError("a number field is out of range");
    return 0;
}

double RecordReader::float64() { return number(); }

short RecordReader::int16()
{
    const double value = number();
    try {
        return toInt16(value);
    } catch (const NumberOverflow&) {
        if (m_nonNumber != NonNumber::ReadsAsZero)
            throw ReadError("a number field is out of range");
        return 0;
    }
}

short RecordReader::flag() { return int16() != 0 ? 1 : 0; }

} // namespace tallyman::records

namespace tallyman {

std::vector<std::string> corruptFileLines(const std::string& fileName)
{
    return { "You have corupted a file.", "Find file,", fileName, "and delete it." };
}

} // namespace tallyman
