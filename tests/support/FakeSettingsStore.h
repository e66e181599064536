#pragma once

#include "platform/SettingsStore.h"

#include <QVariantMap>

/// Settings held in memory; tests read and seed `values` directly.
class FakeSettingsStore final : public SettingsStore
{
public:
    QVariant value(const QString &key) const override { return values.value(key); }
    void setValue(const QString &key, const QVariant &value) override { values.insert(key, value); }
    void remove(const QString &key) override { values.remove(key); }

    QVariantMap values;
};
