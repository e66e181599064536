#pragma once

#include "platform/AppOptions.h"
#include "platform/NetworkTransport.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"

#include <QNetworkAccessManager>

/// The service connection a command needs, made from the common options.
struct CliServices
{
    explicit CliServices(const AppOptions &options)
        : client(&transport, options.serviceUrl)
    {}

    QNetworkAccessManager network;
    NetworkTransport transport{&network};
    ServiceClient client;
    NotificationCenter notifications;
};
