// Writing and reading the profile file set: .use, .and, .cfe, .ovw or .ovb, and .w4.
#include "employee/profile_files.h"

#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "storage/records.h"

#include <cstdlib>
#include <stdexcept>

namespace tallyman {

using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

namespace {

// A text field that the encoding cannot hold, named for the message.
struct RefusedText {
    std::string field;
};

void text(RecordWriter& w, const char* field, const std::string& value)
{
    try {
        w.text(value);
    } catch (const std::invalid_argument&) {
        throw RefusedText { field };
    }
}

// A 32-bit value kept in a 64-bit field: the number its 7-digit text denotes, as the box
// that shows it would hand it over, so the file does not carry the float's binary tail.
double wideOf(Amount value) { return std::strtod(numberText(value).c_str(), nullptr); }

template <std::size_t N> void reservedFields(RecordWriter& w, const std::array<std::string, N>& fields)
{
    for (const auto& field : fields)
        w.raw(field);
}

template <std::size_t N> void readReserved(RecordReader& r, std::array<std::string, N>& fields)
{
    for (auto& field : fields)
        field = r.raw();
}

// Week and BiWeek are -1 or 0 as the program sets them. Another value found in a file is
// written back as it stands: as #TRUE# it would read back as -1 and turn a user the program
// treats as bi-weekly (Week not -1) into a weekly one at the next load.
void payFlag(RecordWriter& w, short flag)
{
    if (flag == -1 || flag == 0)
        w.boolean(flag != 0);
    else
        w.int16(flag);
}

std::string useBytes(const ProfileFileSet& set)
{
    const EmployeeProfile& p = set.profile;
    const OvertimeTracker& t = set.tracker;
    RecordWriter w;
    w.float32(t.Earned).float64(wideOf(t.MaxAllowable)).float64(wideOf(t.Available)).endRecord();
    w.float64(wideOf(t.Annual)).float64(wideOf(t.ApPercent));
    w.float64(roundHalfAwayFromZero(static_cast<double>(t.PresentRate), 2)).endRecord();
    w.float32(p.HourRate).float32(p.HourRate2).float32(p.TipsRate).endRecord();
    text(w, "FedExemptions", p.FedExemptions);
    text(w, "FedStatus", p.FedStatus);
    w.float32(p.Pension).endRecord();
    w.float32(p.Muni).float32(p.Bond).float32(p.Misc).endRecord();
    w.float32(p.Dues).float32(p.Kplan).int16(p.NonCity).endRecord();
    payFlag(w, p.Week);
    payFlag(w, p.BiWeek);
    text(w, "Tax5", p.Tax5);
    w.endRecord();
    text(w, "Tax6", p.Tax6);
    text(w, "Tax7", p.Tax7);
    text(w, "Tax8", p.Tax8);
    text(w, "Tax9", p.Tax9);
    w.endRecord();
    w.int16(set.state.WisconApril);
    const auto& slots = set.reserved.useFields;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        w.raw(slots[i]);
        // Record 9 holds three reserved fields after WisconApril, records 10 to 12 four each.
        if (i == 2 || i == 6 || i == 10 || i == 14)
            w.endRecord();
    }
    return w.bytes();
}

std::string andBytes(const ProfileFileSet& set)
{
    const EmployeeProfile& p = set.profile;
    const StateTaxSettings& s = set.state;
    const ProfileReserved& r = set.reserved;
    RecordWriter w;
    w.float32(set.offsets.HorzOffset).float32(set.offsets.VertOffset).int16(s.Spouse).endRecord();
    w.float32(s.CalAllow).raw(r.andFloats[0]).raw(r.andFloats[1]).endRecord();
    w.raw(r.andFloats[2]).raw(r.andFloats[3]).raw(r.andFloats[4]).endRecord();
    reservedFields(w, r.andBooleans);
    w.endRecord();
    text(w, "Address", p.Address);
    text(w, "StateCityZip", p.StateCityZip);
    text(w, "SSnum", p.SSnum);
    w.endRecord();
    text(w, "Name", p.Name);
    reservedFields(w, r.andTexts);
    w.endRecord();
    w.int16(s.RoundOff).int16(s.Utah).int16(s.Wiscon).int16(s.Alabama).endRecord();
    w.int16(s.NC);
    reservedFields(w, r.andInts);
    w.endRecord();
    w.int16(p.KpPer).int16(p.KpFix).endRecord();
    return w.bytes();
}

std::string cfeBytes(const EmployeeProfile& p)
{
    RecordWriter w;
    w.float32(p.Cafe).int16(p.CafeState).int16(p.SelfEmp).endRecord();
    return w.bytes();
}

std::string trackerRowBytes(const OvertimeTracker& t, int rows)
{
    RecordWriter w;
    for (int i = 0; i < rows; ++i) {
        text(w, "a week ending", t.WeekEnding[static_cast<std::size_t>(i)]);
        w.endRecord();
        // The amount as typed; what does not read as a number is saved as 0.
        w.float64(lenientNumber(t.OtAmount[static_cast<std::size_t>(i)])).endRecord();
    }
    return w.bytes();
}

std::string w4Bytes(const W4Certificate& w4)
{
    RecordWriter w;
    w.int16(w4.Form == W4Form::From2020 ? 2020 : 2019);
    w.text(w4StatusText(w4.Status));
    w.int16(w4.Step2 ? 1 : 0);
    w.float32(w4.Step3).float32(w4.Step4a).float32(w4.Step4b).endRecord();
    return w.bytes();
}

void readW4(RecordReader& r, W4Certificate& w4)
{
    w4 = W4Certificate {};
    w4.Form = r.int16() == 2020 ? W4Form::From2020 : W4Form::Before2020;
    w4.Status = w4StatusFromText(r.text()).value_or(W4FilingStatus::Single);
    w4.Step2 = r.flag() != 0;
    w4.Step3 = r.float32();
    w4.Step4a = r.float32();
    w4.Step4b = r.float32();
}

void readUse(RecordReader& r, ProfileFileSet& set)
{
    EmployeeProfile& p = set.profile;
    OvertimeTracker& t = set.tracker;
    t.Earned = r.float32();
    t.MaxAllowable = r.float32();
    t.Available = r.float32();
    t.Annual = r.float32();
    t.ApPercent = r.float32();
    t.PresentRate = r.float32();
    p.HourRate = r.float32();
    p.HourRate2 = r.float32();
    p.TipsRate = r.float32();
    p.FedExemptions = r.text();
    p.FedStatus = r.text();
    p.Pension = r.float32();
    p.Muni = r.float32();
    p.Bond = r.float32();
    p.Misc = r.float32();
    p.Dues = r.float32();
    p.Kplan = r.float32();
    p.NonCity = r.flag();
    p.Week = r.int16();
    p.BiWeek = r.int16();
    p.Tax5 = r.text();
    p.Tax6 = r.text();
    p.Tax7 = r.text();
    p.Tax8 = r.text();
    p.Tax9 = r.text();
    set.state.WisconApril = r.flag();
    readReserved(r, set.reserved.useFields);
}

void readAnd(RecordReader& r, ProfileFileSet& set)
{
    EmployeeProfile& p = set.profile;
    StateTaxSettings& s = set.state;
    ProfileReserved& res = set.reserved;
    set.offsets.HorzOffset = r.float32();
    set.offsets.VertOffset = r.float32();
    s.Spouse = r.flag();
    s.CalAllow = r.float32();
    readReserved(r, res.andFloats);
    readReserved(r, res.andBooleans);
    p.Address = r.text();
    p.StateCityZip = r.text();
    p.SSnum = r.text();
    p.Name = r.text();
    readReserved(r, res.andTexts);
    s.RoundOff = r.flag();
    s.Utah = r.flag();
    s.Wiscon = r.flag();
    s.Alabama = r.flag();
    s.NC = r.flag();
    readReserved(r, res.andInts);
    p.KpPer = r.flag();
    p.KpFix = r.flag();
}

void readCfe(RecordReader& r, EmployeeProfile& p)
{
    p.Cafe = r.float32();
    p.CafeState = r.flag();
    p.SelfEmp = r.flag();
}

void readTrackerRows(RecordReader& r, OvertimeTracker& t, int rows)
{
    for (int i = 0; i < rows; ++i) {
        t.WeekEnding[static_cast<std::size_t>(i)] = r.text();
        t.OtAmount[static_cast<std::size_t>(i)] = r.text();
    }
}

// Reads one file of the set when it exists. False when it was absent. `cut` tells whether a
// text was cut to the longest a box holds, also when the file ended early.
template <typename Read> bool readIfPresent(const std::filesystem::path& path, Read read, bool& cut)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return false;
    RecordReader reader(*bytes);
    struct Report {
        const RecordReader& reader;
        bool& cut;
        ~Report() { cut = reader.cutTexts(); }
    } report { reader, cut };
    read(reader);
    return true;
}

} // namespace

std::string_view w4StatusText(W4FilingStatus status)
{
    switch (status) {
    case W4FilingStatus::MarriedJointly:
        return "Married";
    case W4FilingStatus::HeadOfHousehold:
        return "HeadOfHousehold";
    case W4FilingStatus::Single:
        break;
    }
    return "Single";
}

std::optional<W4FilingStatus> w4StatusFromText(std::string_view text)
{
    for (const auto status :
        { W4FilingStatus::Single, W4FilingStatus::MarriedJointly, W4FilingStatus::HeadOfHousehold })
        if (w4StatusText(status) == text)
            return status;
    return std::nullopt;
}

int trackerRows(const EmployeeProfile& profile)
{
    return paysWeekly(profile) ? WeeklyTrackerRows : BiWeeklyTrackerRows;
}

std::optional<std::string> saveProfileFileSet(
    const DataFolder& folder, const std::string& userName, const ProfileFileSet& set)
{
    const bool weekly = paysWeekly(set.profile);
    const auto w4Path = folder.userFile(userName, W4Extension);
    const bool writeW4 = !(set.profile.W4 == W4Certificate {}) || fileExists(w4Path);
    std::string use, andFile, cfe, rows;
    try {
        // Every file is built before any is written, so a refused text leaves the set as it was.
        use = useBytes(set);
        andFile = andBytes(set);
        cfe = cfeBytes(set.profile);
        rows = trackerRowBytes(set.tracker, trackerRows(set.profile));
    } catch (const RefusedText& refused) {
        return "The text of " + refused.field
            + " cannot be saved: it holds a double quote or a character outside the Western European "
              "letters.";
    }
    const std::pair<const char*, const std::string*> files[]
        = { { ".use", &use }, { ".and", &andFile }, { ".cfe", &cfe }, { weekly ? ".ovw" : ".ovb", &rows } };
    for (const auto& [extension, bytes] : files) {
        if (auto problem = writeFileAtomically(folder.userFile(userName, extension), *bytes))
            return problem;
    }
    if (writeW4)
        return writeFileAtomically(w4Path, w4Bytes(set.profile.W4));
    return std::nullopt;
}

LoadOutcome loadProfileFileSet(const DataFolder& folder, const std::string& userName, ProfileFileSet& set,
    std::vector<std::filesystem::path>* endedEarly, std::vector<std::filesystem::path>* cutTexts)
{
    bool anyRead = false;
    bool anyCut = false;
    // Each file is read on its own: one that ends early keeps the others of the set from
    // being left unread and then overwritten by the next save.
    const auto read = [&](const std::filesystem::path& path, auto reading) {
        bool textCut = false;
        struct Report {
            const std::filesystem::path& path;
            bool& textCut;
            std::vector<std::filesystem::path>* cutTexts;
            ~Report()
            {
                if (textCut && cutTexts)
                    cutTexts->push_back(path);
            }
        } report { path, textCut, cutTexts };
        try {
            anyRead |= readIfPresent(path, reading, textCut);
        } catch (const ReadError&) {
            anyRead = anyCut = true;
            if (endedEarly)
                endedEarly->push_back(path);
        }
    };
    read(folder.userFile(userName, ".use"), [&](RecordReader& r) { readUse(r, set); });
    read(folder.userFile(userName, ".and"), [&](RecordReader& r) { readAnd(r, set); });
    read(folder.userFile(userName, ".cfe"), [&](RecordReader& r) { readCfe(r, set.profile); });
    // The pay frequency just read chooses the tracker file.
    const bool weekly = paysWeekly(set.profile);
    read(folder.userFile(userName, weekly ? ".ovw" : ".ovb"),
        [&](RecordReader& r) { readTrackerRows(r, set.tracker, trackerRows(set.profile)); });
    // Only users who chose the form from 2020 on have a .w4; for the others it means the
    // form before 2020, not the previous user's certificate.
    const bool setFound = anyRead;
    bool w4Found = false;
    read(folder.userFile(userName, W4Extension), [&](RecordReader& r) {
        w4Found = true;
        readW4(r, set.profile.W4);
    });
    if (setFound && !w4Found)
        set.profile.W4 = W4Certificate {};
    if (anyCut)
        return LoadOutcome::EndedEarly;
    return anyRead ? LoadOutcome::Loaded : LoadOutcome::Absent;
}

} // namespace tallyman
