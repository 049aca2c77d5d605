#include "desktop/AdminUrlList.h"

#include "platform/MessagePresenter.h"
#include "retrieval/RunMessage.h"

const QStringList& AdminUrlList::defaults() {
    // Hosts on the operator's private network; documentation addresses until real ones exist.
    static const QStringList addresses = {
        "https://portal.example/",
        "https://portal1.example/",
        "https://portal2.example/",
        "https://usage.portal.example/",
    };
    return addresses;
}

QString AdminUrlList::defaultText() {
    return join(defaults());
}

QStringList AdminUrlList::split(const QString& text) {
    QStringList entries;
    for (const QString& item : text.split('#')) {
        const QString address = item.trimmed();
        if (!address.isEmpty()) {
            entries.append(address);
        }
    }
    return entries;
}

QString AdminUrlList::join(const QStringList& entries) {
    QString text;
    for (const QString& entry : entries) {
        text += entry + '#';
    }
    return text;
}

bool AdminUrlList::add(const QString& boxText, MessagePresenter& messages) {
    const QString address = boxText.trimmed();
    if (m_entries.contains(address, Qt::CaseSensitive)) {
        messages.show(boxText + " is already in the list", RunMessage::ApplicationTitle,
                      MessageIcon::Information);
        return false;
    }
    if (address.isEmpty()) {
        return false; // a blank entry would vanish from the stored text anyway
    }
    m_entries.append(address);
    return true;
}

bool AdminUrlList::remove(const QString& boxText, MessagePresenter& messages, BoxChange& change) {
    if (!messages.askYesNo("Delete " + boxText + " from the list ?", RunMessage::ApplicationTitle,
                           false)) {
        return false;
    }
    const qsizetype found = m_entries.indexOf(boxText.trimmed());
    if (found < 0) {
        messages.show(boxText + " not found in the list", RunMessage::ApplicationTitle,
                      MessageIcon::Information);
        return false;
    }
    m_entries.removeAt(found);
    change = m_entries.isEmpty() ? BoxChange{-1, QString()} : BoxChange{0, m_entries.front()};
    return true;
}
