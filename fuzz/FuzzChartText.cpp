// The report's chart text (rows of day, MB and average) fed to the built-in chart, which
// computes its value range and layout from it.
#include "chart/ChartFeed.h"
#include "chart/XChartModel.h"
#include "platform/Failure.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XChartModel chart;
    bool upToDate = false;
    const ChartFeedInput input{
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        QStringLiteral("2007-03"), 0x00ff8040};
    try {
        ChartFeed::UpdateGraphControl(chart, input, upToDate);
    } catch (const Failure&) {
        // a text that is not a chart text is refused with a reason: what is fuzzed is the rest
    }
    return 0;
}
