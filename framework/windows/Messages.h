#pragma once
// Window messages: the Win32 numbers the framework and its controls use, the framework's own
// notifications (CM_* from 0xB000), notifications handed back to the child they concern
// (CN_* = 0xBC00 + the WM_* number), and typed views of a message's parameters.

#include "framework/graphics/Types.h"

#include <cstdint>

class TWindow;
class TWinControl;
struct TDeviceContext;

using HWND = TWindow*;
using HDC = TDeviceContext*;
using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD = std::uint32_t;
using BYTE = unsigned char;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// --- Win32 window messages
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_ACTIVATEAPP = 0x001C,
    WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_DRAWITEM = 0x002B,
    WM_MEASUREITEM = 0x002C,
    WM_SETFONT = 0x0030,
    WM_GETFONT = 0x0031,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NOTIFY = 0x004E,
    WM_CONTEXTMENU = 0x007B,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_GETDLGCODE = 0x0087,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_DEADCHAR = 0x0103,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MOUSEFIRST = 0x0200,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_MOUSELAST = 0x020A,
    WM_CAPTURECHANGED = 0x0215,
    WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_USER = 0x0400,
};

// --- Button messages
enum : UINT {
    BM_GETCHECK = 0x00F0,
    BM_SETCHECK = 0x00F1,
    BM_GETSTATE = 0x00F2,
    BM_SETSTATE = 0x00F3,
    BM_SETSTYLE = 0x00F4,
    BM_CLICK = 0x00F5,
};

// --- The framework's notifications
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_GOTFOCUS = CM_BASE + 2,
    CM_LOSTFOCUS = CM_BASE + 3,
    CM_CANCELMODE = CM_BASE + 4,
    CM_DIALOGKEY = CM_BASE + 5,
    CM_DIALOGCHAR = CM_BASE + 6,
    CM_FOCUSCHANGED = CM_BASE + 7,
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_HITTEST = CM_BASE + 10,
    CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_CTL3DCHANGED = CM_BASE + 16,
    CM_PARENTCTL3DCHANGED = CM_BASE + 17,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
    CM_MENUCHANGED = CM_BASE + 21,
    CM_APPKEYDOWN = CM_BASE + 22,
    CM_APPSYSCOMMAND = CM_BASE + 23,
    CM_BUTTONPRESSED = CM_BASE + 24,
    CM_SHOWINGCHANGED = CM_BASE + 25,
    CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27,
    CM_DESIGNHITTEST = CM_BASE + 28,
    CM_ICONCHANGED = CM_BASE + 29,
    CM_WANTSPECIALKEY = CM_BASE + 30,
    CM_INVOKEHELP = CM_BASE + 31,
    CM_WINDOWHOOK = CM_BASE + 32,
    CM_RELEASE = CM_BASE + 33,
    CM_SHOWHINTCHANGED = CM_BASE + 34,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
    CM_SYSCOLORCHANGE = CM_BASE + 36,
    CM_WININICHANGE = CM_BASE + 37,
    CM_FONTCHANGE = CM_BASE + 38,
    CM_TIMECHANGE = CM_BASE + 39,
    CM_TABSTOPCHANGED = CM_BASE + 40,
    CM_UIACTIVATE = CM_BASE + 41,
    CM_UIDEACTIVATE = CM_BASE + 42,
    CM_DOCWINDOWACTIVATE = CM_BASE + 43,
    CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_GETDATALINK = CM_BASE + 45,
    CM_CHILDKEY = CM_BASE + 46,
    CM_DRAG = CM_BASE + 47,
    CM_HINTSHOW = CM_BASE + 48,
    CM_DIALOGHANDLE = CM_BASE + 49,
    CM_ISTOOLCONTROL = CM_BASE + 50,
    CM_RECREATEWND = CM_BASE + 51,
    CM_INVALIDATE = CM_BASE + 52,
    CM_SYSFONTCHANGED = CM_BASE + 53,
    CM_CONTROLCHANGE = CM_BASE + 54,
    CM_CHANGED = CM_BASE + 55,
};

// --- Notifications a parent hands back to the child they concern
enum : UINT {
    CN_BASE = 0xBC00,
    CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_KEYUP = CN_BASE + WM_KEYUP,
    CN_CHAR = CN_BASE + WM_CHAR,
    CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN,
    CN_SYSKEYUP = CN_BASE + WM_SYSKEYUP,
    CN_SYSCHAR = CN_BASE + WM_SYSCHAR,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_HSCROLL = CN_BASE + WM_HSCROLL,
    CN_VSCROLL = CN_BASE + WM_VSCROLL,
    CN_DRAWITEM = CN_BASE + WM_DRAWITEM,
    CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
};

// --- Key flags of mouse messages
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// --- Virtual keys
enum : unsigned short {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_CANCEL = 0x03,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_EXECUTE = 0x2B,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F10 = 0x79,
    VK_F12 = 0x7B,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
};

// --- WM_GETDLGCODE answers
enum : LRESULT {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_HASSETSEL = 0x0008,
    DLGC_DEFPUSHBUTTON = 0x0010,
    DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040,
    DLGC_WANTCHARS = 0x0080,
    DLGC_STATIC = 0x0100,
    DLGC_BUTTON = 0x2000,
};

// --- Window styles (GWL_STYLE) and extended styles (GWL_EXSTYLE)
enum : std::uint32_t {
    WS_OVERLAPPED = 0x00000000u,
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_MINIMIZE = 0x20000000u,
    WS_VISIBLE = 0x10000000u,
    WS_DISABLED = 0x08000000u,
    WS_CLIPSIBLINGS = 0x04000000u,
    WS_CLIPCHILDREN = 0x02000000u,
    WS_MAXIMIZE = 0x01000000u,
    WS_CAPTION = 0x00C00000u,
    WS_BORDER = 0x00800000u,
    WS_DLGFRAME = 0x00400000u,
    WS_VSCROLL = 0x00200000u,
    WS_HSCROLL = 0x00100000u,
    WS_SYSMENU = 0x00080000u,
    WS_THICKFRAME = 0x00040000u,
    WS_GROUP = 0x00020000u,
    WS_TABSTOP = 0x00010000u,
    WS_MINIMIZEBOX = 0x00020000u,
    WS_MAXIMIZEBOX = 0x00010000u,
    WS_OVERLAPPEDWINDOW = 0x00CF0000u,
};
enum : std::uint32_t {
    WS_EX_DLGMODALFRAME = 0x00000001u,
    WS_EX_TOPMOST = 0x00000008u,
    WS_EX_TOOLWINDOW = 0x00000080u,
    WS_EX_WINDOWEDGE = 0x00000100u,
    WS_EX_CLIENTEDGE = 0x00000200u,
    WS_EX_CONTROLPARENT = 0x00010000u,
    WS_EX_APPWINDOW = 0x00040000u,
};

// --- Button styles (the low four bits of a button's window style are its type)
enum : std::uint32_t {
    BS_PUSHBUTTON = 0x0,
    BS_DEFPUSHBUTTON = 0x1,
    BS_CHECKBOX = 0x2,
    BS_AUTOCHECKBOX = 0x3,
    BS_RADIOBUTTON = 0x4,
    BS_3STATE = 0x5,
    BS_AUTO3STATE = 0x6,
    BS_GROUPBOX = 0x7,
    BS_USERBUTTON = 0x8,
    BS_AUTORADIOBUTTON = 0x9,
    BS_OWNERDRAW = 0xB,
    BS_TYPEMASK = 0xF,
    BS_LEFTTEXT = 0x20,
    BS_MULTILINE = 0x2000,
};

// --- Owner drawing
enum : UINT { ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4, ODT_STATIC = 5 };
enum : UINT { ODA_DRAWENTIRE = 0x1, ODA_SELECT = 0x2, ODA_FOCUS = 0x4 };
enum : UINT {
    ODS_SELECTED = 0x0001,
    ODS_GRAYED = 0x0002,
    ODS_DISABLED = 0x0004,
    ODS_CHECKED = 0x0008,
    ODS_FOCUS = 0x0010,
    ODS_DEFAULT = 0x0020,
    ODS_HOTLIGHT = 0x0040,
    ODS_NOACCEL = 0x0100,
    ODS_NOFOCUSRECT = 0x0200,
};

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    ULONG_PTR itemData = 0;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    ULONG_PTR itemData = 0;
};

// --- WM_SIZE kinds
enum : WPARAM { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// --- Packing of parameters
constexpr std::uint16_t LOWORD(std::uintptr_t v) {
    return static_cast<std::uint16_t>(v & 0xFFFF);
}
constexpr std::uint16_t HIWORD(std::uintptr_t v) {
    return static_cast<std::uint16_t>((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>(low & 0xFFFF) |
                               (static_cast<std::uint32_t>(high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELPARAM(low, high)));
}
// The signed 16-bit coordinates of a mouse message.
constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l)));
}
constexpr LPARAM PointToLParam(TPoint p) {
    return MAKELPARAM(p.x, p.y);
}
constexpr TPoint LParamToPoint(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}

// --- Typed views. Each reads the parameters of a message when it is made; Result writes
// through to the message.

struct TWMMouse {
    explicit TWMMouse(TMessage& m)
        : Message(m), Msg(m.Msg), Keys(static_cast<UINT>(m.WParam)), XPos(GET_X_LPARAM(m.LParam)),
          YPos(GET_Y_LPARAM(m.LParam)), Result(m.Result) {}
    TPoint Pos() const { return {XPos, YPos}; }
    TMessage& Message;
    UINT Msg;
    UINT Keys; // MK_* flags
    int XPos;
    int YPos;
    LRESULT& Result;
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMMouseMove = TWMMouse;

// WM_MOUSEWHEEL: the position is in screen coordinates.
struct TWMMouseWheel {
    explicit TWMMouseWheel(TMessage& m)
        : Message(m), Msg(m.Msg), Keys(LOWORD(m.WParam)),
          WheelDelta(static_cast<std::int16_t>(HIWORD(m.WParam))), XPos(GET_X_LPARAM(m.LParam)),
          YPos(GET_Y_LPARAM(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    UINT Keys;
    int WheelDelta;
    int XPos;
    int YPos;
    LRESULT& Result;
};

// Key and character messages, and the dialog key and character notifications.
struct TWMKey {
    explicit TWMKey(TMessage& m)
        : Message(m), Msg(m.Msg), CharCode(static_cast<unsigned short>(m.WParam)),
          KeyData(m.LParam), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    unsigned short CharCode; // virtual key, or the character of WM_CHAR
    LPARAM KeyData;          // bit 29: Alt was down
    LRESULT& Result;
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;

// KeyData bit for a key pressed with Alt.
constexpr LPARAM KF_ALTDOWN_BIT = LPARAM{1} << 29;

struct TWMDrawItem {
    explicit TWMDrawItem(TMessage& m)
        : Message(m), Msg(m.Msg), Ctl(static_cast<UINT>(m.WParam)),
          DrawItemStruct(reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    UINT Ctl;
    DRAWITEMSTRUCT* DrawItemStruct;
    LRESULT& Result;
};

struct TWMMeasureItem {
    explicit TWMMeasureItem(TMessage& m)
        : Message(m), Msg(m.Msg), IDCtl(static_cast<UINT>(m.WParam)),
          MeasureItemStruct(reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    UINT IDCtl;
    MEASUREITEMSTRUCT* MeasureItemStruct;
    LRESULT& Result;
};

// WM_COMMAND: LParam is the child window the command comes from.
struct TWMCommand {
    explicit TWMCommand(TMessage& m)
        : Message(m), Msg(m.Msg), ItemID(LOWORD(m.WParam)), NotifyCode(HIWORD(m.WParam)),
          Ctl(reinterpret_cast<HWND>(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    UINT ItemID;
    UINT NotifyCode;
    HWND Ctl;
    LRESULT& Result;
};

// CM_FOCUSCHANGED: LParam is the newly focused control.
struct TCMFocusChanged {
    explicit TCMFocusChanged(TMessage& m)
        : Message(m), Msg(m.Msg), Sender(reinterpret_cast<TWinControl*>(m.LParam)),
          Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    TWinControl* Sender;
    LRESULT& Result;
};

using TIMERPROC = void (*)(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);

// WM_TIMER: WParam the timer id, LParam the callback, if any.
struct TWMTimer {
    explicit TWMTimer(TMessage& m)
        : Message(m), Msg(m.Msg), TimerID(m.WParam),
          TimerProc(reinterpret_cast<TIMERPROC>(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    UINT_PTR TimerID;
    TIMERPROC TimerProc;
    LRESULT& Result;
};

// WM_PAINT and WM_ERASEBKGND: WParam is the device context to draw on.
struct TWMPaint {
    explicit TWMPaint(TMessage& m)
        : Message(m), Msg(m.Msg), DC(reinterpret_cast<HDC>(m.WParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    HDC DC;
    LRESULT& Result;
};
using TWMEraseBkgnd = TWMPaint;

struct TWMSize {
    explicit TWMSize(TMessage& m)
        : Message(m), Msg(m.Msg), SizeType(m.WParam), Width(LOWORD(m.LParam)),
          Height(HIWORD(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    WPARAM SizeType;
    int Width;
    int Height;
    LRESULT& Result;
};

// WM_SETFOCUS and WM_KILLFOCUS: WParam is the window losing or gaining the focus.
struct TWMFocus {
    explicit TWMFocus(TMessage& m)
        : Message(m), Msg(m.Msg), FocusedWnd(reinterpret_cast<HWND>(m.WParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    HWND FocusedWnd;
    LRESULT& Result;
};
using TWMSetFocus = TWMFocus;
using TWMKillFocus = TWMFocus;

// WM_CONTEXTMENU: the position is in screen coordinates.
struct TWMContextMenu {
    explicit TWMContextMenu(TMessage& m)
        : Message(m), Msg(m.Msg), hWnd(reinterpret_cast<HWND>(m.WParam)),
          XPos(GET_X_LPARAM(m.LParam)), YPos(GET_Y_LPARAM(m.LParam)), Result(m.Result) {}
    TMessage& Message;
    UINT Msg;
    HWND hWnd;
    int XPos;
    int YPos;
    LRESULT& Result;
};
