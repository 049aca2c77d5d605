#pragma once

class PropertyBag;
class XChartModel;

// Saving a chart's settings into its window design and reading them back: every key, always,
// in a fixed order; a missing key takes its read default (which is not always the value a new
// control starts with: the defaults of older designs).
namespace ChartPersistence {

void WriteProperties(const XChartModel& chart, PropertyBag& bag);
void ReadProperties(XChartModel& chart, const PropertyBag& bag);

} // namespace ChartPersistence
