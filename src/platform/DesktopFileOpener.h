#pragma once

#include "FileOpener.h"

/// Opens files through the desktop's file associations.
class DesktopFileOpener final : public FileOpener
{
public:
    bool open(const QString &path) override;
};
