#pragma once
// What every control demo shares: the desktop host, the application with the standard classes
// and the demo's own, a form read from its stored description that Escape closes, and lines
// printed for the end-to-end script that drives it.

#include "framework/core/ClassInfo.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/Host.h"

#include <functional>
#include <initializer_list>
#include <string>

class TDemoProgram {
public:
    TDemoProgram(const std::string& title, std::initializer_list<const TClassInfo*> classes);

    // A form read from the embedded description named resource (none: the form class reads
    // its own), closed by Escape.
    template <class TFormClass> TFormClass* CreateForm(const char* resource = nullptr) {
        TFormClass* form = nullptr;
        Application->CreateForm(form);
        Prepare(*form, resource);
        return form;
    }

    // Shows the form and handles what showing it brought, so that screen points are final.
    static void Show(TForm& form);
    // Runs setUp (which creates and shows the forms), then the message loop until the main form
    // closes; an exception that escapes either is shown and ends the program with status 1.
    int Run(const std::function<void()>& setUp);

private:
    static void Prepare(TForm& form, const char* resource);

    platform::HostScope FHost;
    TApplication FApplication;
};

// Prints one line for the script at once, whatever the program does next.
void Say(const std::string& line);
// A line naming a control and the screen point of its client pixel (x, y).
void SayPoint(const std::string& name, const TControl& control, TPoint point);
