#include "prefsWinLayout.h"

#include "StreamBytes.h"

namespace {

using namespace streamdata;

// Layout tables: one line per property, in stream order.
// clang-format off

using WindowStream = Stream<
    I<"Placement", 0>,
    I<"Width", 720>,
    I<"Height", 537>,
    I<"MinWidth", 64>,
    I<"MinHeight", 64>,
    I<"MaxWidth", 32000>,
    I<"MaxHeight", 32000>,
    I<"Frame", 8>,
    B<"Composite", false>,
    B<"HasBackColor", true>,
    C<"BackColor", 0xCFCFCF>,
    S<"Title", "Untitled">,
    B<"Visible", true>,
    B<"FullScreen", false>,
    B<"MenuBarVisible", true>,
    B<"CloseButton", true>,
    B<"Resizeable", true>,
    B<"LiveResize", false>,
    B<"MaximizeButton", true>,
    B<"MinimizeButton", true>,
    I<"MacProcID", 0>>;

// The dialog's one font, italic only on the group boxes' captions.
template <bool Italic> using SystemFont = FontKeys<"System", false, Italic>;

// Every control is locked to the left and top edges only, so resizing the
// dialog moves none of them.
constexpr Locks kTopLeft = "1100";

// A frame with an italic caption around a group of settings.
template <Text Name, Box At, int Tab, Text Caption>
using Group = Control<"GroupBox", Name, At, kTopLeft,
    I<"TabPanelIndex", 0>,
    I<"TabIndex", Tab>,
    S<"Caption", Caption>,
    B<"Enabled", true>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    SystemFont<true>,
    S<"InitialParent", "">>;

// The decimal places, one item per choice of decimali, separated by
// carriage returns.
using DecimalsPopup = Control<"PopupMenu", "PopupMenu1", Box{301, 106, 155, 56}, kTopLeft,
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 0>,
    B<"TabStop", true>,
    B<"Enabled", true>,
    S<"InitialValue", "#.0\r#.00\r#.000\r#.0000">,
    I<"ListIndex", 0>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    SystemFont<false>,
    S<"DataSource", "">,
    S<"DataField", "">,
    S<"InitialParent", "GroupBox1">>;

// A black, right-aligned label that ends just left of the control it names.
template <Text Name, Box At, int Tab, Text Parent, Text Shows>
using FieldLabel =
    LabelControl<Name, At, kTopLeft, Tab, Parent, Shows, 2, 0x000000, false, true, SystemFont<false>>;

// An editable text of at most 24 characters, black on white.
template <Text Name, Box At, int Tab, Text Shows>
using Field = Control<"TextField", Name, At, kTopLeft,
    I<"TabPanelIndex", 0>,
    I<"TabIndex", Tab>,
    B<"TabStop", true>,
    B<"Border", true>,
    B<"Password", false>,
    B<"UseFocusRing", true>,
    C<"TextColor", 0x000000>,
    C<"BackColor", 0xFFFFFF>,
    B<"Enabled", true>,
    S<"Format", "">,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    SystemFont<false>,
    S<"CueText", "">,
    S<"Text", Shows>,
    S<"Mask", "">,
    B<"ReadOnly", false>,
    I<"LimitText", 24>,
    B<"AcceptTabs", false>,
    I<"Alignment", 0>,
    B<"AutomaticallyCheckSpelling", false>,
    S<"DataSource", "">,
    S<"DataField", "">,
    S<"InitialParent", "GroupBox2">>;

// Return presses the Default button, Escape the Cancel button.
template <Text Name, Box At, int Tab, Text Caption, bool IsDefault, bool IsCancel>
using DialogButton = Control<"PushButton", Name, At, kTopLeft,
    I<"TabPanelIndex", 0>,
    I<"TabIndex", Tab>,
    B<"TabStop", true>,
    S<"Caption", Caption>,
    B<"Default", IsDefault>,
    B<"Cancel", IsCancel>,
    B<"Enabled", true>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    I<"ButtonStyle", 2>,
    SystemFont<false>,
    S<"InitialParent", "">>;

// clang-format on

// Creation order; the number is the text size set before the stream. The
// texts of the fields and the popup's choice are design values only: the
// dialog's Open event replaces them from the settings record.
// clang-format off
constexpr ControlLayout kControls[] = {
    Row<Group<"GroupBox1", Box{40, 33, 640, 157}, 0, "Calculator settings">>(38),
    Row<DecimalsPopup>(36),
    Row<FieldLabel<"StaticText1", Box{108, 108, 184, 41}, 1, "GroupBox1", "Decimals:">>(34),
    Row<Group<"GroupBox2", Box{40, 216, 640, 225}, 1, "Printer settings">>(38),
    Row<FieldLabel<"StaticText4", Box{85, 285, 215, 41}, 0, "GroupBox2", "Description:">>(34),
    Row<FieldLabel<"StaticText5", Box{85, 335, 215, 41}, 1, "GroupBox2", "Value:">>(34),
    Row<Field<"EditField1", Box{308, 280, 342, 43}, 2, "Description ...">>(36),
    Row<Field<"EditField2", Box{308, 328, 342, 43}, 3, "Value">>(36),
    Row<FieldLabel<"StaticText6", Box{85, 386, 215, 41}, 4, "GroupBox2", "Total:">>(34),
    Row<Field<"EditField3", Box{308, 379, 342, 43}, 5, "Tot.">>(36),
    Row<DialogButton<"PushButton1", Box{199, 470, 150, 38}, 2, "Cancel", false, true>>(32),
    Row<DialogButton<"PushButton2", Box{372, 468, 150, 38}, 3, "OK", true, false>>(32),
};
// clang-format on

} // namespace

std::string_view prefsWinWindowStream() { return WindowStream::view(); }

std::span<const ControlLayout> prefsWinControls() { return kControls; }
