#include "tools/gallery/GalleryReport.h"

#include "framework/forms/Application.h"
#include "framework/forms/MenuBar.h"
#include "framework/stdctrls/SpeedButton.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EventLog.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

#include <cstdio>
#include <string>

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The line "what X Y" with the screen point of a client point of the control.
void SayPoint(const std::string& what, const TControl& control, TPoint client) {
    const TPoint p = control.ClientToScreen(client);
    Say(what + " " + std::to_string(p.x) + " " + std::to_string(p.y));
}

// The line "what X Y" with the screen point of the control's middle.
void SayMiddle(const std::string& what, const TControl& control) {
    SayPoint(what, control, {control.Width() / 2, control.Height() / 2});
}

// The line "bounds NAME X Y WIDTH HEIGHT" with the screen point of the control's top left.
void SayBounds(const TControl& control) {
    const TPoint p = control.ClientToScreen({0, 0});
    Say("bounds " + control.Name() + " " + std::to_string(p.x) + " " + std::to_string(p.y) + " " +
        std::to_string(control.Width()) + " " + std::to_string(control.Height()));
}

void ReportSelection(TGalleryWindow& gallery) {
    TComponent* selected = gallery.Selected();
    Say("selected " + (selected ? selected->Name() : std::string()));
    if (!selected)
        return;
    for (const std::string& path : gallery.Inspector()->Paths())
        SayMiddle("editor " + path, *gallery.Inspector()->EditorOf(path));
}

// "layout NAME LEFT TOP WIDTH HEIGHT" per control, then "changed".
void ReportLayout(TGalleryWindow& gallery) {
    const TDesignedForm& form = *gallery.DesignedForm();
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* c = dynamic_cast<const TControl*>(form.Components(i)))
            Say("layout " + c->Name() + " " + std::to_string(c->Left()) + " " +
                std::to_string(c->Top()) + " " + std::to_string(c->Width()) + " " +
                std::to_string(c->Height()));
    Say("changed");
}

void ReportWindows(TGalleryWindow& gallery) {
    SayMiddle("design", *gallery.DesignButton);
    // The Edit menu's title, the bar's second.
    const TRect edit = gallery.MenuBar->TitleRect(1);
    SayPoint("edit", *gallery.MenuBar,
             {(edit.Left + edit.Right) / 2, (edit.Top + edit.Bottom) / 2});
    for (const auto& page : gallery.Palette().Pages())
        for (const TClassInfo* info : page.Classes)
            if (const TControl* button = gallery.PaletteBar()->ButtonOf(*info))
                SayMiddle("palette " + info->Name, *button);
    const TDesignedForm& form = *gallery.DesignedForm();
    const TPoint origin = form.ClientToScreen({0, 0});
    Say("form " + std::to_string(origin.x) + " " + std::to_string(origin.y));
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* control = dynamic_cast<const TControl*>(form.Components(i))) {
            SayMiddle("control " + control->Name(), *control);
            SayBounds(*control);
        }
    Say("ready");
}

// A log of its own on each component, beside the gallery's log of the selected one.
void ReportEvents(TGalleryWindow& gallery) {
    TDesignedForm& form = *gallery.DesignedForm();
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent* component = form.Components(i);
        auto* log = new TEventLog(&gallery, [component](const std::string& line) {
            Say("event " + line);
            if (const auto* control = dynamic_cast<const TControl*>(component))
                Say("text " + control->Name() + " " + control->Text());
        });
        log->Attach(component);
    }
}

} // namespace

void StartGalleryReport(TGalleryWindow& gallery) {
    gallery.OnSelect =
        TNotifyEvent::FromFunction([&gallery](TObject*) { ReportSelection(gallery); });
    gallery.OnFormChange =
        TNotifyEvent::FromFunction([&gallery](TObject*) { ReportLayout(gallery); });
    Application->ProcessMessages();
    ReportEvents(gallery);
    ReportWindows(gallery);
}
