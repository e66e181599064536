#pragma once

#include "Receipt.h"

#include <QList>
#include <QString>

class FileOpener;

/// A receipt kept on disk: its content and its PDF.
struct KeptReceipt
{
    Receipt receipt;
    QString pdfPath;
};

/// The folder the customer's receipts are kept in, each as a PDF with its content beside it
/// (same name, ".json") for the app's own list.
///
/// A receipt is never written over another: each gets a name of its own, taken atomically.
class ReceiptFolder
{
public:
    /// `opener` hands a PDF to the desktop; without one PDFs cannot be opened.
    ReceiptFolder(const QString &path, FileOpener *opener);

    QString path() const { return m_path; }

    struct Saved
    {
        KeptReceipt kept;
        QString error; ///< for the customer; empty when saved
    };
    /// Writes the PDF and its content under a new name.
    Saved keep(const Receipt &receipt) const;

    /// The receipts kept here, newest order first. Files that are not receipts are skipped.
    QList<KeptReceipt> list() const;

    /// Opens a receipt's PDF with the desktop; false when nothing could open it.
    bool open(const QString &pdfPath) const;

    /// The file name a receipt starts from: order time and account, only letters, digits and
    /// dashes ("20261207-184512-1000001").
    static QString baseName(const Receipt &receipt);

private:
    QString m_path;
    FileOpener *m_opener;
};
