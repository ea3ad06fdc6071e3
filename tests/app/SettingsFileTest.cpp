// The settings file as the user meets it: written at quit, read at the next
// start, whatever state it was left in.

#include "App.h"
#include "Controls.h"
#include "FolderItem.h"
#include "Main.h"
#include "NumberText.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "Screen.h"
#include "SettingsLines.h"
#include "SpecialFolder.h"
#include "TestSupport.h"
#include "TextStreams.h"
#include "Window1.h"
#include "WindowPlaces.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

Window1& Calculator() { return *Window1::Get(); }
App& TheSettings() { return *App::Get(); }

QByteArray FileBytes() {
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QByteArray& bytes) {
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Joined(const std::vector<std::string>& lines, const QByteArray& lineEnd = "\n") {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += QByteArray::fromStdString(line) + lineEnd;
    }
    return bytes;
}

QByteArrayList FileLines() {
    QByteArrayList lines = FileBytes().split('\n');
    EXPECT_EQ(lines.takeLast(), "") << "the file ends with a line end";
    return lines;
}

// The file a quit after a first run writes, with the window where the
// first run put it.
std::vector<std::string> FirstRunFile() {
    const std::string left = Str(std::max(0, CInt32(Screen(0).Width / 2.0 - 445.0)));
    return {"# lumaDex's preferences version",
            "2.1",
            "#",
            "# Decimal preferences",
            "1",
            "#",
            "# Printer text (description, value, total) and listbox text size",
            "Description\tValue\tTot.\t24",
            "#",
            "# Window position (top,left) and size (width, height)",
            "50\t" + left + "\t990\t690",
            "#",
            "# Layout position (calc buttons left or right) and size (width, height)",
            "left",
            "#",
            "#EOF"};
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        QDir(SettingsFilePath()).removeRecursively();
        ShownMessages().clear();
    }
    void TearDown() override {
        if (App::Get() != nullptr) {
            EndProgram();
        }
        EXPECT_TRUE(ReportedExceptions().empty()) << ReportedExceptions().front();
        ReportedExceptions().clear();
    }
    // Quits as the user does and ends the run; answers the exit status.
    static int QuitProgram() {
        Quit(0);
        Finalize();
        return RuntimeExit();
    }
};

TEST_F(SettingsFileTest, AFirstRunWritesNothingUntilItsQuitWritesTheSixteenLines) {
    StartProgram();
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    EXPECT_EQ(QuitProgram(), 0);
    EXPECT_EQ(FileBytes(), Joined(FirstRunFile()));
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(SettingsFileTest, EveryFieldComesBackAtTheNextStart) {
    StartProgram();
    App& app = TheSettings();
    app.decimali = 2;
    app.descrizione = "Descrizione";
    app.valore = "Valore";
    app.totale = "Totale";
    Calculator().Left(120);
    Calculator().Top(70);
    Calculator().Width(1100);
    Calculator().Height(760);
    Calculator().Slider1()->Value(40);
    app.LayoutSwitch_Action();
    app.mem = 42;
    QuitProgram();

    StartProgramWithSettings();
    const App& read = TheSettings();
    EXPECT_EQ(read.decimali, 2);
    EXPECT_EQ(read.decimalFormat, "-#.000");
    EXPECT_EQ(read.descrizione, "Descrizione");
    EXPECT_EQ(read.valore, "Valore");
    EXPECT_EQ(read.totale, "Totale");
    EXPECT_EQ(read.layout, "right");
    EXPECT_EQ(read.mem, 0.0) << "the memory is not kept";
    EXPECT_EQ(Calculator().Left(), 120);
    EXPECT_EQ(Calculator().Top(), 70);
    EXPECT_EQ(Calculator().Width(), 1100);
    EXPECT_EQ(Calculator().Height(), 760);
    EXPECT_EQ(Calculator().Slider1()->Value(), 40);
    EXPECT_EQ(Calculator().ListBox1()->TextSize(), 40);
    EXPECT_FALSE(Calculator().tSIze()->Visible());
    EXPECT_FALSE(Calculator().tRect()->Visible());
}

TEST_F(SettingsFileTest, TenStartsAndQuitsLeaveTheWindowWhereItWas) {
    StartProgram();
    Calculator().Left(33);
    Calculator().Top(44);
    QuitProgram();
    for (int run = 0; run < 10; ++run) {
        StartProgramWithSettings();
        EXPECT_EQ(Calculator().Left(), 33) << "run " << run;
        EXPECT_EQ(Calculator().Top(), 44) << "run " << run;
        EXPECT_EQ(Calculator().Width(), 990) << "run " << run;
        EXPECT_EQ(Calculator().Height(), 690) << "run " << run;
        QuitProgram();
    }
}

// ---- texts that would break the file's lines --------------------------------

struct TextCase {
    const char* label;
    std::string typed;
    std::string readBack;
};

void PrintTo(const TextCase& text, std::ostream* out) { *out << text.label; }

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int time = 0; time < times; ++time) {
        repeated += text;
    }
    return repeated;
}

class SettingsTextTest : public SettingsFileTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SettingsTextTest, ATabOrLineBreakInALabelIsWrittenAsASpace) {
    StartProgram();
    TheSettings().descrizione = GetParam().typed;
    TheSettings().totale = GetParam().typed;
    QuitProgram();
    EXPECT_EQ(FileLines().size(), 16);

    StartProgramWithSettings();
    EXPECT_EQ(TheSettings().descrizione, GetParam().readBack);
    EXPECT_EQ(TheSettings().valore, "Value");
    EXPECT_EQ(TheSettings().totale, GetParam().readBack);
    EXPECT_EQ(TheSettings().tapeSize, 24);
    EXPECT_EQ(Calculator().Width(), 990);
    EXPECT_EQ(TheSettings().layout, "left");
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsTextTest,
                         ::testing::Values(TextCase{"Tab", "A\tB", "A B"},
                                           TextCase{"LineFeed", "one\ntwo", "one two"},
                                           TextCase{"CarriageReturnLineFeed", "cr\r\nlf", "cr  lf"},
                                           TextCase{"Unicode", "Totale €", "Totale €"},
                                           TextCase{"LongerThanTheBound", std::string(70000, 'x'),
                                                    std::string(64 * 1024, 'x')},
                                           TextCase{"LongerThanTheBoundInThreeByteCharacters",
                                                    Repeated("€", 30000), Repeated("€", 21845)}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- the keypad's side ------------------------------------------------------

struct SideCase {
    const char* label;
    const char* stored;
    int keypadLeft;
    const char* written;
    const char* lineEnd = "\n";
};

void PrintTo(const SideCase& side, std::ostream* out) { *out << side.label; }

class SettingsSideTest : public SettingsFileTest, public ::testing::WithParamInterface<SideCase> {};

TEST_P(SettingsSideTest, TheStoredSideOpensTheKeypadAndTheNextQuitWritesWhereItIs) {
    std::vector<std::string> file = FirstRunFile();
    file[13] = GetParam().stored;
    WriteFile(Joined(file, GetParam().lineEnd));
    StartProgramWithSettings();
    EXPECT_EQ(TheSettings().layout, GetParam().stored);
    EXPECT_EQ(Calculator().Rectangle1()->Left(), GetParam().keypadLeft);
    QuitProgram();
    EXPECT_EQ(FileLines().value(13).toStdString(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, SettingsSideTest,
    ::testing::Values(SideCase{"Left", "left", 10, "left"},
                      SideCase{"Right", "right", 533, "right"}, SideCase{"Empty", "", 533, "right"},
                      SideCase{"Capitalised", "Right", 533, "right"},
                      SideCase{"OtherWord", "sideways", 533, "right"},
                      SideCase{"LeftInAFileWithCRLF", "left", 10, "left", "\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SettingsFileTest, SwitchingTheKeypadRightOnAFirstRunIsWrittenAndReopensAt533) {
    StartProgram();
    TheSettings().LayoutSwitch_Action();
    QuitProgram();
    EXPECT_EQ(FileLines().value(13), "right");
    StartProgramWithSettings();
    EXPECT_EQ(Calculator().Rectangle1()->Left(), 533);
    EXPECT_EQ(Calculator().Rectangle2()->Left(), 10);
}

// ---- damaged files ----------------------------------------------------------

struct DamageCase {
    std::string label;
    QByteArray bytes;
};

void PrintTo(const DamageCase& damage, std::ostream* out) { *out << damage.label; }

std::vector<DamageCase> Damages() {
    std::vector<DamageCase> cases;
    const std::vector<std::string> whole = FirstRunFile();
    for (std::size_t kept = 0; kept < whole.size(); ++kept) {
        cases.push_back({"CutAfterLine" + std::to_string(kept),
                         Joined({whole.begin(), whole.begin() + static_cast<long>(kept)})});
    }
    QByteArray garbage;
    for (int line = 0; line < 16; ++line) {
        garbage += "garbage\x01\xff\tx\t\t-\n";
    }
    cases.push_back({"GarbageLines", garbage});
    QByteArray binary;
    for (int i = 0; i < 8192; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    cases.push_back({"Binary", binary});
    std::vector<std::string> extreme = whole;
    extreme[4] = "2147483647";
    extreme[7] = "a\tb\tc\t2147483647";
    extreme[10] = "2147483647\t2147483647\t2147483647\t2147483647";
    cases.push_back({"LargestNumbers", Joined(extreme)});
    extreme[4] = "-2147483648";
    extreme[7] = "a\tb\tc\t-2147483648";
    extreme[10] = "-2147483648\t-2147483648\t-2147483648\t-2147483648";
    cases.push_back({"SmallestNumbers", Joined(extreme)});
    extreme[10] = "1e999\t99999999999999999999\t-1\t0";
    cases.push_back({"NumbersBeyondInt32", Joined(extreme)});
    std::vector<std::string> huge = whole;
    huge[7] = std::string(20 * 1024 * 1024, 'x');
    cases.push_back({"LineBeyondTheReadBound", Joined(huge)});
    return cases;
}

// A stored place is kept where the window can be reached: its top edge with
// the menu bar on the screen and a good part of its width; the window is
// then moved onto that screen whole, frame and all, as little as it takes.
// Elsewhere it opens at the first run's place with its stored size.
enum class Edge { Kept, AtStart, AtEnd, FirstRun };

struct PlaceCase {
    const char* label;
    int (*top)(const ScreenSize&);
    int (*left)(const ScreenSize&);
    Edge vertical;
    Edge horizontal;
};

void PrintTo(const PlaceCase& place, std::ostream* out) { *out << place.label; }

// Half the part of the 990-pixel window that the screen can show.
int HalfShown(const ScreenSize& screen) { return std::min(990, screen.Width) / 2; }

const PlaceCase kPlaces[] = {
    {"WholeOnTheScreen", [](const ScreenSize& s) { return s.Top + 100; },
     [](const ScreenSize& s) { return s.Left + 100; }, Edge::Kept, Edge::Kept},
    {"AtTheTopLeftCorner", [](const ScreenSize& s) { return s.Top; },
     [](const ScreenSize& s) { return s.Left; }, Edge::AtStart, Edge::AtStart},
    {"MenuBarJustOnTheScreensFoot", [](const ScreenSize& s) { return s.Top + s.Height - 40; },
     [](const ScreenSize& s) { return s.Left + 10; }, Edge::AtEnd, Edge::Kept},
    {"HalfPastTheLeftEdge", [](const ScreenSize& s) { return s.Top + 100; },
     [](const ScreenSize& s) { return s.Left + HalfShown(s) - 990; }, Edge::Kept, Edge::AtStart},
    {"HalfPastTheRightEdge", [](const ScreenSize& s) { return s.Top + 100; },
     [](const ScreenSize& s) { return s.Left + s.Width - HalfShown(s); }, Edge::Kept, Edge::AtEnd},
    {"TopEdgeAboveTheScreen", [](const ScreenSize& s) { return s.Top - 689; },
     [](const ScreenSize& s) { return s.Left + 10; }, Edge::FirstRun, Edge::FirstRun},
    {"TopEdgeOnePixelAbove", [](const ScreenSize& s) { return s.Top - 1; },
     [](const ScreenSize& s) { return s.Left + 10; }, Edge::FirstRun, Edge::FirstRun},
    {"TopEdgeOnTheLastRow", [](const ScreenSize& s) { return s.Top + s.Height - 1; },
     [](const ScreenSize& s) { return s.Left + 10; }, Edge::FirstRun, Edge::FirstRun},
    {"MenuBarCutAtTheFoot", [](const ScreenSize& s) { return s.Top + s.Height - 39; },
     [](const ScreenSize& s) { return s.Left + 10; }, Edge::FirstRun, Edge::FirstRun},
    {"OneColumnOnTheScreen", [](const ScreenSize& s) { return s.Top + 100; },
     [](const ScreenSize& s) { return s.Left + s.Width - 1; }, Edge::FirstRun, Edge::FirstRun},
    {"MostlyPastTheLeftEdge", [](const ScreenSize& s) { return s.Top + 100; },
     [](const ScreenSize& s) { return s.Left + HalfShown(s) - 991; }, Edge::FirstRun,
     Edge::FirstRun},
};

// Where the window's frame stands on one axis of the screen's area.
void ExpectEdge(Edge edge, int place, int stored, int firstRun, int frameStart, int frameEnd,
                int areaStart, int areaEnd) {
    switch (edge) {
    case Edge::Kept:
        EXPECT_EQ(place, stored);
        break;
    case Edge::AtStart:
        EXPECT_EQ(frameStart, areaStart);
        break;
    case Edge::AtEnd:
        EXPECT_EQ(frameEnd, areaEnd);
        break;
    case Edge::FirstRun:
        EXPECT_EQ(place, firstRun);
        break;
    }
}

class SettingsPlaceTest : public SettingsFileTest,
                          public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(SettingsPlaceTest, AStoredPlaceOpensTheWindowWholeOnTheScreenThatReachesIt) {
    const ScreenSize screen = ScreenAvailable(0);
    const int top = GetParam().top(screen);
    const int left = GetParam().left(screen);
    std::vector<std::string> file = FirstRunFile();
    file[10] = Str(top) + "\t" + Str(left) + "\t990\t690";
    WriteFile(Joined(file));
    StartProgramWithSettings();
    Window1& window = Calculator();
    const QRect frame = TopLevelOf(window)->frameGeometry();
    const int firstRunLeft = std::max(0, CInt32(Screen(0).Width / 2.0 - 445.0));
    ExpectEdge(GetParam().vertical, window.Top(), top, Screen(0).Top + 50, frame.top(),
               frame.bottom() + 1, screen.Top, screen.Top + screen.Height);
    ExpectEdge(GetParam().horizontal, window.Left(), left, Screen(0).Left + firstRunLeft,
               frame.left(), frame.right() + 1, screen.Left, screen.Left + screen.Width);
    EXPECT_TRUE(QRect(screen.Left, screen.Top, screen.Width, screen.Height).contains(frame));
    EXPECT_EQ(window.Width(), 990);
    EXPECT_EQ(window.Height(), 690);
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsPlaceTest, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.label); });

// Quit while maximised (or full screen): the next start opens at the place
// and size from before, not maximised and as large as the screen.
TEST_F(SettingsFileTest, AMaximisedWindowStoresThePlaceAndSizeItHadBefore) {
    for (const auto state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        StartProgram();
        Calculator().Left(120);
        Calculator().Top(70);
        Calculator().Width(1100);
        Calculator().Height(760);
        QWidget* top = TopLevelOf(Calculator());
        top->setWindowState(state);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Calculator().Width() > 1100; })) << state;
        QuitProgram();
        EXPECT_EQ(FileLines().value(10).toStdString(), "70\t120\t1100\t760") << state;
    }
}

// Where the platform cannot tell a window's place (Wayland), it reports
// 0, 0 and the place read at start is written back; a place that no screen
// reaches is the platform's business there and is kept too.
TEST_F(SettingsFileTest, WhereThePlatformCannotTellThePlaceTheStoredOneIsKept) {
    for (const bool known : {true, false}) {
        SetWindowPlacesKnownForTesting(known);
        std::vector<std::string> file = FirstRunFile();
        file[10] = "70\t5000\t990\t690";
        WriteFile(Joined(file));
        StartProgramWithSettings();
        QWidget* top = TopLevelOf(Calculator());
        top->setGeometry(QRect(QPoint(0, 0), top->size()));
        QuitProgram();
        SetWindowPlacesKnownForTesting(std::nullopt);
        const std::string written = known ? "0\t0\t990\t690" : "70\t5000\t990\t690";
        EXPECT_EQ(FileLines().value(10).toStdString(), written) << known;
    }
}

class SettingsDamageTest : public SettingsFileTest,
                           public ::testing::WithParamInterface<DamageCase> {};

TEST_P(SettingsDamageTest, ADamagedFileStillOpensAUsableWindowAndTheNextQuitMendsIt) {
    WriteFile(GetParam().bytes);
    StartProgramWithSettings();
    Window1& window = Calculator();
    const ScreenSize screen = Screen(0);
    EXPECT_LT(window.Left(), screen.Left + screen.Width);
    EXPECT_GT(window.Left() + window.Width(), screen.Left);
    EXPECT_LT(window.Top(), screen.Top + screen.Height);
    EXPECT_GT(window.Top() + window.Height(), screen.Top);
    EXPECT_GE(window.Width(), window.MinWidth());
    EXPECT_LE(window.Width(), window.MaxWidth());
    EXPECT_GE(window.Height(), window.MinHeight());
    EXPECT_LE(window.Height(), window.MaxHeight());
    const int size = window.Slider1()->Value();
    EXPECT_GE(size, 12);
    EXPECT_LE(size, 64);
    EXPECT_EQ(window.ListBox1()->TextSize(), size);
    window.BevelButton1()->Push();
    window.BevelButton18()->Push();
    window.BevelButton20()->Push();
    EXPECT_EQ(window.ListBox1()->ListCount(), 3);

    EXPECT_EQ(QuitProgram(), 0);
    const QByteArrayList lines = FileLines();
    ASSERT_EQ(lines.size(), 16);
    const std::vector<std::string> clean = FirstRunFile();
    for (int fixed : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15}) {
        EXPECT_EQ(lines[fixed].toStdString(), clean[static_cast<std::size_t>(fixed)])
            << "line " << fixed + 1;
    }
    EXPECT_EQ(lines[7].count('\t'), 3);
    EXPECT_EQ(lines[10].count('\t'), 3);
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsDamageTest, ::testing::ValuesIn(Damages()),
                         [](const auto& info) { return info.param.label; });

TEST_F(SettingsFileTest, AnEmptyFileReadsAsEmptyTextsAndZeros) {
    WriteFile("");
    StartProgramWithSettings();
    const App& app = TheSettings();
    EXPECT_EQ(app.decimali, 0);
    EXPECT_EQ(app.decimalFormat, "-#.0");
    EXPECT_EQ(app.descrizione, "");
    EXPECT_EQ(app.totale, "");
    EXPECT_EQ(app.layout, "");
    EXPECT_EQ(Calculator().Slider1()->Value(), 12);
    EXPECT_EQ(Calculator().Width(), Calculator().MinWidth());
    EXPECT_EQ(Calculator().Rectangle1()->Left(), 533);
}

// A heading typed into the file by hand, far longer than the program keeps.
TEST_F(SettingsFileTest, AnOverlongHeadingLosesOnlyItsOwnTailForGood) {
    std::vector<std::string> file = FirstRunFile();
    file[7] = std::string(70000, 'x') + "\t" + std::string(70000, 'v') + "\tSum\t40";
    WriteFile(Joined(file));
    for (int start = 0; start < 3; ++start) {
        StartProgramWithSettings();
        EXPECT_EQ(TheSettings().descrizione, std::string(64 * 1024, 'x')) << "start " << start;
        EXPECT_EQ(TheSettings().valore, std::string(64 * 1024, 'v')) << "start " << start;
        EXPECT_EQ(TheSettings().totale, "Sum") << "start " << start;
        EXPECT_EQ(Calculator().ListBox1()->TextSize(), 40) << "start " << start;
        EXPECT_EQ(Calculator().Top(), 50) << "start " << start;
        EXPECT_EQ(Calculator().Rectangle1()->Left(), 10) << "start " << start;
        EXPECT_EQ(QuitProgram(), 0);
    }
}

TEST_F(SettingsFileTest, AFolderInTheFilesPlaceGivesAFirstRunAndAReportAtQuit) {
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
    StartProgramWithSettings();
    EXPECT_EQ(TheSettings().descrizione, "Description");
    EXPECT_EQ(Calculator().Width(), 990);
    EXPECT_EQ(QuitProgram(), 0);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_NE(ShownMessages()[0].find(SettingsFilePath().toStdString()), std::string::npos)
        << ShownMessages()[0];
    EXPECT_NE(ShownMessages()[0].find("folder"), std::string::npos) << ShownMessages()[0];
    EXPECT_TRUE(QFileInfo(SettingsFilePath()).isDir());
}

// A failure on the way to the disk, found after every line was accepted:
// the old file stays whole and the failure is reported once.
struct DiskFailureCase {
    const char* label;
    // Makes the disk fail while what it answers lives.
    std::shared_ptr<void> (*fail)();
    const char* reason;
};

void PrintTo(const DiskFailureCase& failure, std::ostream* out) { *out << failure.label; }

const DiskFailureCase kDiskFailures[] = {
    // The bytes are buffered: the disk is found full only at the last flush.
    // The limit leaves room for the one line on standard error.
    {"FullAtTheLastFlush",
     [] { return std::shared_ptr<void>(std::make_shared<FileSizeLimit>(200)); }, "File too large"},
    // Every byte was written, but the disk could not keep them.
    {"FailingSync", [] { return std::shared_ptr<void>(std::make_shared<SyncFailure>()); },
     "Input/output error"},
};

class SettingsDiskFailureTest : public SettingsFileTest,
                                public ::testing::WithParamInterface<DiskFailureCase> {};

TEST_P(SettingsDiskFailureTest, AFailureAtQuitLeavesTheOldFileWholeAndIsReportedOnce) {
    StartProgram();
    QuitProgram();
    const QByteArray old = FileBytes();
    StartProgramWithSettings();
    TheSettings().descrizione = "New heading";
    testing::internal::CaptureStderr();
    int status = -1;
    {
        const std::shared_ptr<void> failing = GetParam().fail();
        status = QuitProgram();
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(FileBytes(), old);
    const QStringList left = QDir(QFileInfo(SettingsFilePath()).absolutePath())
                                 .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, QStringList{QFileInfo(SettingsFilePath()).fileName()});
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_NE(ShownMessages()[0].find(SettingsFilePath().toStdString()), std::string::npos);
    EXPECT_NE(ShownMessages()[0].find(GetParam().reason), std::string::npos) << ShownMessages()[0];
    EXPECT_EQ(errors, "lumaDex: " + ShownMessages()[0] + "\n");
}

INSTANTIATE_TEST_SUITE_P(Failures, SettingsDiskFailureTest, ::testing::ValuesIn(kDiskFailures),
                         [](const auto& info) { return std::string(info.param.label); });

// A file longer than the read bound is read up to it and no further: a
// line after the bound reads as "", however much follows.
TEST_F(SettingsFileTest, NothingPastTheReadBoundIsRead) {
    const std::string first(TextInputStream::kLongestRead - 1, 'a');
    WriteFile(Joined({first, "after the bound", "more"}));
    FolderItem item(SettingsFilePath().toStdString());
    const std::unique_ptr<TextInputStream> stream = item.OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine(), first);
    EXPECT_EQ(stream->ReadLine(), "");
    EXPECT_EQ(stream->ReadLine(), "");
}

// The new file is whole, but it cannot take the old one's place.
TEST_F(SettingsFileTest, AFileThatCannotBePutInPlaceIsAFailureAndLeavesNoTemporaryFile) {
    const QString folder = QFileInfo(SettingsFilePath()).absolutePath();
    FolderItem item(SettingsFilePath().toStdString());
    const std::unique_ptr<TextOutputStream> stream = item.CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->WriteLine("a line");
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath() + "/inside"));
    EXPECT_FALSE(stream->Close());
    EXPECT_FALSE(stream->ErrorText().empty());
    EXPECT_TRUE(QFileInfo(SettingsFilePath() + "/inside").isDir());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{});
}

// ---- what stands at the file's path ------------------------------------------

struct PathCase {
    const char* label;
    // Puts something at the settings path; answers the regular file it
    // leads to, or "" when there is none.
    QString (*make)(const QString& path, const QTemporaryDir& elsewhere);
};

void PrintTo(const PathCase& path, std::ostream* out) { *out << path.label; }

QString MakeFifo(const QString& path, const QTemporaryDir&) {
    EXPECT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    return {};
}

// A link to an endless file that is not a regular one. The FIFO is the
// test's own: were the settings ever written through the link, no file of
// the machine (such as /dev/zero) would be replaced.
QString MakeLinkToAFifo(const QString& path, const QTemporaryDir& elsewhere) {
    const QString fifo = elsewhere.filePath("endless");
    EXPECT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(QFile::link(fifo, path));
    return {};
}

QString MakeLinkToAFile(const QString& path, const QTemporaryDir& elsewhere) {
    const QString target = elsewhere.filePath("kept.prefs");
    std::vector<std::string> file = FirstRunFile();
    file[7] = "D\tV\tT\t40";
    QFile out(target);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(Joined(file));
    out.close();
    EXPECT_TRUE(QFile::link(target, path));
    return target;
}

// A loop of two links, one of them at the settings path.
QString MakeLinkLoop(const QString& path, const QTemporaryDir& elsewhere) {
    const QString other = elsewhere.filePath("loop");
    EXPECT_EQ(symlink(path.toLocal8Bit().constData(), other.toLocal8Bit().constData()), 0);
    EXPECT_EQ(symlink(other.toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
    return {};
}

// A link to a file that is not there (a folder kept on a disk that is not
// mounted): the link stays, and no file appears where it points.
QString MakeDanglingLink(const QString& path, const QTemporaryDir& elsewhere) {
    EXPECT_TRUE(QFile::link(elsewhere.filePath("gone.prefs"), path));
    return {};
}

// What stands at a path, without looking through a link.
std::string WhatStands(const QString& path) {
    struct stat status {};
    if (lstat(path.toLocal8Bit().constData(), &status) != 0) {
        return "nothing";
    }
    if (S_ISLNK(status.st_mode)) {
        return "a link to " + QFileInfo(path).symLinkTarget().toStdString();
    }
    return S_ISREG(status.st_mode) ? "a file" : "something else";
}

QStringList Entries(const QTemporaryDir& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

class SettingsPathTest : public SettingsFileTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(SettingsPathTest, OnlyARegularFileIsReadAndReplacedAndAnythingElseIsLeftAsItIs) {
    const QTemporaryDir elsewhere;
    const QString target = GetParam().make(SettingsFilePath(), elsewhere);
    const std::string standing = WhatStands(SettingsFilePath());
    const QStringList elsewhereBefore = Entries(elsewhere);
    StartProgramWithSettings();
    EXPECT_EQ(TheSettings().descrizione, target.isEmpty() ? "Description" : "D");
    EXPECT_EQ(Calculator().Slider1()->Value(), target.isEmpty() ? 24 : 40);
    TheSettings().totale = "Quit";
    EXPECT_EQ(QuitProgram(), 0);
    EXPECT_EQ(WhatStands(SettingsFilePath()), standing);
    EXPECT_EQ(Entries(elsewhere), elsewhereBefore);
    if (target.isEmpty()) {
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_NE(ShownMessages()[0].find(SettingsFilePath().toStdString()), std::string::npos);
    } else {
        EXPECT_TRUE(ShownMessages().empty());
        QFile in(target);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_EQ(in.readAll().split('\n').value(7), "D\tV\tQuit\t40");
    }
    QFile::remove(SettingsFilePath());
}

INSTANTIATE_TEST_SUITE_P(Paths, SettingsPathTest,
                         ::testing::Values(PathCase{"Fifo", MakeFifo},
                                           PathCase{"LinkToAFifo", MakeLinkToAFifo},
                                           PathCase{"LinkToARegularFile", MakeLinkToAFile},
                                           PathCase{"LinkLoop", MakeLinkLoop},
                                           PathCase{"DanglingLink", MakeDanglingLink}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- where the preferences folder is ----------------------------------------

// The environment as a session hands it over. In the texts, "{s}" stands for
// a scratch folder and "{pw}" for the home folder the password database
// names; null is a variable that is not set, or no folder at all.
struct FolderCase {
    const char* label;
    const char* home;
    const char* configHome;
    const char* folder;
    // What the report at quit says when nothing can be saved; "" when the
    // settings are saved in the folder.
    const char* unsaved = "";
};

void PrintTo(const FolderCase& folder, std::ostream* out) { *out << folder.label; }

const FolderCase kFolders[] = {
    {"AbsoluteConfigHome", "{s}/home", "{s}/cfg", "{s}/cfg"},
    {"RelativeConfigHomeIsIgnored", "{s}/home", "rel/cfg", "{s}/home/.config"},
    {"EmptyConfigHome", "{s}/home", "", "{s}/home/.config"},
    {"NoConfigHome", "{s}/home", nullptr, "{s}/home/.config"},
    {"DoubledAndTrailingSeparators", "{s}/home", "{s}//cfg/", "{s}/cfg"},
    {"ConfigHomeNotUtf8", "{s}/home", "{s}/cfg\xff\xfe", "{s}/cfg\xff\xfe", "not valid UTF-8"},
    {"HomeThatIsNotThere", "{s}/gone", nullptr, nullptr, "no preferences folder"},
    {"NeitherHomeNorConfigHome", nullptr, nullptr, "{pw}/.config"},
    {"RelativeHomeAndConfigHome", "rel", "rel/cfg", "{pw}/.config"},
};

// The home folder the password database names, or "" where it names none
// that is there (a container's user may have no entry).
std::string PasswordHome() {
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_dir == nullptr || !QFileInfo(entry->pw_dir).isDir()) {
        return "";
    }
    return entry->pw_dir;
}

std::string Filled(std::string text, const std::string& scratch) {
    const std::pair<std::string, std::string> marks[] = {{"{s}", scratch},
                                                         {"{pw}", PasswordHome()}};
    for (const auto& [mark, value] : marks) {
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

void SetVariable(const char* name, const char* row, const std::string& scratch) {
    if (row == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, Filled(row, scratch).c_str(), 1);
    }
}

QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    return files;
}

class SettingsFolderTest : public SettingsFileTest,
                           public ::testing::WithParamInterface<FolderCase> {};

// The program is started from a folder of its own, so that a file written
// relative to it would be seen; it is not started where the folder would be
// the user's own.
TEST_P(SettingsFolderTest, TheSettingsGoToTheFolderTheDesktopsRulesNameAndNowhereElse) {
    const QTemporaryDir scratch;
    const std::string root = scratch.path().toStdString();
    const std::string row = GetParam().folder ? GetParam().folder : "";
    const bool noHome = row.starts_with("{pw}") && PasswordHome().empty();
    const std::string expected = noHome ? "" : Filled(row, root);
    const bool started = row.empty() || expected.starts_with(root);
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("home")));
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("start")));
    const QString startedIn = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.filePath("start")));
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    SetVariable("HOME", GetParam().home, root);
    SetVariable("XDG_CONFIG_HOME", GetParam().configHome, root);
    const std::unique_ptr<FolderItem> folder = SpecialFolder::Preferences();
    EXPECT_EQ(folder ? folder->AbsolutePath() : "", expected);
    if (started) {
        StartProgramWithSettings();
        QuitProgram();
    }
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", configHome);
    QDir::setCurrent(startedIn);
    if (!started) {
        return;
    }
    const QStringList written = FilesBelow(scratch.path());
    if (std::string(GetParam().unsaved).empty()) {
        EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front();
        EXPECT_EQ(written, QStringList{QString::fromStdString(expected + "/" + kSettingsFileName)});
    } else {
        EXPECT_EQ(written, QStringList{});
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_NE(ShownMessages()[0].find(GetParam().unsaved), std::string::npos)
            << ShownMessages()[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Environments, SettingsFolderTest, ::testing::ValuesIn(kFolders),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- the reader alone -------------------------------------------------------

struct MaskCase {
    const char* decimali;
    const char* mask;
};

class SettingsMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(SettingsMaskTest, TheStoredDecimalsChooseTheMask) {
    std::vector<std::string> lines = FirstRunFile();
    lines[4] = GetParam().decimali;
    App app;
    ReadSettingsFileLines(app, lines);
    EXPECT_EQ(app.decimalFormat, GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Decimals, SettingsMaskTest,
                         ::testing::Values(MaskCase{"0", "-#.0"}, MaskCase{"1", "-#.00"},
                                           MaskCase{"2", "-#.000"}, MaskCase{"3", "-#.0000"},
                                           MaskCase{"7", ""}, MaskCase{"-1", ""}));

TEST(SettingsLinesTest, ExtraFieldsAreIgnoredAndFieldsArePositional) {
    std::vector<std::string> lines = FirstRunFile();
    lines[7] = "D\tV\tT\t33\textra";
    lines[10] = "1\t2";
    App app;
    ReadSettingsFileLines(app, lines);
    EXPECT_EQ(app.descrizione, "D");
    EXPECT_EQ(app.valore, "V");
    EXPECT_EQ(app.totale, "T");
    EXPECT_EQ(app.tapeSize, 33);
    EXPECT_EQ(app.winTop, 1);
    EXPECT_EQ(app.winLeft, 2);
    EXPECT_EQ(app.winWidth, 0);
    EXPECT_EQ(app.winHeight, 0);
}

} // namespace
