#include "desktop/MonthChoices.h"

QStringList MonthChoices::captions(const QDate& today) {
    QStringList captions;
    for (int monthsBack = 0; monthsBack < Count; ++monthsBack) {
        captions.append(today.addMonths(-monthsBack).toString("yyyy-MM"));
    }
    return captions;
}
