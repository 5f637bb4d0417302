#include "platform/startup.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QDBusConnection>
#include <QThread>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <system_error>

namespace rorovovo::platform {

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROROVOVO_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ROROVOVO_ADDRESS_SANITIZER)
// Where no bus address is set, libdbus forks to find the bus. The address sanitizer's allocator is not safe across a
// fork: a child forked while the window's thread holds its lock hangs before it runs its program, and the program
// with it. Sanitized builds leave the bus to Qt, which opens it on the main thread.
constexpr bool kBusOffTheMainThread = false;
#else
constexpr bool kBusOffTheMainThread = true;
#endif

// Qt's windowless platforms, named by -platform or QT_QPA_PLATFORM, use no bus.
bool platformUsesBus(int argc, char** argv) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) platform = argv[i + 1];
    platform = platform.left(platform.indexOf(':'));
    return platform != "offscreen" && platform != "minimal";
}

}  // namespace

void giveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

StartUpHelper::StartUpHelper(int argc, char** argv) {
    const bool connectBus = kBusOffTheMainThread && platformUsesBus(argc, argv);
    // Qt takes the first thread that uses it for the main thread: this one.
    QThread::currentThread();
    fonts_ = fontsRead_.get_future();
    try {
        thread_ = std::thread([this, connectBus] {
            FcInit();
            // Parsing left freed buffers in this thread's own heap, which the window's thread never reuses.
            giveBackFreedMemory();
            fontsRead_.set_value();
            if (connectBus) QDBusConnection::sessionBus();
        });
    } catch (const std::system_error&) {
        // Without the thread the first font and the first bus user do the work, as they would anyway.
        fontsRead_.set_value();
    }
}

}  // namespace rorovovo::platform
