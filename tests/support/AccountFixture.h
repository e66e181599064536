#pragma once

#include "FakeNavigator.h"
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "common/AccountServices.h"
#include "common/SignInSession.h"
#include "service/ServiceClient.h"

/// Sign-in and registration with fakes around them, on a device that has its identifier.
struct AccountFixture
{
    static inline const QString device = QStringLiteral("5F0C2A8E-3B71-4D9A-9E64-2C1B7A0D4E93");

    FakeTransport transport;
    ServiceClient service{&transport, QUrl(QStringLiteral("http://service.test/ws"))};
    FakeSettingsStore settings;
    FakeSecureStore secureStore;
    FakeReachability reachability;
    FakeNavigator navigator;
    SignInSession session;

    AccountFixture() { settings.values.insert(QStringLiteral("UUID"), device); }
    AccountServices services()
    {
        return {&reachability, &service, &settings, &secureStore, &session};
    }
};
