#include "framework/platform/Host.h"

#include <stdexcept>
#include <utility>

namespace platform {

namespace {

std::unique_ptr<IHost>& Installed() {
    static std::unique_ptr<IHost> host;
    return host;
}

} // namespace

IHost& Host() {
    if (!Installed())
        throw std::logic_error("no host installed");
    return *Installed();
}

bool HasHost() {
    return Installed() != nullptr;
}

void InstallHost(std::unique_ptr<IHost> host) {
    Installed() = std::move(host);
}

std::unique_ptr<IHost> UninstallHost() {
    return std::move(Installed());
}

} // namespace platform
