#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "controls/xTrackBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// What every component and control publishes.
const std::vector<std::string> Always = {"Tag",         "Left",       "Top",  "Width",
                                         "Height",      "Cursor",     "Hint", "HelpType",
                                         "HelpKeyword", "HelpContext"};

const std::vector<std::string> Dragging = {"DragCursor", "DragKind", "DragMode"};
const std::vector<std::string> DragEvents = {"OnDragDrop", "OnDragOver", "OnEndDrag",
                                             "OnStartDrag"};
const std::vector<std::string> KeyEvents = {"OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                            "OnKeyUp"};
const std::vector<std::string> MouseEvents = {"OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"};

struct PublishedCase {
    const TClassInfo& (*Class)();
    // The class's own properties in declaration order, then the inherited ones it publishes.
    std::vector<std::string> Own;
    std::vector<std::vector<std::string>> Inherited;
};

std::vector<std::string> Names(const std::vector<const TPropInfo*>& props) {
    std::vector<std::string> names;
    for (const TPropInfo* p : props)
        names.push_back(p->Name);
    return names;
}

class PublishedProperties : public testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedProperties, AreExactlyTheClassesListInDeclarationOrder) {
    const PublishedCase& c = GetParam();
    const TClassInfo& info = c.Class();
    const std::vector<std::string> published = Names(info.AllProperties());

    std::set<std::string> expected(Always.begin(), Always.end());
    expected.insert(c.Own.begin(), c.Own.end());
    for (const auto& group : c.Inherited)
        expected.insert(group.begin(), group.end());
    EXPECT_EQ(std::set<std::string>(published.begin(), published.end()), expected) << info.Name;

    // Inherited properties come first; the class's new ones follow in their declared order.
    std::vector<std::string> introduced;
    for (const std::string& name : published)
        if (!info.Parent->FindProperty(name) &&
            std::find(c.Own.begin(), c.Own.end(), name) != c.Own.end())
            introduced.push_back(name);
    std::vector<std::string> declared;
    for (const std::string& name : c.Own)
        if (!info.Parent->FindProperty(name))
            declared.push_back(name);
    EXPECT_EQ(introduced, declared) << info.Name;
    EXPECT_TRUE(std::is_partitioned(published.begin(), published.end(),
                                    [&](const std::string& name) {
                                        return std::find(introduced.begin(), introduced.end(),
                                                         name) == introduced.end();
                                    }))
        << info.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PublishedProperties,
    testing::Values(
        PublishedCase{
            &TStrokeBar::StaticClass,
            {"OnChanging", "Caption", "ShowLimit", "ShowValue", "MarginBottom", "MarginTop", "Max",
             "Min", "Value", "BackBarColor", "BackGroundColor", "BarColor", "HighlightColor",
             "BevelInner", "BevelOuter"},
            {{"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
              "OnMouseMove", "OnMouseUp", "OnStartDrag"},
             {"Align", "Enabled", "Font", "ParentFont", "ParentShowHint", "ShowHint", "Visible"}}},
        PublishedCase{&TxGauge::StaticClass,
                      {"ShowText", "BarForeColor", "BarBackColor", "TextForeColor", "TextBackColor",
                       "Border", "Min", "Max", "Position"},
                      {{"Align", "Font", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint",
                        "Visible"}}},
        PublishedCase{
            &TColorButton::StaticClass,
            {"CaptionLines", "Color", "OnMouseEnter", "OnMouseLeave", "CapAlignH", "CapAlignV",
             "ButtonStyle", "CapFixed", "Focusline", "CapOffsetH", "CapOffsetV", "FrameColor",
             "EdgeHighlight", "EdgeShadow"},
            {{"Action",      "Align",          "Anchors",    "BiDiMode",       "Cancel",
              "Caption",     "Constraints",    "Default",    "Enabled",        "Font",
              "ModalResult", "ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu",
              "ShowHint",    "TabOrder",       "TabStop",    "Visible",        "OnContextPopup"},
             Dragging,
             DragEvents,
             KeyEvents,
             MouseEvents}},
        PublishedCase{
            &TCuteButton::StaticClass,
            {"Brush", "BevelHighlightColor", "BevelShadowColor", "DisabledColor", "DropDownDelay",
             "DropDownMenu", "EgnoreContClick", "Flat", "Layout", "MarginX", "MarginY",
             "ShowFocusRect", "TabFocusUp", "UseDisabledColor", "OnMouseEnter", "OnMouseLeave"},
            {{"Action",         "Anchors",   "Alignment",      "BevelWidth",  "BorderStyle",
              "BiDiMode",       "Brush",     "Caption",        "Color",       "Constraints",
              "Enabled",        "Font",      "ParentBiDiMode", "ParentColor", "ParentFont",
              "ParentShowHint", "PopupMenu", "ShowHint",       "TabOrder",    "TabStop",
              "Visible"},
             Dragging,
             DragEvents,
             KeyEvents,
             MouseEvents}},
        PublishedCase{
            &TNumberEdit::StaticClass,
            {"MaxValue", "MinValue", "Value"},
            {{"Anchors",        "AutoSelect",     "AutoSize",    "BiDiMode",    "BorderStyle",
              "CharCase",       "Color",          "Constraints", "Ctl3D",       "Enabled",
              "Font",           "HideSelection",  "ImeMode",     "ImeName",     "MaxLength",
              "OEMConvert",     "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
              "ParentShowHint", "PasswordChar",   "PopupMenu",   "ReadOnly",    "ShowHint",
              "TabOrder",       "TabStop",        "Visible",     "OnChange",    "OnDblClick"},
             Dragging,
             DragEvents,
             KeyEvents,
             MouseEvents}},
        PublishedCase{&TxTrackBar::StaticClass,
                      {"EnableSelRange"},
                      {{"Align",       "Anchors",        "BorderWidth", "Ctl3D",     "Enabled",
                        "Constraints", "LineSize",       "Max",         "Min",       "Orientation",
                        "ParentCtl3D", "ParentShowHint", "PageSize",    "PopupMenu", "Frequency",
                        "Position",    "SliderVisible",  "SelEnd",      "SelStart",  "ShowHint",
                        "TabOrder",    "TabStop",        "ThumbLength", "TickMarks", "TickStyle",
                        "Visible",     "OnContextPopup", "OnChange"},
                       Dragging,
                       DragEvents,
                       KeyEvents}}),
    [](const testing::TestParamInfo<PublishedCase>& param) { return param.param.Class().Name; });

} // namespace
