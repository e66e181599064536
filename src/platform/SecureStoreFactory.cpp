#include "SecureStoreFactory.h"

#include "FileSecureStore.h"
#include "KeychainSecureStore.h"
#include "PlatformLog.h"

using namespace Qt::StringLiterals;

std::unique_ptr<SecureStore> makeSecureStore(const QString &home)
{
    auto file = std::make_unique<FileSecureStore>(home);
    if (qEnvironmentVariable("TARVO_SECURE_STORE") == u"file"_s) {
        qCInfo(lcPlatform).noquote()
            << "secure store: private file" << file->filePath() << "(TARVO_SECURE_STORE=file)";
        return file;
    }
    // Asking QtKeychain without a secret service would only fail, possibly after a wait.
    if (!KeychainSecureStore::secretServiceRunning()) {
        qCInfo(lcPlatform).noquote() << "secure store: private file" << file->filePath()
                                     << "(no secret service on the session bus)";
        return file;
    }
    qCInfo(lcPlatform) << "secure store: desktop keychain";
    return std::make_unique<KeychainSecureStore>(std::move(file));
}
