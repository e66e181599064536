#pragma once

#include <QString>

/// Hands a file to the desktop, which opens it with the customer's own program for its kind.
class FileOpener
{
public:
    virtual ~FileOpener() = default;

    /// False when no program took the file.
    virtual bool open(const QString &path) = 0;
};
