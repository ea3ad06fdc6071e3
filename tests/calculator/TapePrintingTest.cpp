// Printing the tape through the print dialog's seam: what is drawn where,
// page by page, on the surface the printer hands out, and what a printed
// PDF page shows.

#include "App.h"
#include "Date.h"
#include "Graphics.h"
#include "NumberText.h"
#include "PdfWords.h"
#include "PrinterDialogSeam.h"
#include "PrinterGraphics.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "Window1.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct DrawnText {
    int page;
    std::string text;
    double x;
    double y;
    std::string font;
    float size;
    bool bold;
    bool operator==(const DrawnText&) const = default;
};

void PrintTo(const DrawnText& t, std::ostream* out) {
    *out << "{page " << t.page << " \"" << t.text << "\" at " << t.x << ", " << t.y << " in "
         << t.font << " " << t.size << (t.bold ? " bold" : "") << "}";
}

struct DrawnRule {
    int page;
    double x1;
    double y1;
    double x2;
    double y2;
    bool operator==(const DrawnRule&) const = default;
};

void PrintTo(const DrawnRule& r, std::ostream* out) {
    *out << "{page " << r.page << " rule " << r.x1 << ", " << r.y1 << " to " << r.x2 << ", " << r.y2
         << "}";
}

DrawnRule RuleAt(int page, double y) { return {page, 50, y, 470, y}; }

struct Printout {
    std::vector<DrawnText> texts;
    std::vector<DrawnRule> rules;
    int pages = 1;
    bool ended = false;
};

// Passes every call on to a real surface and notes what was drawn where.
class RecordingGraphics final : public Graphics {
public:
    RecordingGraphics(std::unique_ptr<Graphics> surface, Printout& printout)
        : surface_(std::move(surface)), printout_(printout) {}
    ~RecordingGraphics() override { printout_.ended = true; }

    void TextFont(const std::string& name) override {
        font_ = name;
        surface_->TextFont(name);
    }
    void TextSize(float points) override {
        size_ = points;
        surface_->TextSize(points);
    }
    void Bold(bool bold) override {
        bold_ = bold;
        surface_->Bold(bold);
    }
    void ForeColor(Color color) override { surface_->ForeColor(color); }
    std::int32_t TextHeight() const override { return surface_->TextHeight(); }
    std::int32_t TextAscent() const override { return surface_->TextAscent(); }
    double PrintableBottom() const override { return surface_->PrintableBottom(); }
    void DrawString(const std::string& text, double x, double y) override {
        printout_.texts.push_back({printout_.pages - 1, text, x, y, font_, size_, bold_});
        surface_->DrawString(text, x, y);
    }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        printout_.rules.push_back({printout_.pages - 1, x1, y1, x2, y2});
        surface_->DrawLine(x1, y1, x2, y2);
    }
    void NextPage() override {
        ++printout_.pages;
        surface_->NextPage();
    }

private:
    std::unique_ptr<Graphics> surface_;
    Printout& printout_;
    std::string font_;
    float size_ = 0;
    bool bold_ = false;
};

QPageLayout Paper(QPageSize size, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    return QPageLayout(size, orientation, QMarginsF());
}

QPageLayout Letter() { return Paper(QPageSize(QPageSize::Letter)); }

// One tape row as printed: its three texts on one baseline.
struct PrintedRow {
    int page;
    double y;
    std::string description;
    std::string value;
    std::string op;
};

// pdftotext boxes a word from its font's ascent above the baseline to its
// descent below it.
double Baseline(const PdfWord& word, double descent) { return word.yMax - descent; }

// Right-aligned in 16 character cells, as the value column prints.
std::string Padded(const std::string& value) { return std::string(16 - value.size(), ' ') + value; }

class TapePrintingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        window = Window1::Get();
        WidgetOf(*window->LCD())->setFocus();
        PrintOn(Letter());
    }
    void TearDown() override {
        SetPrinterDialogSeam({});
        ProgramTest::TearDown();
        ShownMessages().clear();
    }

    QString PdfPath() const { return folder.filePath("tape.pdf"); }

    // The print dialog's answer: the paper chosen, printing to a PDF file.
    void PrintOn(const QPageLayout& paper) {
        SetPrinterDialogSeam([this, paper]() -> std::unique_ptr<Graphics> {
            printout = {};
            auto pdf = PdfGraphics(PdfPath(), paper);
            return pdf ? std::make_unique<RecordingGraphics>(std::move(pdf), printout) : nullptr;
        });
    }
    void Print() const { QTest::mouseClick(WidgetOf(*window->BevelButton22()), Qt::LeftButton); }

    void Enter(const std::string& keys) const {
        for (char key : keys) {
            TypeKey(TopLevelOf(*window), static_cast<Qt::Key>(std::toupper(key)), Qt::NoModifier,
                    QString(QChar(key)));
        }
    }
    // A tape of that many rows, each closed by "+".
    void TapeOfRows(int rows) const {
        for (int row = 1; row <= rows; ++row) {
            Enter(std::to_string(row) + "+");
        }
    }
    Listbox& Tape() const { return *window->ListBox1(); }

    // The rows' text height and descent on paper: "Monaco" 16.
    struct RowFont {
        int height;
        int descent;
    };
    RowFont RowMetrics() const {
        auto surface = PdfGraphics(folder.filePath("metrics.pdf"), Letter());
        surface->TextFont("Monaco");
        surface->TextSize(16);
        return {surface->TextHeight(), surface->TextHeight() - surface->TextAscent()};
    }
    int Capacity() const { return CInt32(672.0 / RowMetrics().height); }

    // The rows as printed: after the date and the two headings, three texts
    // a row.
    std::vector<PrintedRow> Rows() const {
        std::vector<PrintedRow> rows;
        EXPECT_GE(printout.texts.size(), 3u);
        EXPECT_EQ(printout.texts.size() % 3, 0u);
        for (std::size_t at = 3; at + 2 < printout.texts.size(); at += 3) {
            const DrawnText& d = printout.texts[at];
            rows.push_back(
                {d.page, d.y, d.text, printout.texts[at + 1].text, printout.texts[at + 2].text});
        }
        return rows;
    }
    std::vector<DrawnRule> UnderlineRules() const {
        // The heading rule comes first, the closing rule last.
        return {printout.rules.begin() + 1, printout.rules.end() - 1};
    }

    QTemporaryDir folder;
    Window1* window = nullptr;
    Printout printout;
};

TEST_F(TapePrintingTest, DateHeadingsRowsAndRulesStandWhereTheLayoutPutsThem) {
    Enter("7=");
    // The printout reads the clock between these two, which may fall on
    // either side of midnight.
    const std::string before = Date().LongDate();
    Print();
    const std::string after = Date().LongDate();
    ASSERT_FALSE(printout.texts.empty());
    const std::string date = printout.texts.front().text;
    EXPECT_TRUE(date == before || date == after) << date;

    const double h = RowMetrics().height;
    const std::vector<DrawnText> texts = {
        {0, date, 50, 40, "Geneva", 12, false},
        {0, "Description", 50, 80, "Monaco", 16, true},
        {0, "                   Value", 212, 80, "Monaco", 16, true},
        {0, "", 50, 105, "Monaco", 16, false},
        {0, Padded("7"), 290, 105, "Monaco", 16, false},
        {0, "=", 455, 105, "Monaco", 16, false},
        {0, "Tot.", 50, 105 + h, "Monaco", 16, false},
        {0, Padded("7"), 290, 105 + h, "Monaco", 16, false},
        {0, "", 455, 105 + h, "Monaco", 16, false},
    };
    EXPECT_EQ(printout.texts, texts);
    const std::vector<DrawnRule> rules = {RuleAt(0, 84), RuleAt(0, 107 + h), RuleAt(0, 109 + h)};
    EXPECT_EQ(printout.rules, rules);
    EXPECT_EQ(printout.pages, 1);
    EXPECT_TRUE(printout.ended);
    EXPECT_TRUE(QFile::exists(PdfPath()));
}

TEST_F(TapePrintingTest, EmptyTapePrintsTheHeadingsAndTheClosingRuleUnderThem) {
    Print();
    EXPECT_EQ(printout.texts.size(), 3u);
    const double h = RowMetrics().height;
    EXPECT_EQ(printout.rules, (std::vector<DrawnRule>{RuleAt(0, 84), RuleAt(0, 109 - h)}));
    EXPECT_EQ(printout.pages, 1);
}

// ---- Pages -------------------------------------------------------------

struct PageBreakCase {
    const char* name;
    QPageSize::PageSizeId paper;
    int rowsOverCapacity;
    // Where the last row goes: its page, and its line on that page.
    int lastPage;
    bool lastLineIsCapacity;
};

void PrintTo(const PageBreakCase& c, std::ostream* out) { *out << c.name; }

class PageBreaks : public TapePrintingTest, public ::testing::WithParamInterface<PageBreakCase> {};

TEST_P(PageBreaks, AFullPageHoldsCapacityPlusOneRowsAndNoEmptyPageFollows) {
    const PageBreakCase& c = GetParam();
    PrintOn(Paper(QPageSize(c.paper)));
    const int capacity = Capacity();
    const int h = RowMetrics().height;
    TapeOfRows(capacity + c.rowsOverCapacity);
    Print();

    const std::vector<PrintedRow> rows = Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(capacity + c.rowsOverCapacity));
    for (int line = 0; line <= capacity; ++line) {
        EXPECT_EQ(rows[line].page, 0) << "row " << line;
        EXPECT_EQ(rows[line].y, 105 + line * h) << "row " << line;
    }
    const double lastY = c.lastLineIsCapacity ? 105 + capacity * h : 105;
    EXPECT_EQ(rows.back().page, c.lastPage);
    EXPECT_EQ(rows.back().y, lastY);
    EXPECT_EQ(printout.pages, c.lastPage + 1);
    EXPECT_EQ(printout.rules.back(), RuleAt(c.lastPage, lastY + 4));
}

// clang-format off
const PageBreakCase kPageBreakCases[] = {
    {"LetterLastRowFillsThePage", QPageSize::Letter, 1, 0, true},
    {"LetterOneRowMoreStartsPageTwo", QPageSize::Letter, 2, 1, false},
    {"A4LastRowFillsThePage", QPageSize::A4, 1, 0, true},
    {"A4OneRowMoreStartsPageTwo", QPageSize::A4, 2, 1, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, PageBreaks, ::testing::ValuesIn(kPageBreakCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShortPaperCase {
    const char* name;
    QPageLayout paper;
    int rows;
};

void PrintTo(const ShortPaperCase& c, std::ostream* out) { *out << c.name; }

class ShortPaper : public TapePrintingTest, public ::testing::WithParamInterface<ShortPaperCase> {};

// Rows go on a new page before they would run off the paper's printable
// bottom, so every row prints, in order, on the paper.
TEST_P(ShortPaper, LosesNoRow) {
    const ShortPaperCase& c = GetParam();
    PrintOn(c.paper);
    const RowFont font = RowMetrics();
    TapeOfRows(c.rows);
    Print();

    const std::vector<PrintedRow> rows = Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.rows));
    const double bottom = c.paper.fullRect(QPageLayout::Point).bottom();
    for (int row = 0; row < c.rows; ++row) {
        EXPECT_EQ(rows[row].value, Padded(std::to_string(row + 1))) << "row " << row;
        const bool opensPage = row == 0 || rows[row].page != rows[row - 1].page;
        if (opensPage) {
            EXPECT_EQ(rows[row].y, 105) << "row " << row;
            EXPECT_EQ(rows[row].page, row == 0 ? 0 : rows[row - 1].page + 1) << "row " << row;
        } else {
            EXPECT_EQ(rows[row].y, rows[row - 1].y + font.height) << "row " << row;
        }
        // A row that shares its page must fit on it; only a row alone on a
        // page too short for any may run off it.
        const bool alone = opensPage && (row + 1 == c.rows || rows[row + 1].page != rows[row].page);
        if (!alone) {
            EXPECT_LE(rows[row].y + font.descent, bottom) << "row " << row;
        }
    }
    EXPECT_EQ(printout.pages, rows.back().page + 1);
    EXPECT_EQ(printout.rules.back(), RuleAt(rows.back().page, rows.back().y + 4));
}

// clang-format off
const ShortPaperCase kShortPaperCases[] = {
    {"A5", Paper(QPageSize(QPageSize::A5)), 80},
    {"LandscapeLetter", Paper(QPageSize(QPageSize::Letter), QPageLayout::Landscape), 80},
    {"LabelRoll4By6Inches", Paper(QPageSize(QSizeF(4, 6), QPageSize::Inch)), 60},
    // Just tall enough for the first row: one row a page.
    {"LabelTallEnoughForOneRow", Paper(QPageSize(QSizeF(2, 1.6), QPageSize::Inch)), 3},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, ShortPaper, ::testing::ValuesIn(kShortPaperCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Paper on which not even the first row would print whole is refused
// before anything is drawn: the user is told why and no page comes out.
TEST_F(TapePrintingTest, PaperTooShortForARowIsRefusedAndPrintsNothing) {
    PrintOn(Paper(QPageSize(QSizeF(2, 1), QPageSize::Inch)));
    TapeOfRows(3);
    Print();
    EXPECT_TRUE(printout.ended);
    EXPECT_TRUE(printout.texts.empty());
    EXPECT_TRUE(printout.rules.empty());
    EXPECT_EQ(printout.pages, 1);
    EXPECT_FALSE(QFile::exists(PdfPath()));
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages().front().rfind("The paper is too short to print the tape", 0), 0u)
        << ShownMessages().front();
    EXPECT_EQ(Tape().ListCount(), 3);
}

struct ChoiceCase {
    const char* name;
    std::function<void(QPrinter&)> choose;
    // The tape's pages as they come out, in order; none: nothing printed.
    std::vector<int> pages;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }

class DialogChoices : public TapePrintingTest, public ::testing::WithParamInterface<ChoiceCase> {};

// The print dialog's pages, copies and order, as the dialog sets them on a
// printer that prints to a PDF file: what comes out is what was chosen.
TEST_P(DialogChoices, PrintTheChosenPagesAndCopiesOnly) {
    const ChoiceCase& c = GetParam();
    SetPrinterDialogSeam([this, &c] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(PdfPath());
        printer->setPageLayout(Letter());
        c.choose(*printer);
        return PrinterGraphics(std::move(printer));
    });
    const int perPage = Capacity() + 1;
    TapeOfRows(2 * perPage + 1);
    Print();

    if (c.pages.empty()) {
        EXPECT_FALSE(QFile::exists(PdfPath()));
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages().front().rfind("Nothing was printed", 0), 0u)
            << ShownMessages().front();
        return;
    }
    EXPECT_TRUE(ShownMessages().empty());
    // A page is told by its first row, which holds that row's number.
    const PdfText pdf = ReadPdfWords(PdfPath());
    std::vector<int> pages(pdf.pages.size(), 0);
    for (const PdfWord& word : pdf.words) {
        const bool firstRow = std::abs(Baseline(word, 16 * 0.236) - 105) < 0.5;
        if (firstRow && word.text.find_first_not_of("0123456789") == std::string::npos) {
            pages[word.page] = (std::stoi(word.text) - 1) / perPage + 1;
        }
    }
    EXPECT_EQ(pages, c.pages);
}

// clang-format off
const ChoiceCase kChoiceCases[] = {
    {"EveryPageOnce", [](QPrinter&) {}, {1, 2, 3}},
    {"PagesTwoToThree",
     [](QPrinter& p) { p.setPrintRange(QPrinter::PageRange); p.setFromTo(2, 3); }, {2, 3}},
    {"TwoCollatedCopies",
     [](QPrinter& p) { p.setCopyCount(2); p.setCollateCopies(true); }, {1, 2, 3, 1, 2, 3}},
    {"TwoCopiesOfPagesTwoToThreeUncollated",
     [](QPrinter& p) {
         p.setPrintRange(QPrinter::PageRange); p.setFromTo(2, 3);
         p.setCopyCount(2); p.setCollateCopies(false);
     }, {2, 2, 3, 3}},
    {"LastPageFirst", [](QPrinter& p) { p.setPageOrder(QPrinter::LastPageFirst); }, {3, 2, 1}},
    {"PagesPastTheLastPrintNothing",
     [](QPrinter& p) { p.setPrintRange(QPrinter::PageRange); p.setFromTo(4, 5); }, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, DialogChoices, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Texts -------------------------------------------------------------

struct HeadingCase {
    const char* name;
    const char* valore;
    const char* printed;
};

void PrintTo(const HeadingCase& c, std::ostream* out) { *out << c.name; }

class ValueHeading : public TapePrintingTest, public ::testing::WithParamInterface<HeadingCase> {};

TEST_P(ValueHeading, IsRightAlignedInTwentyFourCharacters) {
    App::Get()->valore = GetParam().valore;
    App::Get()->descrizione = "Was";
    Print();
    ASSERT_EQ(printout.texts.size(), 3u);
    EXPECT_EQ(printout.texts[1].text, "Was");
    EXPECT_EQ(printout.texts[2].text, GetParam().printed);
}

// clang-format off
const HeadingCase kHeadingCases[] = {
    {"ShorterIsPadded", "Amount", "                  Amount"},
    {"CountsCharactersNotBytes", "Betrag in €", "             Betrag in €"},
    {"LongerKeepsItsLastTwentyFour", "The values of all the rows, in euro", "of all the rows, in euro"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, ValueHeading, ::testing::ValuesIn(kHeadingCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    const char* keys;
    const char* maskWhenTyped;
    const char* maskWhenPrinted;
    std::vector<std::string> printed;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }

class PrintedValues : public TapePrintingTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(PrintedValues, AreFormattedAgainWithTheMaskInForceNow) {
    const ValueCase& c = GetParam();
    App::Get()->decimalFormat = c.maskWhenTyped;
    Enter(c.keys);
    const std::string stored = Tape().Cell(0, 1);
    App::Get()->decimalFormat = c.maskWhenPrinted;
    Print();
    std::vector<std::string> values;
    for (const PrintedRow& row : Rows()) {
        values.push_back(row.value);
    }
    EXPECT_EQ(values, c.printed);
    // Cut or not, a value fills the column's 16 character cells.
    for (const std::string& value : values) {
        EXPECT_EQ(QString::fromStdString(value).size(), 16) << value;
    }
    EXPECT_EQ(Tape().Cell(0, 1), stored) << "printing changed the tape";
}

// clang-format off
const ValueCase kValueCases[] = {
    {"MoreDecimalsReformatOldRows", "10/3=", "-#.00", "-#.0000",
     {Padded("10.0000"), Padded("3.0000"), Padded("3.3300")}},
    {"FewerDecimalsReformatOldRows", "3-7.25=", "-#.00", "-#.0",
     {Padded("3.0"), Padded("7.3"), Padded("-4.3")}},
    {"LongerThanSixteenShowsItsCut", "1234567890123456=", "-#.00", "-#.00",
     {"…567890123456.00", "…567890123456.00"}},
    {"TwentyDigitTotalShowsItsCut", "12345678901234567890+1=", "-#.##", "-#.##",
     {"…678901234567000", Padded("1"), "…678901234567000"}},
    {"InfinityPrintsAsTheTapeShowsIt", "5/0=", "-#.##", "-#.##",
     {Padded("5"), Padded("0"), Padded("INF")}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, PrintedValues, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnderlineCase {
    const char* name;
    std::function<void(Listbox& tape, App& app)> change;
    std::vector<int> underlined;
};

void PrintTo(const UnderlineCase& c, std::ostream* out) { *out << c.name; }

class Underlines : public TapePrintingTest, public ::testing::WithParamInterface<UnderlineCase> {};

TEST_P(Underlines, GoUnderEveryRowDescribedByTheTotalLabel) {
    Enter("7+3=4=");
    GetParam().change(Tape(), *App::Get());
    Print();
    const std::vector<PrintedRow> rows = Rows();
    std::vector<DrawnRule> expected;
    for (int row : GetParam().underlined) {
        expected.push_back(RuleAt(0, rows[row].y + 2));
    }
    EXPECT_EQ(UnderlineRules(), expected);
}

// clang-format off
const UnderlineCase kUnderlineCases[] = {
    {"TotalRows", [](Listbox&, App&) {}, {2, 4}},
    {"ATypedDescriptionEqualToTheLabel", [](Listbox& tape, App&) { tape.Cell(0, 0, "Tot."); },
     {0, 2, 4}},
    {"NotATotalRowWhoseDescriptionWasChanged",
     [](Listbox& tape, App&) { tape.Cell(2, 0, "Subtotal"); }, {4}},
    {"NoRowOnceTheLabelChanged", [](Listbox&, App& app) { app.totale = "Total"; }, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tape, Underlines, ::testing::ValuesIn(kUnderlineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The dialog cancelled ---------------------------------------------------

TEST_F(TapePrintingTest, CancellingTheDialogPrintsNothingAndLeavesTheTape) {
    Enter("7+3=5");
    SetPrinterDialogSeam([] { return nullptr; });
    Print();
    EXPECT_FALSE(QFile::exists(PdfPath()));
    ASSERT_EQ(Tape().ListCount(), 3);
    EXPECT_EQ(Tape().Cell(2, 0), "Tot.");
    EXPECT_EQ(Tape().ListIndex(), 2);
    EXPECT_EQ(window->LCD()->Text(), "105");
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_TRUE(ReportedExceptions().empty());
}

// ---- The page on paper ---------------------------------------------------

const PdfWord& Word(const PdfText& pdf, const std::string& text, int occurrence = 0) {
    for (const PdfWord& word : pdf.words) {
        if (word.text == text && occurrence-- == 0) {
            return word;
        }
    }
    throw std::out_of_range("no word " + text);
}

TEST_F(TapePrintingTest, ThePrintedPdfShowsEveryWordWhereTheLayoutPutsIt) {
    Enter("12.5+3=");
    Tape().Cell(0, 0, "Coffee");
    Print();
    const PdfText pdf = ReadPdfWords(PdfPath());
    ASSERT_EQ(pdf.pages.size(), 1u);
    const double h = RowMetrics().height;
    // "Monaco" 16 on paper: DejaVu Sans Mono's descent is 0.236 of its size.
    const double descent = 16 * 0.236;
    struct Place {
        const char* word;
        int occurrence;
        double left; // negative: only the baseline is checked
        double baseline;
    } places[] = {
        {"Description", 0, 50, 80}, {"Coffee", 0, 50, 105},       {"+", 0, 455, 105},
        {"=", 0, 455, 105 + h},     {"Tot.", 0, 50, 105 + 2 * h}, {"12.5", 0, -1, 105},
        {"3", 0, -1, 105 + h},      {"15.5", 0, -1, 105 + 2 * h},
    };
    for (const Place& place : places) {
        const PdfWord& word = Word(pdf, place.word, place.occurrence);
        if (place.left >= 0) {
            EXPECT_NEAR(word.xMin, place.left, 0.5) << place.word;
        }
        EXPECT_NEAR(Baseline(word, descent), place.baseline, 0.3) << place.word;
    }
    // The padded values and the padded heading end on one right edge, since
    // every character of the face is equally wide.
    const double edge = Word(pdf, "12.5").xMax;
    EXPECT_NEAR(Word(pdf, "3").xMax, edge, 0.01);
    EXPECT_NEAR(Word(pdf, "15.5").xMax, edge, 0.01);
    EXPECT_NEAR(Word(pdf, "Value").xMax, edge, 3.0);
    // The date is the first line, in "Geneva" 12 on the baseline 40.
    EXPECT_NEAR(pdf.words.front().xMin, 50, 0.5);
    EXPECT_NEAR(pdf.words.front().yMax, 40 + 12 * 0.236, 0.5);
}

} // namespace
