// The overtime tracker's record as New leaves it.
#include "trackers/overtime_record.h"

#include <algorithm>

namespace tallyman {

void clearOvertimeRecord(OvertimeTracker& tracker, int rows)
{
    const auto count
        = static_cast<std::size_t>(std::clamp(rows, 0, static_cast<int>(tracker.WeekEnding.size())));
    for (std::size_t i = 0; i < count; ++i) {
        tracker.WeekEnding[i].clear();
        tracker.OtAmount[i] = "0";
    }
    tracker.Earned = 0;
    tracker.PresentRate = 0;
    tracker.Annual = NewAnnualDefault;
    tracker.ApPercent = 0;
    tracker.MaxAllowable = 0;
    tracker.Available = 0;
}

} // namespace tallyman
