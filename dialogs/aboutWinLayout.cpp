#include "aboutWinLayout.h"

#include "Maker.h"
#include "StreamBytes.h"

#include <cstdint>

namespace {

using namespace streamdata;

// Layout tables: one line per property, in stream order.
// clang-format off

// A fixed window: no resizing, no maximize button.
using WindowStream = Stream<
    I<"Placement", 1>,
    I<"Width", 738>,
    I<"Height", 454>,
    I<"MinWidth", 64>,
    I<"MinHeight", 64>,
    I<"MaxWidth", 32000>,
    I<"MaxHeight", 32000>,
    I<"Frame", 0>,
    B<"Composite", false>,
    B<"HasBackColor", false>,
    C<"BackColor", 0xD6D6D6>,
    S<"Title", "lumaDex">,
    B<"Visible", true>,
    B<"FullScreen", false>,
    B<"MenuBarVisible", true>,
    B<"CloseButton", true>,
    B<"Resizeable", false>,
    B<"LiveResize", false>,
    B<"MaximizeButton", false>,
    B<"MinimizeButton", true>,
    I<"MacProcID", 0>>;
static_assert(WindowStream::bytes.size() == 274);

// A label set directly in the window, fixed to its top left corner.
template <Text Name, Box At, int Tab, Text Shows, int Align, std::uint32_t Ink, bool Lines,
          Text Font>
using TextLabel = LabelControl<Name, At, "1100", Tab, "", Shows, Align, Ink, Lines, true,
                               FontKeys<Font>>;

// The donation button: no caption, its picture is all it shows.
using DonationButton = Control<"BevelButton", "BevelButton1", Box{315, 217, 395, 42}, "1100",
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 5>,
    B<"TabStop", true>,
    S<"InitialParent", "">,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    S<"Caption", "">,
    I<"CaptionAlign", 3>,
    I<"CaptionPlacement", 1>,
    I<"CaptionDelta", 0>,
    I<"IconAlign", 1>,
    I<"IconDX", 0>,
    I<"IconDY", 0>,
    I<"Bevel", 0>,
    I<"HasMenu", 0>,
    B<"HasBackColor", false>,
    C<"BackColor", 0x000000>,
    C<"TextColor", 0x000000>,
    B<"Value", false>,
    I<"MenuValue", 0>,
    I<"ButtonType", 0>,
    B<"AcceptFocus", false>,
    FontKeys<"System">>;

// The program picture; nothing is drawn on it.
using PictureFrame = Control<"Canvas", "Canvas1", Box{35, 18, 256, 256}, "1100",
    I<"TabPanelIndex", 0>,
    I<"TabIndex", 7>,
    B<"TabStop", true>,
    B<"Visible", true>,
    S<"HelpTag", "">,
    B<"AutoDeactivate", true>,
    B<"Enabled", true>,
    B<"UseFocusRing", true>,
    B<"AcceptFocus", false>,
    B<"AcceptTabs", false>,
    B<"DoubleBuffer", false>,
    B<"EraseBackground", true>,
    S<"InitialParent", "">>;

// clang-format on

// Creation order; the number is the text size set before the stream.
// clang-format off
constexpr ControlLayout kControls[] = {
    Row<TextLabel<"StaticText1", Box{321, 18, 165, 56}, 0, "lumaDex", 0, 0x000000, false,
             "Arial Black">>(42),
    Row<TextLabel<"StaticText2", Box{321, 76, 158, 27}, 1, "version " LUMADEX_VERSION, 0, 0x3F3F3F,
             false, "Geneva">>(24),
    Row<TextLabel<"StaticText3", Box{28, 290, 698, 89}, 2,
             "This app is a (yet another) simple calculator but with a very big display and "
             "buttons!", 0, 0x3F3F3F, true, "Geneva">>(32),
    Row<TextLabel<"StaticText4", Box{321, 115, 356, 20}, 3, kCopyright, 0, 0x3F3F3F, false,
             "Geneva">>(24),
    Row<TextLabel<"StaticText5", Box{20, 401, 698, 40}, 4, kHomePage, 1, 0x0000FF, false,
             "Geneva">>(32),
    Row<DonationButton>(),
    Row<TextLabel<"StaticText6", Box{321, 147, 397, 58}, 6,
             "This application is free, but donate via PayPal if you'd like. ;-)", 0, 0x000000,
             true, "System">>(24),
    Row<PictureFrame>(),
};
// clang-format on

} // namespace

std::string_view aboutWinWindowStream() { return WindowStream::view(); }

std::span<const ControlLayout> aboutWinControls() { return kControls; }
