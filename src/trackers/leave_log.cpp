// Writing and reading ".hol": balances and starts, then the counts, then the dates.
#include "trackers/leave_log.h"

#include "storage/records.h"

#include <stdexcept>

namespace tallyman {

using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

std::array<LeaveKindFields, 3> leaveKinds(LeaveLog& log)
{
    return { LeaveKindFields { log.VacStart, log.VacBalance, log.VacDate, log.VacCount },
        LeaveKindFields { log.HolStart, log.HolBalance, log.HolDate, log.HolCount },
        LeaveKindFields { log.SickStart, log.SickBalance, log.SickDate, log.SickCount } };
}

std::string leaveLogBytes(const LeaveLog& log)
{
    RecordWriter w;
    w.float32(log.VacBalance).float32(log.VacStart);
    w.float32(log.HolBalance).float32(log.HolStart);
    w.float32(log.SickBalance).float32(log.SickStart).endRecord();
    for (std::size_t i = 0; i < LeaveRows; ++i)
        w.float32(log.VacCount[i]).float32(log.HolCount[i]).float32(log.SickCount[i]).endRecord();
    for (std::size_t i = 0; i < LeaveRows; ++i)
        w.text(log.VacDate[i]).text(log.HolDate[i]).text(log.SickDate[i]).endRecord();
    return w.bytes();
}

std::optional<std::string> saveLeaveLog(
    const DataFolder& folder, const std::string& userName, const LeaveLog& log)
{
    std::string bytes;
    try {
        bytes = leaveLogBytes(log);
    } catch (const std::invalid_argument&) {
        return "A date of the leave log holds a double quote or a character outside the Western European "
               "letters.";
    }
    return writeFileAtomically(folder.userFile(userName, LeaveLogExtension), bytes);
}

LeaveLoad loadLeaveLog(const DataFolder& folder, const std::string& userName, LeaveLog& log)
{
    const auto path = folder.userFile(userName, LeaveLogExtension);
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return LeaveLoad::Absent;
    RecordReader r(*bytes);
    try {
        // Field by field into the log, so a file that ends early keeps what it held.
        log.VacBalance = r.float32();
        log.VacStart = r.float32();
        log.HolBalance = r.float32();
        log.HolStart = r.float32();
        log.SickBalance = r.float32();
        log.SickStart = r.float32();
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            log.VacCount[i] = r.float32();
            log.HolCount[i] = r.float32();
            log.SickCount[i] = r.float32();
        }
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            log.VacDate[i] = r.text();
            log.HolDate[i] = r.text();
            log.SickDate[i] = r.text();
        }
    } catch (const ReadError&) {
        return LeaveLoad::EndedEarly;
    }
    return LeaveLoad::Loaded;
}

} // namespace tallyman
