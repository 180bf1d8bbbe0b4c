// saruvi-refdocs TEMPLATES OUT: the reference pages of the controls. For each unit of the
// library's manifest it reads TEMPLATES/<Unit>.md, replaces the line "@properties" with a table
// made from the class's published properties, and writes OUT/<Unit>.md; it renders the control
// in its states on the headless host into OUT/img/. The output depends on nothing but the sources,
// so the committed pages can be compared with a fresh run.
//
// A template line "@change Name: text" says what a change of the property Name does; it is not
// copied to the page but fills the table's last column. Naming a property the class does not
// publish is an error, so the notes cannot outlive the properties.

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/Library.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "controls/xTrackBar.h"
#include "framework/core/ClassInfo.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/ImageFile.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

// --- the property table

std::string Code(const std::string& text) {
    return "`" + text + "`";
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + Code(name);
    return joined;
}

std::string TypeText(const TPropInfo& prop, TObject& instance) {
    switch (prop.Kind) {
    case TPropKind::Integer:
        return "integer";
    case TPropKind::Boolean:
        return "bool";
    case TPropKind::String:
        return "string";
    case TPropKind::Color:
        return "colour";
    case TPropKind::Enum:
        return "one of " + JoinNames(*prop.EnumNames);
    case TPropKind::Set:
        return "set of " + JoinNames(*prop.EnumNames);
    case TPropKind::Strings:
        return "lines";
    case TPropKind::Persistent:
        return Code(prop.Object(instance)->ClassType().Name);
    case TPropKind::Component:
        return "component";
    case TPropKind::Resource:
        return "resource";
    case TPropKind::Event:
        return "event";
    }
    throw std::logic_error("unknown property kind");
}

std::string ValueText(const TPropInfo& prop, const TPropValue& value) {
    const TJson json = ValueToJson(prop, value);
    if (json.is_array()) {
        if (json.empty())
            return prop.Kind == TPropKind::Set ? Code("[]") : "empty";
        std::string items;
        for (const TJson& item : json)
            items += (items.empty() ? "" : ", ") + item.get<std::string>();
        return Code("[" + items + "]");
    }
    if (json.is_string()) {
        const std::string text = json.get<std::string>();
        if (text.empty())
            return prop.Kind == TPropKind::Component ? "none" : "empty";
        return Code(text);
    }
    return Code(json.dump());
}

// The declared default; for a property without one, which a stored form always records, the
// value a new control has.
std::string DefaultText(const TPropInfo& prop, const TObject& fresh) {
    if (prop.Kind == TPropKind::Event)
        return "none";
    if (prop.Default)
        return ValueText(prop, *prop.Default);
    if (prop.Get)
        return ValueText(prop, prop.Get(fresh)) + " (always stored)";
    return "its own object";
}

// The class of info or of its ancestors whose own list declares prop.
const TClassInfo& DeclaringClass(const TClassInfo& info, const TPropInfo& prop) {
    const TClassInfo* declaring = &info;
    for (const TClassInfo* c = &info; c; c = c->Parent)
        for (const TPropInfo& own : c->Properties)
            if (&own == &prop)
                declaring = c;
    return *declaring;
}

std::string PropertyTable(const TClassInfo& info, TObject& instance,
                          std::map<std::string, std::string> changes) {
    std::ostringstream table;
    table << "| Property | Type | Default | Declared by | A change |\n"
          << "|---|---|---|---|---|\n";
    for (const TPropInfo* prop : info.AllProperties()) {
        std::string change = "the framework's";
        if (auto found = changes.find(prop->Name); found != changes.end()) {
            change = found->second;
            changes.erase(found);
        }
        table << "| " << Code(prop->Name) << " | " << TypeText(*prop, instance) << " | "
              << DefaultText(*prop, instance) << " | " << Code(DeclaringClass(info, *prop).Name)
              << " | " << change << " |\n";
    }
    if (!changes.empty())
        throw std::runtime_error(info.Name + " publishes no property " + changes.begin()->first);
    return table.str();
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + path.string());
}

std::string Page(const fs::path& templatePath, const TClassInfo& info, TObject& instance) {
    constexpr std::string_view changePrefix = "@change ";
    std::istringstream in(ReadText(templatePath));
    std::vector<std::string> lines;
    std::map<std::string, std::string> changes;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(changePrefix)) {
            const auto colon = line.find(": ");
            if (colon == std::string::npos)
                throw std::runtime_error(templatePath.string() + ": no \": \" in " + line);
            const std::string name = line.substr(changePrefix.size(), colon - changePrefix.size());
            if (!changes.emplace(name, line.substr(colon + 2)).second)
                throw std::runtime_error(templatePath.string() + ": two notes on " + name);
        } else {
            lines.push_back(line);
        }
    }
    std::string page;
    bool tablePlaced = false;
    for (const std::string& line : lines) {
        if (line == "@properties") {
            page += PropertyTable(info, instance, changes);
            tablePlaced = true;
        } else {
            page += line + "\n";
        }
    }
    if (!tablePlaced)
        throw std::runtime_error(templatePath.string() + " has no line \"@properties\"");
    return page;
}

// --- the pictures

// A form on the headless host, with a pointer and a loop to act on its controls, and a camera.
class TStage {
public:
    TStage(platform::HeadlessHost& host, fs::path imageDir)
        : FHost(host), FImageDir(std::move(imageDir)) {
        FApplication = std::make_unique<TApplication>(nullptr);
        FApplication->Initialize();
        FForm = new TForm(FApplication.get());
        FForm->SetClientWidth(360);
        FForm->SetClientHeight(120);
        FForm->Show();
        Settle();
    }

    TForm* Form() const { return FForm; }

    template <class Control> Control* Place(int width, int height) {
        auto* control = new Control(FForm);
        control->SetParent(FForm);
        control->SetBounds(Margin, Margin, width, height);
        Settle();
        return control;
    }

    void MouseMove(const TControl* control, int x, int y) {
        const TPoint p = WindowPoint(control, x, y);
        FHost.MouseMove(Window(), p.x, p.y);
        Settle();
    }
    void MouseDown(const TControl* control, int x, int y) {
        const TPoint p = WindowPoint(control, x, y);
        FHost.MouseDown(Window(), p.x, p.y);
        Settle();
    }
    void MouseUp(const TControl* control, int x, int y) {
        const TPoint p = WindowPoint(control, x, y);
        FHost.MouseUp(Window(), p.x, p.y);
        Settle();
    }
    void MouseAway() {
        FHost.SetCursorPos({-10000, -10000});
        Settle();
    }

    // The control with a margin of the form around it, as img/<name>.png.
    void Shoot(const TControl* control, const std::string& name) {
        Settle();
        const platform::PixelBuffer& screen = Window()->Screen();
        const TPoint origin = WindowPoint(control, -Margin, -Margin);
        platform::PixelBuffer picture(control->Width() + 2 * Margin,
                                      control->Height() + 2 * Margin);
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x)
                if (screen.Contains(origin.x + x, origin.y + y))
                    picture.Row(y)[x] = screen.Row(origin.y + y)[origin.x + x];
        const auto png = platform::EncodePng(picture);
        if (!png)
            throw std::runtime_error("cannot encode " + name);
        WriteBytes(FImageDir / (name + ".png"), std::string(png->begin(), png->end()));
    }

private:
    static constexpr int Margin = 6;

    platform::HeadlessWindow* Window() const {
        return dynamic_cast<platform::HeadlessWindow*>(FForm->Handle()->HostWindow());
    }
    TPoint WindowPoint(const TControl* control, int x, int y) const {
        const TPoint screen = control->ClientToScreen({x, y});
        const TRect client = Window()->ClientBounds();
        return {screen.x - client.Left, screen.y - client.Top};
    }
    // Everything pending handled, the hover check run, nothing left to paint.
    void Settle() {
        for (int round = 0; round < 1000; ++round) {
            FApplication->ProcessMessages();
            FApplication->Idle();
            if (!FHost.HasPendingEvents() && !WindowManager().HasPosted() &&
                !WindowManager().PaintPending())
                return;
        }
        throw std::runtime_error("the message loop never runs empty");
    }

    platform::HeadlessHost& FHost;
    fs::path FImageDir;
    std::unique_ptr<TApplication> FApplication;
    TForm* FForm = nullptr;
};

void ShootStrokeBar(TStage& stage) {
    auto* bar = stage.Place<TStrokeBar>(240, 56);
    bar->SetCaption("Threshold");
    bar->SetBevelOuter(sbLowered);
    bar->SetValue(40);
    stage.Shoot(bar, "StrokeBar-settled");
    // The first move into the band starts tracking, the next ones carry the bar's end.
    stage.MouseMove(bar, 120, 28);
    stage.MouseMove(bar, 180, 28);
    stage.Shoot(bar, "StrokeBar-tracking");
    stage.MouseDown(bar, 180, 28);
    stage.MouseUp(bar, 180, 28);
    stage.MouseAway();
    bar->SetEnabled(false);
    stage.Shoot(bar, "StrokeBar-disabled");
}

void ShootGauge(TStage& stage) {
    auto* gauge = stage.Place<TxGauge>(200, 22);
    gauge->SetPosition(40);
    const char* const frames[] = {"none", "single", "sunken", "deepsunken", "raised"};
    for (const TGaugeBorders style : {gbNone, gbSingle, gbSunken, gbDeepSunken, gbRaised}) {
        gauge->SetBorderStyle(style);
        stage.Shoot(gauge, std::string("xGauge-") + frames[style]);
    }
}

void ShootColorButton(TStage& stage) {
    const char* const styles[] = {"std", "ielike", "none"};
    for (const TButtonStyle style : {bsStd, bsIELike, bsNone}) {
        // A fresh button for each style: a press leaves the focus on the button it pressed.
        auto* button = stage.Place<TColorButton>(120, 34);
        button->SetCaption("Colour");
        button->SetColor(0x00C8E6F0);
        button->SetMBStyle(style);
        const std::string name = std::string("ColorBtn-") + styles[style];
        stage.MouseAway();
        stage.Shoot(button, name);
        stage.MouseMove(button, 60, 17);
        stage.Shoot(button, name + "-hovered");
        stage.MouseDown(button, 60, 17);
        stage.Shoot(button, name + "-pressed");
        stage.MouseUp(button, 60, 17);
        delete button;
    }
}

// The flat button in its states, and the button with a raised inner bevel when not flat.
void ShootCuteButton(TStage& stage) {
    auto* button = stage.Place<TCuteButton>(120, 30);
    button->SetCaption("&Open");
    stage.MouseAway();
    stage.Shoot(button, "CuteBtn-notflat");
    button->SetFlat(true);
    stage.Shoot(button, "CuteBtn-resting");
    stage.MouseMove(button, 60, 15);
    stage.Shoot(button, "CuteBtn-hovered");
    stage.MouseDown(button, 60, 15);
    stage.Shoot(button, "CuteBtn-pressed");
    stage.MouseUp(button, 60, 15);
    stage.MouseAway();
    button->SetEnabled(false);
    stage.Shoot(button, "CuteBtn-disabled");
}

void ShootNumberEdit(TStage& stage) {
    auto* edit = stage.Place<TNumberEdit>(120, 24);
    edit->SetValue(-1250);
    stage.Shoot(edit, "NumberEdit");
}

void ShootTrackBar(TStage& stage) {
    auto* track = stage.Place<TxTrackBar>(220, 40);
    track->SetPosition(5);
    track->SetSelStart(3);
    track->SetSelEnd(7);
    stage.Shoot(track, "xTrackBar-plain");
    track->SetEnableSelRange(true);
    stage.Shoot(track, "xTrackBar-selrange");
}

// The pictures of each unit's page; a unit without an entry has its table only.
const std::map<std::string_view, void (*)(TStage&)> Shots = {
    {"StrokeBar", ShootStrokeBar}, {"xGauge", ShootGauge},          {"ColorBtn", ShootColorButton},
    {"CuteBtn", ShootCuteButton},  {"NumberEdit", ShootNumberEdit}, {"xTrackBar", ShootTrackBar},
};

void Generate(platform::HeadlessHost& host, const fs::path& templates, const fs::path& out) {
    fs::create_directories(out / "img");
    for (const TControlUnit& unit : ControlLibrary()) {
        TStage stage(host, out / "img");
        // A new control of the class, not placed on the form: the values a form starts from.
        const std::unique_ptr<TComponent> fresh(unit.Class().Create(stage.Form()));
        WriteBytes(out / (std::string(unit.Unit) + ".md"),
                   Page(templates / (std::string(unit.Unit) + ".md"), unit.Class(), *fresh));
        if (const auto shoot = Shots.find(unit.Unit); shoot != Shots.end())
            shoot->second(stage);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: saruvi-refdocs TEMPLATES OUT\n";
        return 2;
    }
    try {
        Generate(platform::InstallHeadlessHost(platform::CreateQtFontEngine()), argv[1], argv[2]);
        platform::UninstallHost();
    } catch (const std::exception& e) {
        std::cerr << "saruvi-refdocs: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
