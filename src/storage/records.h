// The record encoding of every data file: CRLF lines of comma-separated typed fields.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman::records {

// Builds a file's bytes record by record, in Windows-1252.
class RecordWriter {
public:
    RecordWriter& text(std::string_view utf8); // throws std::invalid_argument if not storable
    RecordWriter& int16(int value);
    RecordWriter& float32(float value);
    RecordWriter& float64(double value);
    RecordWriter& boolean(bool value);
    RecordWriter& empty();
    // A field exactly as RecordReader::raw() gave it, quotes and all.
    RecordWriter& raw(std::string_view bytes);
    // Ends the current record with CR LF.
    RecordWriter& endRecord();

    const std::string& bytes() const { return m_bytes; }

private:
    void separate();
    std::string m_bytes;
    bool m_recordOpen = false;
};

// Reading stopped before the layout was complete: the file ends early, or (when the
// reader was asked to be strict) a number field holds something else.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file ended before the layout was complete.
class FileEndsEarly : public ReadError {
public:
    using ReadError::ReadError;
};

// What a number field that does not hold a number reads as. WordsReadAsZero lets a word
// read as 0 but fails on a number the field cannot hold and on a text naming an infinity or
// NaN: such a figure was written by a program gone wrong, not typed by a person.
enum class NonNumber { ReadsAsZero, Fails, WordsReadAsZero };

// The most characters an entry box holds (a Qt line edit's limit): a longer text field, as only
// a damaged file has, is cut to this when read, so it is neither shown in part nor carried
// whole into the next save.
inline constexpr std::size_t LongestText = 32767;

// Reads fields one by one; commas and line ends are equivalent separators.
class RecordReader {
public:
    explicit RecordReader(std::string bytes, NonNumber nonNumber = NonNumber::ReadsAsZero);

    std::string text(); // UTF-8, at most LongestText characters
    // True once a text field was cut to LongestText.
    bool cutTexts() const { return m_cutTexts; }
    float float32(); // nearest 32-bit float, rounded once from the text
    double float64();
    short int16(); // nearest integer, halves to even; #TRUE# is -1
    // A check-box flag: 0 stays 0, any other number (#TRUE# included) is 1.
    short flag();
    // The next field byte for byte as the file holds it (spaces and quotes included), for
    // fields that are carried and never interpreted.
    std::string raw();
    bool atEnd() const;
    // Changes how the fields after this one treat a non-number.
    void setNonNumber(NonNumber nonNumber) { m_nonNumber = nonNumber; }

private:
    // The next raw field (Windows-1252), and whether it was quoted. `whole`, when given, gets
    // every byte of the field up to its separator.
    std::string rawField(bool* quoted = nullptr, std::string* whole = nullptr);
    // The field's number text, or nothing for a field that reads as `fixed` (#TRUE#, #FALSE#,
    // empty, or not a number).
    std::optional<std::string> numberField(double& fixed);
    // A field that is not a number: fails in strict reading, else reads as 0.
    std::nullopt_t notANumber(const std::string& field) const;
    double number();

    std::string m_bytes;
    std::size_t m_pos = 0;
    bool m_afterComma = false;
    bool m_cutTexts = false;
    NonNumber m_nonNumber;
};

} // namespace tallyman::records

namespace tallyman {

// The four lines of the corrupt-file message, naming the file ("Smith.sta").
std::vector<std::string> corruptFileLines(const std::string& fileName);

} // namespace tallyman
