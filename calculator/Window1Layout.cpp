#include "Window1Layout.h"

#include "StreamBytes.h"

#include <cstdint>

namespace {

using namespace streamdata;

// Layout tables: one line per property, in stream order.
// clang-format off

using WindowStream = Stream<
    I<"Placement", 2>,
    I<"Width", 990>,
    I<"Height", 690>,
    I<"MinWidth", 940>,
    I<"MinHeight", 690>,
    I<"MaxWidth", 1680>,
    I<"MaxHeight", 1050>,
    I<"Frame", 9>,
    B<"Composite", true>,
    B<"HasBackColor", false>,
    C<"BackColor", 0xFFFFFF>,
    S<"Title", "lumaDex">,
    B<"Visible", true>,
    B<"FullScreen", false>,
    B<"MenuBarVisible", true>,
    B<"CloseButton", true>,
    B<"Resizeable", true>,
    B<"LiveResize", true>,
    B<"MaximizeButton", true>,
    B<"MinimizeButton", true>,
    I<"MacProcID", 0>>;
static_assert(WindowStream::bytes.size() == 274);

// The keypad panel and the tape panel: white, framed by a one-pixel black line.
template <Text Name, Box At, Locks Lock, int Tab>
using Panel = Control<"Rectangle", Name, At, Lock,
    I<"TabIndex", Tab>,
    I<"TabPanelIndex", 0>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    C<"FillColor", 0xFFFFFF>,
    I<"BorderWidth", 1>,
    C<"TopLeftColor", 0x000000>,
    C<"BottomRightColor", 0x000000>,
    S<"InitialParent", "">>;

// The paper tape: description, value and operator columns, no rows yet.
using Tape = Control<"Listbox", "ListBox1", Box{490, 23, 483, 585}, "1111",
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 0>,
    B<"TabStop", true>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    B<"Border", true>,
    I<"ColumnCount", 3>,
    S<"ColumnWidths", "50%,35%,15%">,
    B<"HasHeading", false>,
    B<"UseFocusRing", false>,
    S<"InitialValue", "">,
    I<"HeadingIndex", -1>,
    B<"ScrollbarHorizontal", false>,
    B<"ScrollBarVertical", true>,
    I<"GridLinesHorizontal", 2>,
    I<"GridLinesVertical", 2>,
    I<"DefaultRowHeight", -1>,
    I<"_ScrollWidth", -1>,
    I<"_ScrollOffset", 0>,
    FontKeys<"Monaco">,
    B<"Hierarchical", false>,
    B<"EnableDrag", false>,
    B<"EnableDragReorder", false>,
    B<"RequiresSelection", false>,
    I<"SelectionType", 0>,
    B<"ColumnsResizable", false>,
    B<"AutoHideScrollbars", true>,
    S<"DataSource", "">,
    S<"DataField", "">,
    S<"InitialParent", "Rectangle2">>;

// What sets the buttons apart beyond place, caption and font.
struct ButtonLook {
    int captionAlign;
    int captionDelta;
    int bevel;
    std::uint32_t backColor;
    std::uint32_t textColor;
    bool bold;
};

constexpr ButtonLook kKey{.captionAlign = 3, .captionDelta = 0, .bevel = 3,
                          .backColor = 0x9A9A9A, .textColor = 0x000000, .bold = true};
// The double-width keys set their caption at the left, 20 pixels in.
constexpr ButtonLook kWideKey{.captionAlign = 0, .captionDelta = 20, .bevel = 3,
                              .backColor = 0x9A9A9A, .textColor = 0x000000, .bold = true};
constexpr ButtonLook kTapeButton{.captionAlign = 3, .captionDelta = 0, .bevel = 2,
                                 .backColor = 0x000000, .textColor = 0x000000, .bold = false};

// Every button keeps the framework's face (HasBackColor False) and never
// takes the keyboard focus.
template <Text Name, Box At, Locks Lock, int Tab, Text Parent, Text Caption, ButtonLook Look,
          Text Font>
using Button = Control<"BevelButton", Name, At, Lock,
    I<"TabPanelIndex", 0>,
    I<"TabIndex", Tab>,
    B<"TabStop", true>,
    S<"InitialParent", Parent>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    S<"Caption", Caption>,
    I<"CaptionAlign", Look.captionAlign>,
    I<"CaptionPlacement", 1>,
    I<"CaptionDelta", Look.captionDelta>,
    I<"IconAlign", 0>,
    I<"IconDX", 0>,
    I<"IconDY", 0>,
    I<"Bevel", Look.bevel>,
    I<"HasMenu", 0>,
    B<"HasBackColor", false>,
    C<"BackColor", Look.backColor>,
    C<"TextColor", Look.textColor>,
    B<"Value", false>,
    I<"MenuValue", 0>,
    I<"ButtonType", 0>,
    B<"AcceptFocus", false>,
    FontKeys<Font, Look.bold>>;

template <Text Name, Box At, int Tab, Text Caption, ButtonLook Look = kKey>
using KeypadKey = Button<Name, At, "1100", Tab, "Rectangle1", Caption, Look, "System">;

template <Text Name, Box At, int Tab, Text Caption>
using MemoryKey = Button<Name, At, "1100", Tab, "Rectangle1", Caption, kKey, "Arial Black">;

template <Text Name, Box At, int Tab, Text Caption>
using TapeButton = Button<Name, At, "0011", Tab, "Rectangle2", Caption, kTapeButton, "System">;

// The tape's text size in points.
using TextSizeSlider = Control<"Slider", "Slider1", Box{511, 635, 202, 16}, "1011",
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 2>,
    B<"TabStop", true>,
    B<"Enabled", true>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    I<"Minimum", 12>,
    I<"Value", 32>,
    I<"Maximum", 64>,
    I<"LineStep", 1>,
    I<"PageStep", 20>,
    B<"LiveScroll", true>,
    I<"TickStyle", 0>,
    S<"InitialParent", "Rectangle2">>;

// A centred one-line label.
template <Text Name, Box At, Locks Lock, int Tab, Text Parent, Text Shows, std::uint32_t Ink,
          bool Shown, Text Font>
using Sign = LabelControl<Name, At, Lock, Tab, Parent, Shows, 1, Ink, false, Shown, FontKeys<Font>>;

// The box behind the text-size read-out.
using ReadoutBox = Control<"RoundRectangle", "tRect", Box{491, 99, 482, 100}, "1100",
    I<"TabIndex", 2>,
    I<"TabPanelIndex", 0>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    C<"FillColor", 0x7B7B7B>,
    I<"BorderWidth", 1>,
    C<"BorderColor", 0x000000>,
    I<"OvalWidth", 16>,
    I<"OvalHeight", 16>,
    S<"InitialParent", "">>;

// The display: white on black, right-aligned, changed only by the handlers.
using Display = Control<"TextField", "LCD", Box{30, 28, 410, 70}, "1100",
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 16>,
    B<"TabStop", true>,
    B<"Border", true>,
    B<"Password", false>,
    B<"UseFocusRing", true>,
    C<"TextColor", 0xFFFFFF>,
    C<"BackColor", 0x000000>,
    B<"Enabled", true>,
    S<"Format", "">,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    FontKeys<"Monaco">,
    S<"CueText", "">,
    S<"Text", "0">,
    S<"Mask", "">,
    B<"ReadOnly", true>,
    I<"LimitText", 0>,
    B<"AcceptTabs", false>,
    I<"Alignment", 3>,
    B<"AutomaticallyCheckSpelling", false>,
    S<"DataSource", "">,
    S<"DataField", "">,
    S<"InitialParent", "Rectangle1">>;

// clang-format on

// Creation order; the number is the text size set before the stream.
// clang-format off
constexpr ControlLayout kControls[] = {
    Row<Panel<"Rectangle2", Box{480, 14, 503, 658}, "1111", 1>>(),
    Row<Tape>(32),
    Row<TapeButton<"BevelButton21", Box{891, 620, 82, 37}, 1, "Clear">>(24),
    Row<TextSizeSlider>(),
    Row<TapeButton<"BevelButton22", Box{795, 620, 82, 37}, 3, "Print">>(24),
    Row<Sign<"StaticText1", Box{489, 628, 14, 20}, "1001", 4, "Rectangle2", "A", 0x000000, true,
             "Times">>(),
    Row<Sign<"StaticText2", Box{722, 606, 32, 64}, "0011", 5, "Rectangle2", "A", 0x3F3F3F, true,
             "Times">>(44),
    Row<ReadoutBox>(),
    Row<Sign<"tSIze", Box{514, 107, 437, 93}, "1110", 0, "tRect", "32 pt.", 0xE2FFFF, false,
             "Arial Black">>(56),
    Row<Panel<"Rectangle1", Box{10, 14, 450, 658}, "1100", 0>>(),
    Row<KeypadKey<"BevelButton1", Box{30, 292, 80, 80}, 0, "7">>(72),
    Row<KeypadKey<"BevelButton3", Box{140, 292, 80, 80}, 1, "8">>(72),
    Row<KeypadKey<"BevelButton4", Box{248, 291, 80, 80}, 2, "9">>(72),
    Row<KeypadKey<"BevelButton5", Box{30, 384, 80, 80}, 3, "4">>(72),
    Row<KeypadKey<"BevelButton6", Box{140, 384, 80, 80}, 4, "5">>(72),
    Row<KeypadKey<"BevelButton7", Box{250, 384, 80, 80}, 5, "6">>(72),
    Row<KeypadKey<"BevelButton8", Box{30, 476, 80, 80}, 6, "1">>(72),
    Row<KeypadKey<"BevelButton9", Box{140, 476, 80, 80}, 7, "2">>(72),
    Row<KeypadKey<"BevelButton10", Box{250, 476, 80, 80}, 8, "3">>(72),
    Row<KeypadKey<"BevelButton11", Box{30, 568, 190, 80}, 9, "0", kWideKey>>(72),
    Row<KeypadKey<"BevelButton12", Box{250, 568, 80, 80}, 10, ".">>(72),
    Row<KeypadKey<"BevelButton14", Box{30, 200, 190, 80}, 11, "C", kWideKey>>(72),
    Row<KeypadKey<"BevelButton16", Box{250, 200, 80, 80}, 12, "/">>(72),
    Row<KeypadKey<"BevelButton17", Box{360, 291, 80, 80}, 13, "-">>(72),
    Row<KeypadKey<"BevelButton18", Box{360, 384, 80, 80}, 14, "+">>(72),
    Row<KeypadKey<"BevelButton19", Box{360, 200, 80, 80}, 15, "*">>(72),
    Row<Display>(50),
    Row<KeypadKey<"BevelButton20", Box{360, 476, 80, 172}, 17, "=">>(72),
    Row<MemoryKey<"MClear", Box{30, 116, 94, 61}, 18, "MC">>(46),
    Row<MemoryKey<"MAdd", Box{138, 116, 90, 61}, 19, "M+">>(46),
    Row<MemoryKey<"MSubtract", Box{242, 116, 90, 61}, 20, "M-">>(46),
    Row<MemoryKey<"MShow", Box{346, 116, 94, 61}, 21, "MR">>(46),
};
// clang-format on

} // namespace

std::string_view Window1WindowStream() { return WindowStream::view(); }

std::span<const ControlLayout> Window1Controls() { return kControls; }
