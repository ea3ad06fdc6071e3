// The settings file: read when the application opens, written whole when it
// closes.

#include "App.h"

#include "Controls.h"
#include "FolderItem.h"
#include "NilObjectException.h"
#include "NumberText.h"
#include "Report.h"
#include "Screen.h"
#include "SettingsLines.h"
#include "SpecialFolder.h"
#include "TextStreams.h"
#include "Window1.h"

#include <algorithm>
#include <cstdint>

namespace {

// Half the screen's width less 445; on a screen narrower than that leaves,
// the left edge stays on the screen, so the menus and the keypad do too.
std::int32_t FirstRunLeft() { return std::max(0, CInt32(Screen(0).Width / 2.0 - 445.0)); }
constexpr std::int32_t kFirstRunTop = 50;

// The settings of a first run, when there is no settings file.
void SetFirstRunDefaults(App& app) {
    app.winLeft = FirstRunLeft();
    app.winTop = kFirstRunTop;
    app.winWidth = 990;
    app.winHeight = 690;
    app.decimali = 1;
    app.decimalFormat = "-#.##";
    app.descrizione = "Description";
    app.valore = "Value";
    app.totale = "Tot.";
    app.tapeSize = 24;
    app.layout = "left";
}

// Reads the settings file into the record. False, with the record untouched,
// when there is no file or it cannot be read: the start then is a first run.
bool ReadSettingsFile(App& app) {
    const std::unique_ptr<FolderItem> folder = SpecialFolder::Preferences();
    if (!folder) {
        return false;
    }
    const std::unique_ptr<FolderItem> file = folder->Child(kSettingsFileName);
    const std::unique_ptr<TextInputStream> stream = file->OpenAsTextFile();
    if (!stream) {
        return false;
    }
    std::vector<std::string> lines;
    for (int line = 0; line < kSettingsLinesRead; ++line) {
        lines.push_back(stream->ReadLine());
    }
    stream->Close();
    ReadSettingsFileLines(app, lines);
    return true;
}

// Below its top edge, the part of a window that must be on a screen to be
// reached: the menu bar and the top of the content. The window manager's
// title bar lies above the top edge.
constexpr std::int64_t kReachableHeight = 40;

std::int64_t Overlap(std::int64_t start, std::int64_t length, std::int64_t otherStart,
                     std::int64_t otherLength) {
    return std::max<std::int64_t>(0, std::min(start + length, otherStart + otherLength) -
                                         std::max(start, otherStart));
}

// Reached on a screen: the top edge with the menu bar on it, and at least
// half of the window's width, or of the screen's where the window is wider.
bool ReachableOn(const Window& window, const ScreenSize& area) {
    const std::int64_t top = window.Top();
    const bool topOnScreen =
        top >= area.Top && top + kReachableHeight <= std::int64_t{area.Top} + area.Height;
    const std::int64_t wide = std::min(window.Width(), area.Width);
    return topOnScreen && wide > 0 &&
           2 * Overlap(window.Left(), window.Width(), area.Left, area.Width) >= wide;
}

bool Reachable(const Window& window) {
    for (int index = 0; index < ScreenCount(); ++index) {
        if (ReachableOn(window, ScreenAvailable(index))) {
            return true;
        }
    }
    return ScreenCount() == 0;
}

// A place stored on a screen that is gone, or edited by hand, would open
// the window where nobody can reach it: it opens where a first run puts it,
// with its stored size.
void KeepReachable(Window& window) {
    if (!Reachable(window)) {
        window.Left(Screen(0).Left + FirstRunLeft());
        window.Top(Screen(0).Top + kFirstRunTop);
    }
}

// The keypad's side as the window shows it. The window is still there while
// the application closes; should it not be, the side recorded stands.
std::string KeypadSide(const App& app) {
    const Window1* window = OpenInstance<Window1>();
    if (window == nullptr) {
        return app.layout == "left" ? "left" : "right";
    }
    return window->KeypadSide();
}

void ReportUnsaved(const std::string& path, const std::string& reason) {
    ReportFailure("The settings could not be saved to \"" + path + "\": " + reason + ".");
}

} // namespace

void App::loadPrefs() {
    if (!ReadSettingsFile(*this)) {
        SetFirstRunDefaults(*this);
    }

    // The record is complete before the calculator window exists, so its
    // Open event finds the keypad side; place and size come after it.
    Window1& window = *NotNil(Window1::Get());
    window.Left(winLeft);
    window.Top(winTop);
    window.Width(winWidth);
    window.Height(winHeight);
    KeepReachable(window);
    NotNil(window.Slider1())->Value(tapeSize);
    NotNil(window.tRect())->Visible(false);
    NotNil(window.tSIze())->Visible(false);
}

// The whole file is written anew at every quit. A file that cannot be
// written is reported; the old one then stays as it was.
void App::savePrefs() {
    const std::vector<std::string> lines = SettingsFileLines(*this, KeypadSide(*this));
    const std::unique_ptr<FolderItem> folder = SpecialFolder::Preferences();
    if (!folder) {
        ReportUnsaved(kSettingsFileName, "there is no preferences folder");
        return;
    }
    const std::unique_ptr<FolderItem> file = folder->Child(kSettingsFileName);
    const std::unique_ptr<TextOutputStream> stream = file->CreateTextFile();
    if (!stream) {
        ReportUnsaved(file->AbsolutePath(), file->LastErrorText());
        return;
    }
    for (const std::string& line : lines) {
        stream->WriteLine(line);
    }
    if (!stream->Close()) {
        ReportUnsaved(file->AbsolutePath(), stream->ErrorText());
    }
}
