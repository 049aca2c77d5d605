#pragma once

#include <QString>
#include <QStringList>

class MessagePresenter;

// The portal addresses of the main window's address box: the stored list text (each address
// followed by "#"), the entries it yields, and Add and Delete with their messages.
class AdminUrlList {
public:
    // The four addresses a first start offers.
    static const QStringList& defaults();
    static QString defaultText();

    // Entries of a stored text, trimmed; empty and blank items are skipped.
    static QStringList split(const QString& text);
    // Every entry followed by "#".
    static QString join(const QStringList& entries);

    explicit AdminUrlList(const QString& text = defaultText())
        : m_entries(split(text)) {}

    const QStringList& entries() const { return m_entries; }
    QString text() const { return join(m_entries); }

    // What the address box shows after a change: an entry to select, or a text (empty).
    struct BoxChange {
        int select = -1;
        QString text;
    };

    // Adds the box's trimmed text as the last entry unless an entry equals it (case
    // included): then the user is told so and nothing changes. True when added.
    bool add(const QString& boxText, MessagePresenter& messages);
    // Asks first (No is the default); removes the entry equal to the trimmed text, or tells
    // the user it is not listed. The box change is set when an entry was removed.
    bool remove(const QString& boxText, MessagePresenter& messages, BoxChange& change);

private:
    QStringList m_entries;
};
