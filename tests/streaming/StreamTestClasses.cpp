#include "tests/streaming/StreamTestClasses.h"

#include "framework/core/ClassBuilder.h"

#include <algorithm>

std::vector<std::string>& StreamLog() {
    static std::vector<std::string> log;
    return log;
}

const std::vector<std::string> StreamShapeNames{"ssCircle", "ssSquare", "ssTriangle"};
const std::vector<std::string> StreamStyleNames{"stBold", "stItalic", "stUnderline"};

const TClassInfo& TStreamFont::StaticClass() {
    static const TClassInfo info = DescribeClass<TStreamFont>(
        "TStreamFont", &TPersistent::StaticClass(), [](TClassBuilder<TStreamFont>& c) {
            c.String("Name", &TStreamFont::Name, &TStreamFont::Name, "Sans");
            c.Int("Height", &TStreamFont::Height, &TStreamFont::Height, 12);
            c.Color("Color", &TStreamFont::Color, &TStreamFont::Color, clBlack);
            c.Set("Style", &TStreamFont::Style, &TStreamFont::Style, 0, StreamStyleNames);
        });
    return info;
}

const TClassInfo& TStreamWidget::StaticClass() {
    static const TClassInfo info = DescribeClass<TStreamWidget>(
        "TStreamWidget", &TComponent::StaticClass(), [](TClassBuilder<TStreamWidget>& c) {
            using W = TStreamWidget;
            c.Int("Min", &W::Min, &W::SetMin, 0);
            c.Int("Max", &W::Max, &W::SetMax, 10);
            c.Int("Position", &W::Position, &W::SetPosition, 0);
            c.String("Caption", &W::Caption, &W::SetCaption);
            c.Color("Color", &W::Color, &W::SetColor).IsStored = [](const TObject& o) {
                return static_cast<const W&>(o).FColorSet;
            };
            c.Enum("Shape", &W::FShape, &W::FShape, ssCircle, StreamShapeNames);
            c.Bool("Visible", &W::FVisible, &W::FVisible, true);
            c.Strings("Lines", &W::Lines);
            c.Object("Font", &W::Font);
            c.Resource("Glyph", &W::FGlyph, &W::FGlyph);
            c.Component("Buddy", &W::Buddy, &W::SetBuddy);
            c.Event("OnClick", &W::FOnClick);
            c.Event("OnMove", &W::FOnMove);
        });
    return info;
}

TStreamWidget::TStreamWidget(TComponent* owner)
    : TComponent(owner), FLines(new TStringList), FFont(new TStreamFont) {}

TStreamWidget::~TStreamWidget() {
    for (TStreamWidget* child : FChildren)
        child->FParent = nullptr;
    if (FParent)
        std::erase(FParent->FChildren, this);
    delete FLines;
    delete FFont;
}

void TStreamWidget::SetMin(int value) {
    StreamLog().push_back(Name() + ".Min=" + std::to_string(value));
    FMin = value;
    FMax = std::max(FMax, FMin);
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TStreamWidget::SetMax(int value) {
    StreamLog().push_back(Name() + ".Max=" + std::to_string(value));
    FMax = std::max(value, FMin);
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TStreamWidget::SetPosition(int value) {
    StreamLog().push_back(Name() + ".Position=" + std::to_string(value));
    FPosition = std::clamp(value, FMin, FMax);
}

void TStreamWidget::SetCaption(const std::string& value) {
    StreamLog().push_back(Name() + ".Caption=" + value);
    FCaption = value;
}

void TStreamWidget::SetColor(TColor value) {
    FColor = value;
    FColorSet = true;
}

void TStreamWidget::SetBuddy(TStreamWidget* value) {
    if (FBuddy)
        FBuddy->RemoveFreeNotification(this);
    FBuddy = value;
    if (FBuddy)
        FBuddy->FreeNotification(this);
}

void TStreamWidget::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FBuddy)
        FBuddy = nullptr;
}

void TStreamWidget::SetParentComponent(TComponent* parent) {
    if (FParent)
        std::erase(FParent->FChildren, this);
    FParent = dynamic_cast<TStreamWidget*>(parent);
    if (FParent)
        FParent->FChildren.push_back(this);
}

void TStreamWidget::GetChildren(const std::function<void(TComponent*)>& visit,
                                TComponent* root) const {
    for (TStreamWidget* child : FChildren)
        if (child->Owner() == root)
            visit(child);
}

void TStreamWidget::Loaded() {
    FLoadingSeenByLoaded = IsLoading();
    TComponent::Loaded();
    StreamLog().push_back("Loaded " + Name());
}

const TClassInfo& TStreamTicker::StaticClass() {
    static const TClassInfo info = DescribeClass<TStreamTicker>(
        "TStreamTicker", &TComponent::StaticClass(), [](TClassBuilder<TStreamTicker>& c) {
            c.Int("Interval", &TStreamTicker::FInterval, &TStreamTicker::FInterval, 1000);
        });
    return info;
}

const TClassInfo& TStreamForm::StaticClass() {
    static const TClassInfo info = DescribeClass<TStreamForm>(
        "TStreamForm", &TStreamWidget::StaticClass(), [](TClassBuilder<TStreamForm>& c) {
            c.Method("ButtonClick", &TStreamForm::ButtonClick);
            c.Method("OtherClick", &TStreamForm::OtherClick);
            c.Method("WidgetMove", &TStreamForm::WidgetMove);
            // Tests describe this form in many shapes, most of them without these components.
            c.Field("Button1", &TStreamForm::Button1).Optional = true;
            c.Field("Panel1", &TStreamForm::Panel1).Optional = true;
            c.Field("Ticker1", &TStreamForm::Ticker1).Optional = true;
        });
    return info;
}

void TStreamForm::ButtonClick(TObject* sender) {
    StreamLog().push_back("ButtonClick " + static_cast<TComponent*>(sender)->Name());
}

void TStreamForm::OtherClick(TObject*) {
    StreamLog().push_back("OtherClick");
}

void TStreamForm::WidgetMove(TObject*, TShiftState, int x, int y) {
    StreamLog().push_back("WidgetMove " + std::to_string(x) + "," + std::to_string(y));
}

void TStreamForm::GetChildren(const std::function<void(TComponent*)>& visit,
                              TComponent* root) const {
    TComponent::GetChildren(visit, root);
    TStreamWidget::GetChildren(visit, root);
}

const TClassInfo& TStreamDialog::StaticClass() {
    static const TClassInfo info = DescribeClass<TStreamDialog>(
        "TStreamDialog", &TStreamWidget::StaticClass(), [](TClassBuilder<TStreamDialog>& c) {
            c.Field("OKButton", &TStreamDialog::OKButton);
            c.Field("HelpButton", &TStreamDialog::HelpButton).Optional = true;
        });
    return info;
}

void RegisterStreamTestClasses() {
    RegisterClass(TStreamWidget::StaticClass());
    RegisterClass(TStreamTicker::StaticClass());
    RegisterClass(TStreamForm::StaticClass());
    RegisterClass(TStreamDialog::StaticClass());
}
