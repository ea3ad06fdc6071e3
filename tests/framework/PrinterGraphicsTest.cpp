// The printer's drawing surface on a PDF file: points from the paper's
// corner, pages, the fixed-pitch face, and a file that cannot be written.

#include "PrinterGraphics.h"
#include "CupsJobStatus.h"
#include "Graphics.h"
#include "PdfWords.h"
#include "TestSupport.h"

#include <QDir>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

class PrinterGraphicsTest : public ::testing::Test {
protected:
    void TearDown() override { ShownMessages().clear(); }

    QString PdfPath() const { return folder.filePath("page.pdf"); }

    QTemporaryDir folder;
};

// A4 with wide margins: drawing still counts from the paper's corner.
QPageLayout A4WithMargins() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(72, 72, 72, 72));
}

TEST_F(PrinterGraphicsTest, TextStandsOnItsBaselineInPointsFromThePapersCorner) {
    {
        auto g = PdfGraphics(PdfPath(), A4WithMargins());
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->PrintableBottom(), 842) << "a PDF page prints to its edge";
        g->TextFont("Monaco");
        g->TextSize(16);
        g->DrawString("first", 20, 30);
        g->NextPage();
        g->DrawString("second", 20, 30);
    }
    const PdfText pdf = ReadPdfWords(PdfPath());
    ASSERT_EQ(pdf.pages.size(), 2u);
    EXPECT_EQ(pdf.pages[1].height, 842);
    ASSERT_EQ(pdf.words.size(), 2u);
    for (const PdfWord& word : pdf.words) {
        EXPECT_NEAR(word.xMin, 20, 0.5) << word.text;
        // pdftotext boxes the word down to the face's descent, 0.236 of its size.
        EXPECT_NEAR(word.yMax - 16 * 0.236, 30, 0.3) << word.text;
    }
    EXPECT_EQ(pdf.words[1].page, 1);
}

TEST_F(PrinterGraphicsTest, MonacoPrintsWithCharactersOfOneWidth) {
    {
        auto g = PdfGraphics(PdfPath(), A4WithMargins());
        g->TextFont("Monaco");
        g->TextSize(16);
        g->DrawString("iiiiiiiiii", 50, 100);
        g->DrawString("WWWWWWWWWW", 50, 200);
        g->Bold(true);
        g->DrawString("llllllllll", 50, 300);
        EXPECT_EQ(g->TextHeight(), 19);
    }
    const PdfText pdf = ReadPdfWords(PdfPath());
    ASSERT_EQ(pdf.words.size(), 3u);
    const double width = pdf.words[0].xMax - pdf.words[0].xMin;
    EXPECT_NEAR(pdf.words[1].xMax - pdf.words[1].xMin, width, 0.01);
    EXPECT_NEAR(pdf.words[2].xMax - pdf.words[2].xMin, width, 0.01);
}

// A file that cannot be written is never reported as printed: the user is
// told its name and the reason, and no half file is left behind. One page
// fits in the file's buffer, so it fails only at the last flush.
class PrinterFullDiskTest : public PrinterGraphicsTest,
                            public ::testing::WithParamInterface<int> {};

TEST_P(PrinterFullDiskTest, AFullDiskIsReportedWithTheFileAndLeavesNoHalfFile) {
    {
        const FileSizeLimit full(1024);
        auto g = PdfGraphics(PdfPath(), A4WithMargins());
        ASSERT_NE(g, nullptr);
        g->TextFont("Monaco");
        g->TextSize(16);
        for (int page = 0; page < GetParam(); ++page) {
            g->DrawString("A page of the tape " + std::to_string(page), 50, 105);
            g->NextPage();
        }
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    const std::string& message = ShownMessages()[0];
    EXPECT_NE(message.find(PdfPath().toStdString()), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

INSTANTIATE_TEST_SUITE_P(Pages, PrinterFullDiskTest, ::testing::Values(1, 20),
                         [](const auto& info) { return std::to_string(info.param) + "Pages"; });

// A print engine that fails a job the ways Qt's engines tell of it: it
// cannot begin, its end fails, or it ends in the error state.
enum class EngineFailure { AtBegin, AtEnd, InErrorState };

class FailingEngine final : public QPaintEngine, public QPrintEngine {
public:
    explicit FailingEngine(EngineFailure failure) : failure_(failure) {}

    bool begin(QPaintDevice*) override {
        state_ = QPrinter::Active;
        return failure_ != EngineFailure::AtBegin;
    }
    bool end() override {
        state_ = failure_ == EngineFailure::InErrorState ? QPrinter::Error : QPrinter::Idle;
        return failure_ != EngineFailure::AtEnd;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
        properties_[key] = value;
    }
    QVariant property(PrintEnginePropertyKey key) const override {
        if (key == PPK_PrinterName) {
            return QStringLiteral("Queue");
        }
        if (key == PPK_QPageLayout) {
            return QVariant::fromValue(A4WithMargins());
        }
        return properties_.value(key);
    }
    bool newPage() override { return state_ == QPrinter::Active; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        switch (metric) {
        case QPaintDevice::PdmWidth:
            return 595;
        case QPaintDevice::PdmHeight:
            return 842;
        case QPaintDevice::PdmWidthMM:
            return 210;
        case QPaintDevice::PdmHeightMM:
            return 297;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmNumColors:
            return 1 << 24;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        default:
            return 72; // the resolutions
        }
    }
    QPrinter::PrinterState printerState() const override { return state_; }

private:
    EngineFailure failure_;
    QPrinter::PrinterState state_ = QPrinter::Idle;
    QHash<PrintEnginePropertyKey, QVariant> properties_;
};

// A printer on that engine, which outlives it.
class FailingPrinter final : public QPrinter {
public:
    explicit FailingPrinter(FailingEngine& engine) { setEngines(&engine, &engine); }
};

struct EngineFailureCase {
    const char* name;
    EngineFailure failure;
    const char* message;
};

void PrintTo(const EngineFailureCase& c, std::ostream* out) { *out << c.name; }

class PrinterJobFailure : public PrinterGraphicsTest,
                          public ::testing::WithParamInterface<EngineFailureCase> {};

// A job the printer does not take is never taken for printed: the user is
// told once, with the printer's name.
TEST_P(PrinterJobFailure, IsReportedOnceWithThePrinter) {
    FailingEngine engine(GetParam().failure);
    {
        auto g = PrinterGraphics(std::make_unique<FailingPrinter>(engine));
        g->DrawString("A page of the tape", 50, 105);
        g->NextPage();
        g->DrawString("Another page", 50, 105);
    }
    EXPECT_EQ(ShownMessages(), std::vector<std::string>{GetParam().message});
}

// clang-format off
const EngineFailureCase kEngineFailureCases[] = {
    {"CannotBegin", EngineFailure::AtBegin, "The printer \"Queue\" could not be opened."},
    {"RefusesTheJobAtItsEnd", EngineFailure::AtEnd, "The printer \"Queue\" could not print the job."},
    {"EndsInTheErrorState", EngineFailure::InErrorState,
     "The printer \"Queue\" could not print the job."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Printer, PrinterJobFailure, ::testing::ValuesIn(kEngineFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A job that never reaches CUPS is told apart from one it took, by the
// answer the CUPS library itself keeps: here a scheduler that is not there.
TEST_F(PrinterGraphicsTest, AJobCupsDidNotTakeIsToldWithTheReason) {
    void* cups = dlopen("libcups.so.2", RTLD_NOW);
    ASSERT_NE(cups, nullptr) << "Qt's printing on Linux comes with the CUPS library";
    const auto setServer = reinterpret_cast<void (*)(const char*)>(dlsym(cups, "cupsSetServer"));
    const auto printFile =
        reinterpret_cast<int (*)(const char*, const char*, const char*, int, void*)>(
            dlsym(cups, "cupsPrintFile"));
    ASSERT_NE(setServer, nullptr);
    ASSERT_NE(printFile, nullptr);
    setServer(folder.filePath("no-scheduler.sock").toUtf8().constData());
    EXPECT_EQ(printFile("Queue", "/dev/null", "lumaDex", 0, nullptr), 0);
    EXPECT_EQ(CupsRefusal(),
              "the printing system (CUPS) did not answer (No such file or directory)");
    setServer(nullptr);
    dlclose(cups);
}

TEST_F(PrinterGraphicsTest, AMissingFolderIsReportedBeforeAnythingIsDrawn) {
    const QString path = folder.filePath("gone/page.pdf");
    EXPECT_EQ(PdfGraphics(path, A4WithMargins()), nullptr);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0], "The printout could not be saved as \"" + path.toStdString() +
                                      "\": No such file or directory.");
}

} // namespace
