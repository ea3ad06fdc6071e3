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
    // A place stored on a screen that is gone, or edited by hand, opens the
    // window where a first run puts it; a size stored on a larger screen is
    // fitted to this one.
    window.KeepOnScreen(Screen(0).Left + FirstRunLeft(), Screen(0).Top + kFirstRunTop);
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
