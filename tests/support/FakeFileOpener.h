#pragma once

#include "platform/FileOpener.h"

#include <QStringList>

/// Records the files handed to the desktop; opens them or not, as the test says.
class FakeFileOpener final : public FileOpener
{
public:
    bool open(const QString &path) override
    {
        opened.append(path);
        return opens;
    }

    QStringList opened;
    bool opens = true;
};
