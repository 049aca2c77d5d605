#pragma once

#include "desktop/TrayStatus.h"

#include <QIcon>
#include <QImage>

// The status icon's picture: a disc whose slice shows the share of the limit used, green,
// amber when near it and red past it, grey while nothing is known. Outlined, so it reads on
// light and dark panels alike.
namespace TrayGaugeIcon {

QImage image(const TrayStatus::Gauge& gauge, int size);
// The picture at the sizes status areas ask for.
QIcon icon(const TrayStatus::Gauge& gauge);

} // namespace TrayGaugeIcon
