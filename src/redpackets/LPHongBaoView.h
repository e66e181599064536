#pragma once

#include "RedPacketRecord.h"
#include "RedPacketSelection.h"
#include "shell/ViewController.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <optional>

/// The red packet selection sheet: a dimmed layer over the whole window with a card listing
/// "不使用红包" and the packets. It hands one choice back, then shrinks away.
// Kept name (traceability): see docs/names.md
class LPHongBaoView : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/RedPackets/RedPacketSheet.qml")
    Q_PROPERTY(bool hasCard READ hasCard NOTIFY dataSourceChanged)
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(int flag READ flag NOTIFY dataSourceChanged)
    Q_PROPERTY(QStringList rowTitles READ rowTitles NOTIFY dataSourceChanged)
    Q_PROPERTY(bool closing READ isClosing NOTIFY closingChanged)

public:
    /// [hbid, hbje, hbmc] or empty for "不使用红包".
    // Kept name (traceability): see docs/names.md
    using BackBlock = std::function<void(const QStringList &choice)>;

    /// `kt_id` is the packet chosen so far, empty for none. `parent` keeps the sheet until it
    /// is shown (the navigator owns it from show() on).
    // Kept name (traceability): see docs/names.md
    LPHongBaoView(Navigator *navigator, const QString &kt_id, BackBlock backBlock,
                  QObject *parent = nullptr);

    /// Fills the card; an empty list builds nothing.
    // Kept name (traceability): see docs/names.md
    void setDataSource(const QList<RedPacketRecord> &packets);
    /// Presents the sheet (navigator()->present(this, false)); the view plays the spring opening.
    // Kept name (traceability): see docs/names.md
    void show();
    /// Removes the sheet at once (navigator()->dismiss(this, false)).
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void dismiss();
    /// A row was tapped: hands the choice to backBlock (at most once), then starts the closing
    /// animation.
    Q_INVOKABLE void chooseRow(int row);
    /// A touch outside the list: closes without a choice.
    Q_INVOKABLE void touchOutside();

    bool hasCard() const { return m_selection.has_value(); }
    int flag() const;
    QStringList rowTitles() const;
    /// Once a row is chosen or the sheet is touched outside, it only closes.
    bool isClosing() const { return m_closing; }

    /// Where card, title, line and list go in a window `windowWidth` points wide
    /// (a RedPacketSheetGeometry; nothing without a card).
    Q_INVOKABLE QVariant sheetGeometry(qreal windowWidth) const;

signals:
    void dataSourceChanged();
    void closingChanged();

private:
    void startClosing();

    QString m_hbid;
    BackBlock m_backBlock;
    std::optional<RedPacketSelection> m_selection;
    bool m_closing = false;
};
