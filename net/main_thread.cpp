#include "net/main_thread.h"

#include <atomic>

namespace net {

namespace {
std::atomic<MainThread*> installed{nullptr};
}

void InstallMainThread(MainThread* main_thread) {
    installed.store(main_thread);
}

MainThread* InstalledMainThread() {
    return installed.load();
}

}  // namespace net
