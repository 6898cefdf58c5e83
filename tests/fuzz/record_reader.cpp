// The record reader over any bytes: the first byte chooses the kinds of the fields to read.
#include "fuzz_support.h"
#include "storage/records.h"

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t kinds = data[0];
    const std::string bytes(fuzz::bytesOf(data + 1, size - 1));
    for (const auto mode : { records::NonNumber::ReadsAsZero, records::NonNumber::Fails }) {
        records::RecordReader reader(bytes, mode);
        try {
            for (unsigned field = 0; field < 10000 && !reader.atEnd(); ++field) {
                switch ((kinds >> (2 * (field % 4))) & 3) {
                case 0:
                    reader.text();
                    break;
                case 1:
                    reader.float32();
                    break;
                case 2:
                    reader.float64();
                    break;
                default:
                    reader.int16();
                }
            }
        } catch (const records::ReadError&) { }
    }
    return 0;
}
