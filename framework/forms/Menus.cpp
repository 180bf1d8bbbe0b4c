#include "framework/forms/Menus.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Frame3D.h"
#include "framework/platform/Host.h"
#include "framework/windows/CustomControl.h"
#include "framework/windows/InputRouter.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

// Sections: TMenuItem; the popup window (one per open level of the menu); the menu loop;
// TPopupMenu.

namespace {

const std::vector<std::string> PopupAlignmentNames{"paLeft", "paRight", "paCenter"};

bool Selectable(const TMenuItem* item) {
    return item->Visible() && !item->IsLine();
}
bool Choosable(const TMenuItem* item) {
    return Selectable(item) && item->Enabled() && item->Count() == 0;
}
bool HasVisibleItems(const TMenuItem* item) {
    for (int i = 0; i < item->Count(); ++i)
        if (item->Items(i)->Visible())
            return true;
    return false;
}

} // namespace

// ---- TMenuItem

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TMenuItem>("TMenuItem", &TComponent::StaticClass(), [](auto& c) {
            c.String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, "");
            c.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false);
            c.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false);
            c.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true);
            c.String("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, "");
            c.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true);
            c.Event("OnClick", &TMenuItem::OnClick);
        });
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (FParent)
        FParent->Remove(this);
    Clear();
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this)
        return;
    if (item->FParent)
        item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    if (std::erase(FItems, item) != 0)
        item->FParent = nullptr;
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

namespace {

// The virtual key a short cut's last part names, 0 for none.
unsigned short ShortCutKey(std::string_view name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(name[0])));
    if (name == "Del")
        return VK_DELETE;
    if (name == "Ins")
        return VK_INSERT;
    if (name.size() >= 2 && name[0] == 'F') {
        const char* end = name.data() + name.size();
        int number = 0;
        const auto [stop, error] = std::from_chars(name.data() + 1, end, number);
        if (error == std::errc() && stop == end && number >= 1 && number <= 12)
            return static_cast<unsigned short>(VK_F1 + number - 1);
    }
    return 0;
}

} // namespace

bool TMenuItem::IsShortCut(unsigned short key, TShiftState shift) const {
    std::string_view rest = FShortCut;
    unsigned modifiers = 0;
    for (auto plus = rest.find('+'); plus != std::string_view::npos && plus + 1 < rest.size();
         plus = rest.find('+')) {
        const std::string_view part = rest.substr(0, plus);
        if (part == "Shift")
            modifiers |= ssShift;
        else if (part == "Ctrl")
            modifiers |= ssCtrl;
        else if (part == "Alt")
            modifiers |= ssAlt;
        else
            return false;
        rest.remove_prefix(plus + 1);
    }
    constexpr unsigned keyboard = ssShift | ssCtrl | ssAlt;
    const unsigned short wanted = ShortCutKey(rest);
    return wanted != 0 && key == wanted && (shift.Bits() & keyboard) == modifiers;
}

void TMenuItem::Click() {
    if (FEnabled)
        OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& visit, TComponent*) const {
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        visit(item);
}

// ---- the popup window

namespace {

constexpr int MenuBorder = 3;   // the raised edge and one pixel of menu colour inside it
constexpr int CheckColumn = 17; // left of the captions: the check mark
constexpr int ArrowColumn = 17; // right of the captions: the sub menu arrow
constexpr int SeparatorHeight = 8;
constexpr int ShortCutGap = 24; // between the longest caption and the short cuts

// One open level of a menu: the sub items of an item, drawn in a popup window.
class TPopupMenuWindow : public TCustomControl {
public:
    TPopupMenuWindow(TMenuItem* items, HWND owner) : TCustomControl(nullptr), FItems(items) {
        FOwnerWindow = owner;
        FControlStyle = csOpaque;
        Layout();
    }

    TMenuItem* ItemsOf() const { return FItems; }
    int Highlight() const { return FHighlight; }
    TMenuItem* HighlightedItem() const {
        return FHighlight >= 0 ? FItems->Items(FHighlight) : nullptr;
    }
    void SetHighlight(int index) {
        if (index == FHighlight)
            return;
        FHighlight = index;
        Repaint();
    }

    // Shows the window with its top left at a screen point.
    void ShowAt(TPoint topLeft) {
        SetBounds(topLeft.x, topLeft.y, FWidth, FHeight);
        ShowWindow(Handle(), SW_SHOWNA);
        Update();
    }

    // The index of the sub item at a screen point, -1 for none (or a separator); false when
    // the point is outside the window.
    bool ItemAt(TPoint screen, int& index) const {
        const TPoint p = ScreenToClient(screen);
        if (!PtInRect(Rect(0, 0, FWidth, FHeight), p))
            return false;
        index = -1;
        for (std::size_t i = 0; i < FRects.size(); ++i)
            if (PtInRect(FRects[i], p) && Selectable(FItems->Items(static_cast<int>(i))))
                index = static_cast<int>(i);
        return true;
    }
    // The item's rectangle on the screen.
    TRect ItemScreenRect(int index) const {
        TRect r = FRects.at(static_cast<std::size_t>(index));
        const TPoint origin = ClientOrigin();
        OffsetRect(r, origin.x, origin.y);
        return r;
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomControl::CreateParams(params);
        params.WinClassName = "#32768";
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
        params.WndParent = FOwnerWindow;
    }

    void Paint() override {
        TCanvas& canvas = *Canvas();
        TRect r = ClientRect();
        DrawEdge3D(canvas, r, TEdge::Raised);
        canvas.Brush()->SetColor(clMenu);
        canvas.FillRect(r);
        for (int i = 0; i < FItems->Count(); ++i)
            if (FItems->Items(i)->Visible())
                PaintItem(canvas, i);
    }

private:
    int TextHeight() const { return CurrentFontEngine().Metrics(Font()->Resolved()).Height(); }

    void Layout() {
        const int itemHeight = std::max(TextHeight() + 4, 17);
        int width = 0;
        int shortCutWidth = 0;
        int y = MenuBorder;
        for (int i = 0; i < FItems->Count(); ++i) {
            const TMenuItem* item = FItems->Items(i);
            if (!item->Visible()) {
                FRects.push_back({});
                continue;
            }
            const int height = item->IsLine() ? SeparatorHeight : itemHeight;
            FRects.push_back({MenuBorder, y, 0, y + height});
            y += height;
            if (!item->IsLine()) {
                TFont font;
                font.Assign(Font());
                if (item->Default())
                    font.SetStyle(font.Style() | fsBold);
                TCanvas measure;
                measure.SetFont(&font);
                width = std::max(width, TextWidth(measure, item->Caption(), 0));
                shortCutWidth =
                    std::max(shortCutWidth, TextWidth(measure, item->ShortCut(), DT_NOPREFIX));
            }
        }
        if (shortCutWidth > 0)
            width += ShortCutGap + shortCutWidth;
        FWidth = 2 * MenuBorder + CheckColumn + width + ArrowColumn;
        FHeight = y + MenuBorder;
        for (TRect& r : FRects)
            if (r.Bottom > r.Top)
                r.Right = FWidth - MenuBorder;
    }

    static int TextWidth(TCanvas& canvas, const std::string& text, unsigned format) {
        if (text.empty())
            return 0;
        TRect extent;
        DrawTextA(canvas.Handle(), text.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | format);
        return extent.Width();
    }

    void PaintItem(TCanvas& canvas, int index) {
        const TMenuItem* item = FItems->Items(index);
        const TRect r = FRects.at(static_cast<std::size_t>(index));
        if (item->IsLine()) {
            const int y = (r.Top + r.Bottom) / 2 - 1;
            canvas.Brush()->SetColor(clBtnShadow);
            canvas.FillRect({r.Left + 1, y, r.Right - 1, y + 1});
            canvas.Brush()->SetColor(clBtnHighlight);
            canvas.FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2});
            return;
        }
        const bool highlighted = index == FHighlight;
        canvas.Brush()->SetColor(highlighted ? clHighlight : clMenu);
        canvas.FillRect(r);
        canvas.SetFont(Font());
        if (item->Default())
            canvas.Font()->SetStyle(canvas.Font()->Style() | fsBold);
        const TColor text = highlighted ? clHighlightText : clMenuText;
        canvas.Brush()->SetStyle(bsClear);
        TRect caption{r.Left + CheckColumn, r.Top, r.Right - ArrowColumn, r.Bottom};
        constexpr unsigned format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
        auto draw = [&](const std::string& what, unsigned align) {
            if (!item->Enabled() && !highlighted) {
                DrawEngravedText(canvas, what, caption, format | align, clGrayText);
            } else {
                canvas.Font()->SetColor(item->Enabled() ? text : clGrayText);
                DrawTextA(canvas.Handle(), what.c_str(), -1, &caption, format | align);
            }
        };
        draw(item->Caption(), 0);
        if (!item->ShortCut().empty())
            draw(item->ShortCut(), DT_RIGHT | DT_NOPREFIX);
        const TColor mark = item->Enabled() ? text : clGrayText;
        if (item->Swatch())
            PaintSwatch(canvas, r, *item->Swatch());
        if (item->Checked())
            PaintCheck(canvas, r, item->Swatch() ? ContrastOf(*item->Swatch()) : mark);
        if (item->Count() > 0)
            PaintArrow(canvas, r, mark);
    }

    // A framed square filling the check column.
    static void PaintSwatch(TCanvas& canvas, const TRect& r, TColor color) {
        const TRect square{r.Left + 2, r.Top + 2, r.Left + CheckColumn - 2, r.Bottom - 2};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clBlack);
        canvas.FillRect(square);
        canvas.Brush()->SetColor(color);
        canvas.FillRect({square.Left + 1, square.Top + 1, square.Right - 1, square.Bottom - 1});
    }

    // Black or white, whichever shows on color.
    static TColor ContrastOf(TColor color) {
        const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
        const std::uint32_t light =
            (rgb & 0xFFu) * 3 + ((rgb >> 8) & 0xFFu) * 6 + (rgb >> 16 & 0xFFu);
        return light > 1280 ? clBlack : clWhite;
    }

    // A tick, two pixels thick, in the check column.
    static void PaintCheck(TCanvas& canvas, const TRect& r, TColor color) {
        const int x = r.Left + 5;
        const int y = (r.Top + r.Bottom) / 2 - 3;
        canvas.Pen()->SetColor(color);
        for (int dy = 0; dy < 2; ++dy) {
            canvas.MoveTo(x, y + 2 + dy);
            canvas.LineTo(x + 2, y + 4 + dy);
            canvas.LineTo(x + 7, y - 1 + dy);
        }
    }

    // A small triangle pointing right, in the arrow column.
    static void PaintArrow(TCanvas& canvas, const TRect& r, TColor color) {
        const int x = r.Right - ArrowColumn / 2 - 2;
        const int y = (r.Top + r.Bottom) / 2;
        canvas.Brush()->SetColor(color);
        for (int i = 0; i < 4; ++i)
            canvas.FillRect({x + i, y - 3 + i, x + i + 1, y + 4 - i});
    }

    TMenuItem* FItems;
    HWND FOwnerWindow = nullptr;
    std::vector<TRect> FRects; // per sub item, empty for hidden ones
    int FHighlight = -1;
};

// ---- the menu loop

// Runs while a popup menu is open. Like the system's menu loop it takes the mouse and the
// keyboard for itself: it reads the host's input before the application does and lets only
// the other events (paint, timers, posted messages, activation) through to the normal routing.
class TMenuLoop {
public:
    // The capture keeps the idle-time hover check on the menu while it is open.
    TMenuLoop(TMenuItem* items, TPoint at, TPopupAlignment alignment)
        : FOwnerWindow(GetActiveWindow()) {
        Open(items, at, alignment);
        SetCapture(FLevels.front()->Handle());
    }
    TMenuLoop(const TMenuLoop&) = delete;
    TMenuLoop& operator=(const TMenuLoop&) = delete;

    // The item chosen, or null when the menu was cancelled.
    TMenuItem* Run() {
        while (!FDone && Application && !Application->Terminated()) {
            if (std::optional<platform::HostEvent> event = platform::Host().PollEvent())
                TakeGuarded(*event);
            else
                Application->HandleMessage();
        }
        if (GetCapture() == FLevels.front()->Handle())
            ReleaseCapture();
        CloseLevels(0);
        return FChosen;
    }

private:
    void Open(TMenuItem* items, TPoint at, TPopupAlignment alignment) {
        auto window = std::make_unique<TPopupMenuWindow>(items, FOwnerWindow);
        const int w = window->Width();
        const int h = window->Height();
        if (alignment == paRight)
            at.x -= w;
        else if (alignment == paCenter)
            at.x -= w / 2;
        const TRect screen = platform::Host().ScreenRect();
        if (at.y + h > screen.Bottom)
            at.y = std::max(screen.Top, at.y - h);
        at.x = std::clamp(at.x, screen.Left, std::max(screen.Left, screen.Right - w));
        window->ShowAt(at);
        FLevels.push_back(std::move(window));
    }

    // Opens the sub items of the highlighted item of the top level beside it.
    void OpenSubMenu() {
        TPopupMenuWindow& top = *FLevels.back();
        TMenuItem* item = top.HighlightedItem();
        if (!item || !item->Enabled() || !HasVisibleItems(item))
            return;
        const TRect r = top.ItemScreenRect(top.Highlight());
        const TRect parent = top.BoundsRect();
        Open(item, {parent.Right - MenuBorder, r.Top - MenuBorder}, paLeft);
    }

    void CloseLevels(std::size_t keep) {
        while (FLevels.size() > keep)
            FLevels.pop_back();
    }

    void Finish(TMenuItem* chosen) {
        FChosen = chosen;
        FDone = true;
    }

    // Which level (from the top) and item lie under a screen point; false outside them all.
    bool Hit(TPoint screen, std::size_t& level, int& index) const {
        for (std::size_t i = FLevels.size(); i-- > 0;)
            if (FLevels[i]->ItemAt(screen, index)) {
                level = i;
                return true;
            }
        return false;
    }

    void TakeGuarded(const platform::HostEvent& e) {
        try {
            Take(e);
        } catch (...) {
            Application->HandleException(Application);
        }
        WindowManager().FlushAll();
    }

    void Take(const platform::HostEvent& e) {
        using Kind = platform::HostEvent::Kind;
        switch (e.Type) {
        case Kind::MouseMove:
        case Kind::MouseDown:
        case Kind::MouseDoubleClick:
        case Kind::MouseUp:
            SyncKeyState(e);
            Mouse(e);
            break;
        case Kind::MouseWheel:
        case Kind::KeyUp:
            SyncKeyState(e);
            break;
        case Kind::KeyDown:
            SyncKeyState(e);
            Key(e);
            break;
        case Kind::Close:
            Finish(nullptr);
            break;
        default:
            RouteHostEvent(e);
            break;
        }
    }

    void Mouse(const platform::HostEvent& e) {
        HWND top = WindowManager().FromHost(e.Window);
        if (!top)
            return;
        const TPoint origin = top->ScreenOrigin();
        const TPoint screen{origin.x + e.X, origin.y + e.Y};
        std::size_t level = 0;
        int index = -1;
        const bool inside = Hit(screen, level, index);
        using Kind = platform::HostEvent::Kind;
        if (e.Type == Kind::MouseMove) {
            if (inside)
                Point(level, index);
        } else if (e.Type == Kind::MouseUp) {
            if (inside && index >= 0 && Choosable(FLevels[level]->ItemsOf()->Items(index)))
                Finish(FLevels[level]->ItemsOf()->Items(index));
        } else if (!inside) {
            Finish(nullptr);
        }
    }

    // The pointer is over item index of a level: that level's highlight, its sub menu opened.
    void Point(std::size_t level, int index) {
        TPopupMenuWindow& window = *FLevels[level];
        const bool sameItem = window.Highlight() == index && FLevels.size() > level + 1;
        if (sameItem || index < 0)
            return;
        CloseLevels(level + 1);
        window.SetHighlight(index);
        OpenSubMenu();
    }

    void Key(const platform::HostEvent& e) {
        TPopupMenuWindow& top = *FLevels.back();
        switch (e.Key) {
        case VK_UP:
        case VK_DOWN:
            top.SetHighlight(NextSelectable(top, e.Key == VK_DOWN));
            break;
        case VK_RIGHT:
            OpenSubMenu();
            if (FLevels.size() > 1 && &top != FLevels.back().get())
                FLevels.back()->SetHighlight(NextSelectable(*FLevels.back(), true));
            break;
        case VK_LEFT:
            if (FLevels.size() > 1)
                CloseLevels(FLevels.size() - 1);
            break;
        case VK_ESCAPE:
            if (FLevels.size() > 1)
                CloseLevels(FLevels.size() - 1);
            else
                Finish(nullptr);
            break;
        case VK_RETURN:
            Enter(top.HighlightedItem());
            break;
        default:
            Accelerator(top, e);
            break;
        }
    }

    // Enter or an accelerator on an item: choose it, or open its sub menu.
    void Enter(TMenuItem* item) {
        if (!item || !item->Enabled())
            return;
        if (item->Count() > 0) {
            OpenSubMenu();
            if (FLevels.back()->ItemsOf() == item)
                FLevels.back()->SetHighlight(NextSelectable(*FLevels.back(), true));
        } else {
            Finish(item);
        }
    }

    void Accelerator(TPopupMenuWindow& top, const platform::HostEvent& e) {
        unsigned short ch = 0;
        if ((e.Key >= 'A' && e.Key <= 'Z') || (e.Key >= '0' && e.Key <= '9'))
            ch = static_cast<unsigned short>(e.Key);
        else if (e.Text.size() == 1)
            ch = static_cast<unsigned char>(e.Text[0]);
        if (ch == 0)
            return;
        TMenuItem* items = top.ItemsOf();
        for (int i = 0; i < items->Count(); ++i) {
            TMenuItem* item = items->Items(i);
            if (Selectable(item) && IsAccel(ch, item->Caption())) {
                top.SetHighlight(i);
                Enter(item);
                return;
            }
        }
    }

    static int NextSelectable(const TPopupMenuWindow& window, bool forward) {
        const TMenuItem* items = window.ItemsOf();
        const int count = items->Count();
        int i = window.Highlight();
        for (int step = 0; step < count; ++step) {
            i = forward ? (i + 1) % count : (i <= 0 ? count - 1 : i - 1);
            if (Selectable(items->Items(i)))
                return i;
        }
        return window.Highlight();
    }

    HWND FOwnerWindow;
    std::vector<std::unique_ptr<TPopupMenuWindow>> FLevels; // the root level first
    bool FDone = false;
    TMenuItem* FChosen = nullptr;
};

} // namespace

// ---- TPopupMenu

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPopupMenu>("TPopupMenu", &TPopupMenuBase::StaticClass(), [](auto& c) {
            c.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, paLeft,
                   PopupAlignmentNames);
            c.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true);
            c.Event("OnPopup", &TPopupMenu::OnPopup);
        });
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TPopupMenuBase(owner), FItems(std::make_unique<TMenuItem>(nullptr)),
      FWindowHandle(AllocateHWnd([this](TMessage& m) { WndProc(m); })) {
    FItems->FMenu = this;
}

TPopupMenu::~TPopupMenu() {
    DeallocateHWnd(FWindowHandle);
    Choose(nullptr);
}

void TPopupMenu::GetChildren(const std::function<void(TComponent*)>& visit,
                             TComponent* root) const {
    FItems->GetChildren(visit, root);
}

void TPopupMenu::DoPopup() {
    OnPopup(this);
}

void TPopupMenu::Popup(int x, int y) {
    DoPopup();
    PopupItems(FItems.get(), x, y, FAlignment);
}

void TPopupMenu::PopupItems(TMenuItem* items, int x, int y, TPopupAlignment alignment) {
    if (!HasVisibleItems(items))
        return;
    TMenuItem* chosen = nullptr;
    {
        TMenuLoop loop(items, {x, y}, alignment);
        chosen = loop.Run();
    }
    if (chosen) {
        Choose(chosen);
        PostMessage(FWindowHandle, WM_COMMAND, 0, 0);
    }
}

// Remembers the chosen item until its posted click runs, forgetting it if it is destroyed.
void TPopupMenu::Choose(TMenuItem* item) {
    if (FChosen)
        FChosen->RemoveFreeNotification(this);
    FChosen = item;
    if (FChosen)
        FChosen->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TPopupMenuBase::Notification(component, operation);
    if (operation == opRemove && component == FChosen)
        FChosen = nullptr;
}

void TPopupMenu::WndProc(TMessage& message) {
    if (message.Msg != WM_COMMAND)
        return;
    TMenuItem* item = FChosen;
    Choose(nullptr);
    if (item)
        item->Click();
}
