#pragma once

class Reachability;
class SecureStore;
class ServiceClient;
class SettingsStore;
class SignInSession;

/// What the sign-in and registration screens reach outside themselves.
struct AccountServices
{
    Reachability *reachability = nullptr;
    ServiceClient *service = nullptr;
    SettingsStore *settings = nullptr;
    SecureStore *secureStore = nullptr;
    SignInSession *session = nullptr;
};
