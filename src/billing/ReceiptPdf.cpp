#include "ReceiptPdf.h"

#include "BillingLog.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace ReceiptPdf {

namespace {

// Debian's fonts-wqy-microhei; loading the file itself does not depend on fontconfig's cache.
const QStringList fontFiles{u"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"_s};

constexpr int dotsPerInch = 300;

/// Lays the receipt out from top to bottom, starting a new page when the next line would
/// not fit.
class PageWriter
{
public:
    PageWriter(QPdfWriter &writer, QPainter &painter, const QString &family)
        : m_writer(writer)
        , m_painter(painter)
        , m_family(family)
        , m_width(painter.viewport().width())
        , m_height(painter.viewport().height())
    {}

    void centred(const QString &text, qreal points, bool bold)
    {
        setFont(points, bold);
        const QRectF area(0, 0, m_width, m_height);
        const QRectF box = m_painter.boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, text);
        room(box.height());
        m_painter.drawText(QRectF(0, m_y, m_width, box.height()),
                           Qt::AlignHCenter | Qt::TextWordWrap, text);
        m_y += box.height();
    }

    /// A caption on the left and its value beside it, wrapped when it is long; amounts
    /// stand at the right edge.
    void line(const QString &caption, const QString &value, bool rightAligned, bool bold = false)
    {
        setFont(10, bold);
        const qreal valueX = millimetres(24);
        const int flags = (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextWrapAnywhere;
        const QRectF box =
            m_painter.boundingRect(QRectF(0, 0, m_width - valueX, m_height), flags, value);
        const qreal height = std::max(box.height(), QFontMetricsF(m_painter.font()).height());
        room(height + gap());
        m_painter.drawText(QRectF(0, m_y, valueX, height), Qt::AlignLeft, caption);
        m_painter.drawText(QRectF(valueX, m_y, m_width - valueX, height), flags, value);
        m_y += height + gap();
    }

    /// Three cells: month, kind, and the amount at the right edge.
    void row(const QStringList &cells, bool bold = false)
    {
        setFont(10, bold);
        const qreal height = QFontMetricsF(m_painter.font()).height();
        room(height + gap());
        const qreal kindX = millimetres(30);
        m_painter.drawText(QRectF(0, m_y, kindX, height), Qt::AlignLeft, cells.value(0));
        m_painter.drawText(QRectF(kindX, m_y, millimetres(30), height), Qt::AlignLeft,
                           cells.value(1));
        m_painter.drawText(QRectF(0, m_y, m_width, height), Qt::AlignRight, cells.value(2));
        m_y += height + gap();
    }

    void rule()
    {
        room(millimetres(4));
        m_y += millimetres(1.5);
        m_painter.setPen(QPen(Qt::gray, millimetres(0.2)));
        m_painter.drawLine(QPointF(0, m_y), QPointF(m_width, m_y));
        m_painter.setPen(Qt::black);
        m_y += millimetres(2.5);
    }

private:
    static qreal millimetres(qreal mm) { return mm * dotsPerInch / 25.4; }
    static qreal gap() { return millimetres(1.2); }

    void setFont(qreal points, bool bold)
    {
        QFont font(m_family);
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
    }

    void room(qreal height)
    {
        if (m_y + height <= m_height || m_y == 0)
            return;
        m_writer.newPage();
        m_y = 0;
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    QString m_family;
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
};

void lay(PageWriter &page, const Receipt &receipt)
{
    page.centred(Receipt::company(), 11, false);
    page.centred(Receipt::heading(), 16, true);
    page.rule();
    for (const ReceiptLine &line : receipt.customerLines())
        page.line(line.caption, line.value, false);
    page.rule();
    page.row(receipt.billColumns(), true);
    for (const ReceiptBill &bill : receipt.bills)
        page.row(Receipt::billCells(bill));
    page.rule();
    const QList<ReceiptLine> amounts = receipt.amountLines();
    for (qsizetype i = 0; i < amounts.size(); ++i)
        page.line(amounts[i].caption, amounts[i].value, true, i == amounts.size() - 1);
    page.rule();
    for (const ReceiptLine &line : receipt.orderLines())
        page.line(line.caption, line.value, false);
}

} // namespace

std::optional<QString> chineseFontFamily()
{
    static const std::optional<QString> family = []() -> std::optional<QString> {
        for (const QString &file : fontFiles) {
            const int id = QFontDatabase::addApplicationFont(file);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.constFirst();
        }
        const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!installed.isEmpty())
            return installed.constFirst();
        return std::nullopt;
    }();
    return family;
}

std::optional<QString> write(const Receipt &receipt, QIODevice *device)
{
    const std::optional<QString> family = chineseFontFamily();
    if (!family) {
        qCWarning(lcBilling) << "no font for Chinese text: receipt not written";
        return QCoreApplication::translate("ReceiptPdf",
                                           "本机没有可用的中文字体，无法生成电子凭证");
    }
    QPdfWriter writer(device);
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setResolution(dotsPerInch);
    writer.setTitle(Receipt::heading() + u' ' + receipt.account);
    writer.setCreator(u"Tarvo"_s);
    QPainter painter;
    if (!painter.begin(&writer)) {
        qCWarning(lcBilling) << "the receipt's PDF could not be started";
        return QCoreApplication::translate("ReceiptPdf", "电子凭证文件无法写入");
    }
    PageWriter page(writer, painter, *family);
    lay(page, receipt);
    painter.end();
    return std::nullopt;
}

} // namespace ReceiptPdf
