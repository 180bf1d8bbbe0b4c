#pragma once
// Small component classes for the form reader and writer tests. Widgets nest by parent like
// controls; every setter call is written to the shared log so tests can check order and values.

#include "framework/core/Component.h"
#include "framework/core/Strings.h"

#include <string>
#include <vector>

std::vector<std::string>& StreamLog();

enum TStreamShape { ssCircle, ssSquare, ssTriangle };
extern const std::vector<std::string> StreamShapeNames;
enum TStreamStyle : unsigned { stBold = 1 << 0, stItalic = 1 << 1, stUnderline = 1 << 2 };
extern const std::vector<std::string> StreamStyleNames;

class TStreamFont : public TPersistent {
    FRAMEWORK_CLASS(TStreamFont)
public:
    std::string Name = "Sans";
    int Height = 12;
    TColor Color = clBlack;
    unsigned Style = 0;
};

class TStreamWidget : public TComponent {
    FRAMEWORK_CLASS(TStreamWidget)
public:
    explicit TStreamWidget(TComponent* owner);
    ~TStreamWidget() override;

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TStringList* Lines() const { return FLines; }
    TStreamFont* Font() const { return FFont; }
    TStreamWidget* Buddy() const { return FBuddy; }
    void SetBuddy(TStreamWidget* value);
    const std::vector<TStreamWidget*>& Children() const { return FChildren; }
    bool LoadingSeenByLoaded() const { return FLoadingSeenByLoaded; }

    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override { return FParent; }
    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;
    void Loaded() override;

    TNotifyEvent FOnClick;
    TMouseMoveEvent FOnMove;
    TStreamShape FShape = ssCircle;
    bool FVisible = true;
    std::string FGlyph;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    std::string FCaption;
    TColor FColor = clBtnFace;
    bool FColorSet = false;
    TStringList* FLines;
    TStreamFont* FFont;
    TStreamWidget* FBuddy = nullptr;
    TStreamWidget* FParent = nullptr;
    std::vector<TStreamWidget*> FChildren;
    bool FLoadingSeenByLoaded = false;
};

// A component with no parent, listed by the root itself.
class TStreamTicker : public TComponent {
    FRAMEWORK_CLASS(TStreamTicker)
public:
    using TComponent::TComponent;
    int FInterval = 1000;
};

class TStreamForm : public TStreamWidget {
    FRAMEWORK_CLASS(TStreamForm)
public:
    using TStreamWidget::TStreamWidget;

    void ButtonClick(TObject* sender);
    void OtherClick(TObject* sender);
    void WidgetMove(TObject* sender, TShiftState shift, int x, int y);
    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;

    TStreamWidget* Button1 = nullptr;
    TStreamForm* Panel1 = nullptr; // of a class that a plain widget does not fit
    TStreamTicker* Ticker1 = nullptr;
};

// A form whose code needs one of its buttons and can do without the other.
class TStreamDialog : public TStreamWidget {
    FRAMEWORK_CLASS(TStreamDialog)
public:
    using TStreamWidget::TStreamWidget;

    TStreamWidget* OKButton = nullptr;
    TStreamWidget* HelpButton = nullptr;
};

// Registers the classes above once.
void RegisterStreamTestClasses();
