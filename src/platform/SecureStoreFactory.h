#pragma once

#include "SecureStore.h"

#include <memory>

/// The secure store for this desktop: the keychain when a secret service runs, otherwise
/// (or when TARVO_SECURE_STORE=file asks for it) the private file in `home`.
std::unique_ptr<SecureStore> makeSecureStore(const QString &home);
