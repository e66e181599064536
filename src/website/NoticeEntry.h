#pragma once

#include <QObject>
#include <QString>

/// One notice of the list page: what its row shows and where its page is.
struct NoticeEntry
{
    Q_GADGET
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString subTitle MEMBER subTitle)
    Q_PROPERTY(QString URL MEMBER URL)

public:
    QString title;
    QString subTitle; ///< the date, as the list page writes it between square brackets
    QString URL;      ///< absolute address of the notice's own page

    friend bool operator==(const NoticeEntry &, const NoticeEntry &) = default;
};
