#include "tools/demo/DemoProgram.h"

#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"

#include <cstdio>

TDemoProgram::TDemoProgram(const std::string& title,
                           std::initializer_list<const TClassInfo*> classes)
    : FHost(platform::CreateDesktopHost()) {
    RegisterStandardClasses();
    for (const TClassInfo* info : classes)
        RegisterClass(*info);
    Application->Initialize();
    Application->SetTitle(title);
}

void TDemoProgram::Prepare(TForm& form, const char* resource) {
    if (resource)
        ReadComponentResource(&form, resource);
    form.OnKeyDown = TKeyEvent::FromFunction([&form](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            form.Close();
    });
}

void TDemoProgram::Show(TForm& form) {
    form.Show();
    Application->ProcessMessages();
}

int TDemoProgram::Run(const std::function<void()>& setUp) {
    try {
        setUp();
        FApplication.Run();
        return 0;
    } catch (...) {
        FApplication.HandleException(&FApplication);
        return 1;
    }
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void SayPoint(const std::string& name, const TControl& control, TPoint point) {
    const TPoint screen = control.ClientToScreen(point);
    Say(name + " " + std::to_string(screen.x) + " " + std::to_string(screen.y));
}
