#include "retrieval/AttachHelp.h"

bool AttachHelp::validPort(int port) {
    return port >= 1 && port <= 65535;
}

QString AttachHelp::startCommand(int port) {
    // a profile of its own keeps the debugging browser apart from the everyday one, and
    // recent browsers refuse remote debugging on the default profile anyway
    return QStringLiteral("chromium --remote-debugging-port=%1 "
                          "--user-data-dir=\"$HOME/.config/veltrix-browser\"")
        .arg(port);
}

QString AttachHelp::noBrowserLine(int port) {
    return QStringLiteral("No browser answers on port %1 of this computer. Start one with: %2")
        .arg(port)
        .arg(startCommand(port));
}

QString AttachHelp::noRecordPageLine(int port, const QStringList& titles) {
    const QString answers =
        QStringLiteral("A browser answers on port %1 of this computer").arg(port);
    if (titles.isEmpty()) {
        return answers + ", but it has no window open. Open the first page of your service "
                         "records in it.";
    }
    // a few titles, each cut short: enough to recognise the windows, not a page of text
    constexpr int shownTitles = 5;
    constexpr int titleLength = 60;
    QStringList shown;
    for (const QString& title : titles.mid(0, shownTitles)) {
        const QString line = title.simplified();
        shown << (line.isEmpty()              ? QStringLiteral("(untitled)")
                  : line.size() > titleLength ? '"' + line.left(titleLength) + "...\""
                                              : '"' + line + '"');
    }
    QString seen = shown.join(", ");
    if (titles.size() > shownTitles) {
        seen += QStringLiteral(" and %1 more").arg(titles.size() - shownTitles);
    }
    return answers +
           ", but none of its windows shows the first page of service records "
           "(windows open: " +
           seen + "). Open that page in one of them.";
}

QString AttachHelp::notAPortLine(int port) {
    return QStringLiteral("%1 is not a port: give the browser's debugging port, 1 to 65535.")
        .arg(port);
}

QString AttachHelp::helpText(int port) {
    return QStringLiteral(
               "Start your browser (Chromium, Chrome, Edge, Brave, ...) from a terminal with "
               "this command:\n\n%1\n\n"
               "Log into the usage portal in that browser, open \"Service Records\", show the "
               "month and leave its first page open. Then press \"Check Bandwidth Usage\": "
               "Veltrix reads that window and clicks through its pages; it never fills in "
               "your password.\n\n"
               "Security: while the browser runs this way, every program on this computer "
               "can read and control it, including your logged-in pages. Use it only for the "
               "check, and close that browser completely afterwards (all its windows, or "
               "Ctrl+C in the terminal). Veltrix never turns this on by itself and only talks "
               "to port %2 of this computer (127.0.0.1).")
        .arg(startCommand(port))
        .arg(port);
}
