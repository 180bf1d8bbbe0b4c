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
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETREDRAW = 0x000B;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_ACTIVATEAPP = 0x001C;
inline constexpr UINT WM_CANCELMODE = 0x001F;
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_MOUSEACTIVATE = 0x0021;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_MEASUREITEM = 0x002C;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_HELP = 0x0053;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_NCPAINT = 0x0085;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_KEYFIRST = 0x0100;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_DEADCHAR = 0x0103;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_SYSCHAR = 0x0106;
inline constexpr UINT WM_KEYLAST = 0x0109;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr UINT WM_MOUSEFIRST = 0x0200;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_MOUSELAST = 0x020A;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
// The window moved to a screen of another scale; WParam: its pixels per inch, in both words.
inline constexpr UINT WM_DPICHANGED = 0x02E0;
inline constexpr UINT WM_CUT = 0x0300;
inline constexpr UINT WM_COPY = 0x0301;
inline constexpr UINT WM_PASTE = 0x0302;
inline constexpr UINT WM_CLEAR = 0x0303;
inline constexpr UINT WM_UNDO = 0x0304;
inline constexpr UINT WM_USER = 0x0400;

// --- Button messages
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;

// --- The framework's notifications
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
inline constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_HITTEST = CM_BASE + 10;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
inline constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
inline constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
inline constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
inline constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
inline constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr UINT CM_WININICHANGE = CM_BASE + 37;
inline constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
inline constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
inline constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
inline constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
inline constexpr UINT CM_GETDATALINK = CM_BASE + 45;
inline constexpr UINT CM_CHILDKEY = CM_BASE + 46;
inline constexpr UINT CM_DRAG = CM_BASE + 47;
inline constexpr UINT CM_HINTSHOW = CM_BASE + 48;
inline constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
inline constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
inline constexpr UINT CM_INVALIDATE = CM_BASE + 52;
inline constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
inline constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
inline constexpr UINT CM_CHANGED = CM_BASE + 55;
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
inline constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;

// --- Notifications a parent hands back to the child they concern
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSKEYUP = CN_BASE + WM_SYSKEYUP;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// --- Key flags of mouse messages
inline constexpr UINT MK_LBUTTON = 0x0001;
inline constexpr UINT MK_RBUTTON = 0x0002;
inline constexpr UINT MK_SHIFT = 0x0004;
inline constexpr UINT MK_CONTROL = 0x0008;
inline constexpr UINT MK_MBUTTON = 0x0010;

// --- Virtual keys
inline constexpr unsigned short VK_LBUTTON = 0x01;
inline constexpr unsigned short VK_RBUTTON = 0x02;
inline constexpr unsigned short VK_CANCEL = 0x03;
inline constexpr unsigned short VK_MBUTTON = 0x04;
inline constexpr unsigned short VK_BACK = 0x08;
inline constexpr unsigned short VK_TAB = 0x09;
inline constexpr unsigned short VK_CLEAR = 0x0C;
inline constexpr unsigned short VK_RETURN = 0x0D;
inline constexpr unsigned short VK_SHIFT = 0x10;
inline constexpr unsigned short VK_CONTROL = 0x11;
inline constexpr unsigned short VK_MENU = 0x12;
inline constexpr unsigned short VK_PAUSE = 0x13;
inline constexpr unsigned short VK_CAPITAL = 0x14;
inline constexpr unsigned short VK_ESCAPE = 0x1B;
inline constexpr unsigned short VK_SPACE = 0x20;
inline constexpr unsigned short VK_PRIOR = 0x21;
inline constexpr unsigned short VK_NEXT = 0x22;
inline constexpr unsigned short VK_END = 0x23;
inline constexpr unsigned short VK_HOME = 0x24;
inline constexpr unsigned short VK_LEFT = 0x25;
inline constexpr unsigned short VK_UP = 0x26;
inline constexpr unsigned short VK_RIGHT = 0x27;
inline constexpr unsigned short VK_DOWN = 0x28;
inline constexpr unsigned short VK_SELECT = 0x29;
inline constexpr unsigned short VK_PRINT = 0x2A;
inline constexpr unsigned short VK_EXECUTE = 0x2B;
inline constexpr unsigned short VK_SNAPSHOT = 0x2C;
inline constexpr unsigned short VK_INSERT = 0x2D;
inline constexpr unsigned short VK_DELETE = 0x2E;
inline constexpr unsigned short VK_HELP = 0x2F;
inline constexpr unsigned short VK_LWIN = 0x5B;
inline constexpr unsigned short VK_RWIN = 0x5C;
inline constexpr unsigned short VK_APPS = 0x5D;
inline constexpr unsigned short VK_NUMPAD0 = 0x60;
inline constexpr unsigned short VK_MULTIPLY = 0x6A;
inline constexpr unsigned short VK_ADD = 0x6B;
inline constexpr unsigned short VK_SEPARATOR = 0x6C;
inline constexpr unsigned short VK_SUBTRACT = 0x6D;
inline constexpr unsigned short VK_DECIMAL = 0x6E;
inline constexpr unsigned short VK_DIVIDE = 0x6F;
inline constexpr unsigned short VK_F1 = 0x70;
inline constexpr unsigned short VK_F10 = 0x79;
inline constexpr unsigned short VK_F12 = 0x7B;
inline constexpr unsigned short VK_NUMLOCK = 0x90;
inline constexpr unsigned short VK_SCROLL = 0x91;
inline constexpr unsigned short VK_LSHIFT = 0xA0;
inline constexpr unsigned short VK_RSHIFT = 0xA1;
inline constexpr unsigned short VK_LCONTROL = 0xA2;
inline constexpr unsigned short VK_RCONTROL = 0xA3;
inline constexpr unsigned short VK_LMENU = 0xA4;
inline constexpr unsigned short VK_RMENU = 0xA5;

// --- WM_GETDLGCODE answers
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// --- Window styles (GWL_STYLE) and extended styles (GWL_EXSTYLE)
// The thickness of the strip that WS_HSCROLL or WS_VSCROLL keeps for a scroll bar.
inline constexpr int ScrollBarSize = 16;
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000u;
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000u;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000u;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t WS_MAXIMIZE = 0x01000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000u;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000u;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t WS_GROUP = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;
inline constexpr std::uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000u;
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001u;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008u;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080u;
inline constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100u;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200u;
inline constexpr std::uint32_t WS_EX_LEFTSCROLLBAR = 0x00004000u;
inline constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000u;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t WS_EX_NOACTIVATE = 0x08000000u;

// --- Button styles (the low four bits of a button's window style are its type)
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t BS_CHECKBOX = 0x2;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr std::uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr std::uint32_t BS_3STATE = 0x5;
inline constexpr std::uint32_t BS_AUTO3STATE = 0x6;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7;
inline constexpr std::uint32_t BS_USERBUTTON = 0x8;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr std::uint32_t BS_OWNERDRAW = 0xB;
inline constexpr std::uint32_t BS_TYPEMASK = 0xF;
inline constexpr std::uint32_t BS_LEFTTEXT = 0x20;
inline constexpr std::uint32_t BS_MULTILINE = 0x2000;

// --- Owner drawing
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODT_LISTBOX = 2;
inline constexpr UINT ODT_COMBOBOX = 3;
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 0x1;
inline constexpr UINT ODA_SELECT = 0x2;
inline constexpr UINT ODA_FOCUS = 0x4;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;
inline constexpr UINT ODS_FOCUS = 0x0010;
inline constexpr UINT ODS_DEFAULT = 0x0020;
inline constexpr UINT ODS_HOTLIGHT = 0x0040;
inline constexpr UINT ODS_NOACCEL = 0x0100;
inline constexpr UINT ODS_NOFOCUSRECT = 0x0200;

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
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;

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
