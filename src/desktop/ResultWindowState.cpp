#include "desktop/ResultWindowState.h"

#include "report/ReportOptions.h"

#include <QDir>

QString ResultWindowState::totalsHelp(const QString& monthFolder) {
    const QString folder = monthFolder.isEmpty()
                               ? QStringLiteral("the folder of the stored months")
                               : "the folder " + QDir::toNativeSeparators(monthFolder);
    return QStringLiteral(
               "It has been reported that sometimes (may be rarely) some rows are missing in "
               "the log displayed in netravo site. So by comparing total displayed in netravo "
               "site and total of all rows, it can be known whether any rows are missing or "
               "not. If the difference is small, it can be rounding differences and can be "
               "ignored but if the difference is large it means some rows are missing and you "
               "have to regenerate the report.\r\n\r\nIf caching(retrieve only newer rows) "
               "option is enabled and if the rows inside the cache are missing, then you may "
               "have to manually delete the cache file for the current month(present in %1) "
               "and regenerate the report.")
        .arg(folder);
}

bool ResultWindowState::exclusionClicked(int index, bool on) {
    if (mblnSuppressEvents) {
        return false;
    }
    switch (index) {
    case 0:
        m_options.mblnExcludeFree = on;
        break;
    case 1:
        m_options.mblnExcludeMixed = on;
        break;
    case 2:
        m_options.mblnExcludeNonFree = on;
        break;
    default:
        return false;
    }
    return true;
}

ResultWindowState::NightRules ResultWindowState::nightRules(bool on) {
    return {on, on, false};
}

ResultWindowState::NightRules ResultWindowState::nightUnlimitedClicked(bool on,
                                                                       bool excludeNonFreeBoxOn) {
    m_options.mblnNightUnlimitedPlan = on;
    m_options.mblnExcludeNonFree = on && excludeNonFreeBoxOn;
    NightRules rules = nightRules(on);
    rules.rebuild = !mblnSuppressEvents;
    return rules;
}

bool ResultWindowState::showAverageClicked(bool on) {
    if (mblnSuppressEvents) {
        return false;
    }
    m_options.mblnShowAverage = on;
    return mblnGraphCreated;
}

bool ResultWindowState::showTotalClicked(bool on) {
    if (mblnSuppressEvents) {
        return false;
    }
    m_options.mblnShowTotalValue = on;
    return mblnGraphCreated;
}

ResultWindowState::ChartTypeView ResultWindowState::chartTypeChosen(int index) {
    ChartTypeView view;
    if (index == BuiltInChart) {
        view.builtInChartVisible = true;
        view.refreshBuiltIn = true;
    } else {
        view.stackedOptionsVisible = true;
        view.createStacked = true;
    }
    m_options.ChartType = static_cast<std::int8_t>(index);
    return view;
}

std::uint32_t ResultWindowState::rowFore(int label) const {
    switch (label) {
    case 0:
        return m_options.mlngColorFree;
    case 1:
        return m_options.mlngColorMixed;
    default:
        return m_options.mlngColorNonFree;
    }
}

std::uint32_t ResultWindowState::rowBack(int label) const {
    switch (label) {
    case 0:
        return m_options.mlngColorBackFree;
    case 1:
        return m_options.mlngColorBackMixed;
    default:
        return m_options.mlngColorBackNonFree;
    }
}

void ResultWindowState::storeRowColours(int label, std::uint32_t fore, std::uint32_t back) {
    switch (label) {
    case 0:
        m_options.mlngColorFree = fore;
        m_options.mlngColorBackFree = back;
        break;
    case 1:
        m_options.mlngColorMixed = fore;
        m_options.mlngColorBackMixed = back;
        break;
    default:
        m_options.mlngColorNonFree = fore;
        m_options.mlngColorBackNonFree = back;
        break;
    }
}

std::uint32_t ResultWindowState::chartColour(int box) const {
    switch (box) {
    case 0:
        return m_options.mlngChartColorFree;
    case 2:
        return m_options.mlngChartColorNonFree;
    default:
        return m_mixedChartColour;
    }
}

void ResultWindowState::storeChartColour(int box, std::uint32_t colour) {
    if (box == 0) {
        m_options.mlngChartColorFree = colour;
    } else if (box == 2) {
        m_options.mlngChartColorNonFree = colour;
    } else {
        m_mixedChartColour = colour; // the box shows it; no option keeps it
    }
}

void ResultWindowState::storeBuiltInColour(std::uint32_t colour) {
    m_options.mlngInbuiltChartColor = colour;
    mblnChartUpToDate = false;
}
