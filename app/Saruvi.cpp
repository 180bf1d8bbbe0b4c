// Saruvi: measures the area of a dark region in a bitmap image.

#include "app/Startup.h"
#include "framework/forms/Application.h"

int main() {
    TApplication application;
    try {
        StartSaruvi();
        application.Run();
    } catch (...) {
        application.HandleException(&application);
    }
    return 0;
}
