// The printer's drawing surface on a PDF file: points from the paper's
// corner, pages, the fixed-pitch face, and a file that cannot be written.

#include "PrinterGraphics.h"
#include "Graphics.h"
#include "PdfWords.h"
#include "TestSupport.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

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

TEST_F(PrinterGraphicsTest, AMissingFolderIsReportedBeforeAnythingIsDrawn) {
    const QString path = folder.filePath("gone/page.pdf");
    EXPECT_EQ(PdfGraphics(path, A4WithMargins()), nullptr);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0], "The printout could not be saved as \"" + path.toStdString() +
                                      "\": No such file or directory.");
}

} // namespace
