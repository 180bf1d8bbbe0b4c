// Saruvi: measures the area of a dark region in a bitmap image.

#include "app/Startup.h"
#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"

int main() {
    // The program's windows are desktop windows; the same forms run on the headless host in tests.
    const platform::HostScope desktop(platform::CreateDesktopHost());
    TApplication application;
    try {
        StartSaruvi();
        application.Run();
    } catch (...) {
        application.HandleException(&application);
    }
    return 0;
}
