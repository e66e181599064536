#include "ReceiptFolder.h"

#include "BillingLog.h"
#include "ReceiptPdf.h"
#include "platform/FileOpener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Enough for every receipt one account could get within one second.
constexpr int maximumTries = 1000;

QString tr(const char *text)
{
    return QCoreApplication::translate("ReceiptFolder", text);
}

// The account is what the customer typed: anything but letters and digits could reach
// outside the folder or trouble another system's file names.
QString safePart(const QString &text)
{
    QString safe;
    for (const QChar c : text) {
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            safe.append(c);
    }
    return safe.left(32);
}

} // namespace

ReceiptFolder::ReceiptFolder(const QString &path, FileOpener *opener)
    : m_path(path)
    , m_opener(opener)
{}

QString ReceiptFolder::baseName(const Receipt &receipt)
{
    const QString account = safePart(receipt.account);
    const QString time = receipt.orderTime.toString(u"yyyyMMdd-HHmmss"_s);
    return account.isEmpty() ? time : time + u'-' + account;
}

ReceiptFolder::Saved ReceiptFolder::keep(const Receipt &receipt) const
{
    const QDir folder(m_path);
    if (!folder.mkpath(u"."_s)) {
        qCWarning(lcBilling).noquote() << "cannot make the receipt folder" << m_path;
        return {{}, tr("无法创建凭证文件夹：%1").arg(m_path)};
    }
    const QString base = baseName(receipt);
    for (int n = 1; n <= maximumTries; ++n) {
        const QString name = n == 1 ? base : u"%1-%2"_s.arg(base).arg(n);
        // The content file claims the name: both files of a receipt share it.
        QFile content(folder.filePath(name + u".json"_s));
        if (!content.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        QFile pdf(folder.filePath(name + u".pdf"_s));
        if (!pdf.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            content.remove();
            continue;
        }
        if (const std::optional<QString> error = ReceiptPdf::write(receipt, &pdf)) {
            pdf.remove();
            content.remove();
            return {{}, *error};
        }
        pdf.close();
        const QByteArray json = QJsonDocument(receipt.toJson()).toJson();
        if (content.write(json) != json.size() || !content.flush()) {
            qCWarning(lcBilling).noquote() << "cannot write" << content.fileName();
            pdf.remove();
            content.remove();
            return {{}, tr("电子凭证文件无法写入")};
        }
        qCInfo(lcBilling).noquote() << "receipt kept as" << pdf.fileName();
        return {{receipt, pdf.fileName()}, {}};
    }
    qCWarning(lcBilling).noquote() << "no free receipt name left for" << base;
    return {{}, tr("电子凭证文件无法写入")};
}

QList<KeptReceipt> ReceiptFolder::list() const
{
    const QDir folder(m_path);
    QList<KeptReceipt> kept;
    for (const QString &name : folder.entryList({u"*.json"_s}, QDir::Files)) {
        QFile content(folder.filePath(name));
        if (!content.open(QIODevice::ReadOnly))
            continue;
        const std::optional<Receipt> receipt =
            Receipt::fromJson(QJsonDocument::fromJson(content.readAll()).object());
        const QString pdf = folder.filePath(name.chopped(5) + u".pdf"_s);
        if (!receipt || !QFile::exists(pdf)) {
            qCInfo(lcBilling).noquote() << "not a receipt, or its PDF is gone:" << name;
            continue;
        }
        kept.append({*receipt, pdf});
    }
    // Names break ties: a later one of the same second has the greater number.
    std::sort(kept.begin(), kept.end(), [](const KeptReceipt &a, const KeptReceipt &b) {
        if (a.receipt.orderTime != b.receipt.orderTime)
            return a.receipt.orderTime > b.receipt.orderTime;
        return a.pdfPath.size() != b.pdfPath.size() ? a.pdfPath.size() > b.pdfPath.size()
                                                    : a.pdfPath > b.pdfPath;
    });
    return kept;
}

bool ReceiptFolder::open(const QString &pdfPath) const
{
    return m_opener && m_opener->open(pdfPath);
}
