#include "PrinterGraphics.h"

#include "CupsJobStatus.h"
#include "Fonts.h"
#include "QtColor.h"
#include "Report.h"
#include "SavedFile.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::string CannotSave(const QString& path, const QString& reason) {
    return "The printout could not be saved as \"" + path.toStdString() +
           "\": " + reason.toStdString() + ".";
}

// One thing drawn on a page: a text on its baseline, or a rule, with the
// font and pen in effect when it was drawn.
struct Mark {
    bool isText;
    QFont font;
    QPen pen;
    QPointF from;
    QPointF to;
    QString text;
};

// The pages of what is drawn, in the order and number of copies the print
// dialog chose: the chosen pages only, last first when asked, each copy
// whole (collated) or each page its copies in a row. Indexes into the pages.
std::vector<int> Sheets(int pageCount, const PrintChoice& choice) {
    std::vector<int> chosen;
    for (int page = 1; page <= pageCount; ++page) {
        if (choice.pages.isEmpty() || choice.pages.contains(page)) {
            chosen.push_back(page - 1);
        }
    }
    if (choice.lastPageFirst) {
        std::reverse(chosen.begin(), chosen.end());
    }
    std::vector<int> sheets;
    const int copies = std::max(choice.copies, 1);
    if (choice.collate) {
        for (int copy = 0; copy < copies; ++copy) {
            sheets.insert(sheets.end(), chosen.begin(), chosen.end());
        }
    } else {
        for (int page : chosen) {
            sheets.insert(sheets.end(), static_cast<std::size_t>(copies), page);
        }
    }
    return sheets;
}

// Draws on a paged device whose paint area is the whole paper, scaled so
// that one unit is one point. The pages are kept as they are drawn and go
// to the device when the surface is let go, since only then is it known
// which of them the chosen pages are, and copies repeat them. A PDF file is
// the device's output through a QSaveFile, so it appears only once it is
// complete; a printer's job is checked once it is sent. A surface let go
// with nothing drawn prints nothing and saves no file.
class PainterGraphics final : public Graphics {
public:
    PainterGraphics(std::unique_ptr<QSaveFile> file, std::unique_ptr<QPagedPaintDevice> device,
                    QPrinter* printer, double printableBottom, PrintChoice choice,
                    std::string deviceName)
        : file_(std::move(file)), device_(std::move(device)), printer_(printer),
          printableBottom_(printableBottom), choice_(std::move(choice)),
          deviceName_(std::move(deviceName)) {
        ForeColor(Color{});
        ApplyFont();
    }

    ~PainterGraphics() override {
        if (drawn_) {
            Print();
        }
    }

    void TextFont(const std::string& name) override {
        family_ = name;
        ApplyFont();
    }
    void TextSize(float points) override {
        size_ = points;
        ApplyFont();
    }
    void Bold(bool bold) override {
        bold_ = bold;
        ApplyFont();
    }
    void ForeColor(Color color) override {
        pen_ = QPen(ToQColor(color), 1.0, Qt::SolidLine, Qt::FlatCap);
    }

    std::int32_t TextHeight() const override {
        return static_cast<std::int32_t>(std::lround(metrics_.height()));
    }
    std::int32_t TextAscent() const override {
        return static_cast<std::int32_t>(std::lround(metrics_.ascent()));
    }
    double PrintableBottom() const override { return printableBottom_; }

    void DrawString(const std::string& text, double x, double y) override {
        Keep({true, font_, pen_, QPointF(x, y), {}, QString::fromStdString(text)});
    }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        Keep({false, font_, pen_, QPointF(x1, y1), QPointF(x2, y2), {}});
    }
    void NextPage() override { pages_.emplace_back(); }

private:
    void Keep(Mark mark) {
        pages_.back().push_back(std::move(mark));
        drawn_ = true;
    }

    // Sends the chosen pages to the device, then makes sure they arrived:
    // every failure is reported once, naming the file or the printer.
    void Print() {
        const std::vector<int> sheets = Sheets(static_cast<int>(pages_.size()), choice_);
        if (sheets.empty()) {
            ReportFailure("Nothing was printed: the printout ends at page " +
                          std::to_string(pages_.size()) + ", before the pages chosen (" +
                          choice_.pages.toString().toStdString() + ").");
            return;
        }
        QPainter painter;
        if (!painter.begin(device_.get())) {
            ReportFailure(CannotOpen());
            return;
        }
        painter.scale(device_->logicalDpiX() / 72.0, device_->logicalDpiY() / 72.0);
        bool whole = true;
        for (std::size_t sheet = 0; sheet < sheets.size() && whole; ++sheet) {
            whole = sheet == 0 || device_->newPage();
            for (const Mark& mark : pages_[static_cast<std::size_t>(sheets[sheet])]) {
                Draw(painter, mark);
            }
        }
        whole = painter.end() && whole;
        if (file_) {
            // A file whose pages did not all go in is not kept.
            QString reason = QStringLiteral("the PDF could not be finished");
            if (!whole || !CommitWhole(*file_, reason)) {
                ReportFailure(CannotSave(file_->fileName(), reason));
            }
            return;
        }
        ReportUnsent(whole);
    }

    static void Draw(QPainter& painter, const Mark& mark) {
        painter.setPen(mark.pen);
        if (mark.isText) {
            painter.setFont(mark.font);
            painter.drawText(mark.from, mark.text);
        } else {
            painter.drawLine(mark.from, mark.to);
        }
    }

    std::string CannotOpen() const {
        if (file_) {
            return CannotSave(file_->fileName(), QStringLiteral("the PDF could not be started"));
        }
        return "The printer \"" + deviceName_ + "\" could not be opened.";
    }

    // A printer's job failed where the print engine says so, or where the
    // printing system did not take it.
    void ReportUnsent(bool whole) const {
        const QPrinter::PrinterState state =
            printer_ != nullptr ? printer_->printerState() : QPrinter::Idle;
        if (!whole || state == QPrinter::Error || state == QPrinter::Aborted) {
            ReportFailure("The printer \"" + deviceName_ + "\" could not print the job.");
            return;
        }
        if (printer_ != nullptr && printer_->outputFormat() == QPrinter::NativeFormat) {
            const std::string refusal = CupsRefusal();
            if (!refusal.empty()) {
                ReportFailure("The printer \"" + deviceName_ +
                              "\" did not take the job: " + refusal + ".");
            }
        }
    }

    // Sizes are points, and the painter's unit is the point: the font is
    // sized in its units, unhinted, since hinting for the screen would move
    // the glyphs on paper.
    void ApplyFont() {
        QFont font = MakeFont(family_, size_, bold_, false, false);
        font.setHintingPreference(QFont::PreferNoHinting);
        font_ = font;
        metrics_ = QFontMetricsF(font);
    }

    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPagedPaintDevice> device_;
    QPrinter* printer_;
    double printableBottom_;
    PrintChoice choice_;
    std::string deviceName_;
    std::vector<std::vector<Mark>> pages_{1};
    bool drawn_ = false;
    QPen pen_;
    QFont font_;
    std::string family_ = "System";
    float size_ = 12;
    bool bold_ = false;
    QFontMetricsF metrics_{QFont()};
};

// What the dialog chose on the printer, beside the printer and the paper.
// A printer that makes copies itself (a CUPS queue) is sent one, with the
// count in its job; for the others (a PDF file) the program repeats them.
PrintChoice ChoiceOf(const QPrinter& printer) {
    PrintChoice choice;
    if (printer.printRange() == QPrinter::PageRange) {
        choice.pages = printer.pageRanges();
    }
    choice.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    return choice;
}

} // namespace

std::unique_ptr<Graphics> PdfGraphics(const QString& path, const QPageLayout& layout,
                                      const PrintChoice& choice) {
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        ReportFailure(CannotSave(path, file->errorString()));
        return nullptr;
    }
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setCreator(QStringLiteral("lumaDex"));
    // A PDF page has no edge that does not print: the whole paper is drawn
    // on, from its top left corner.
    QPageLayout fullPage = layout;
    fullPage.setMode(QPageLayout::FullPageMode);
    writer->setPageLayout(fullPage);
    const double bottom = layout.fullRect(QPageLayout::Point).bottom();
    return std::make_unique<PainterGraphics>(std::move(file), std::move(writer), nullptr, bottom,
                                             choice, path.toStdString());
}

std::unique_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer) {
    const PrintChoice choice = ChoiceOf(*printer);
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        return PdfGraphics(printer->outputFileName(), printer->pageLayout(), choice);
    }
    // The printer's margins are the edges it cannot print on.
    QPageLayout printable = printer->pageLayout();
    printable.setMode(QPageLayout::StandardMode);
    const double bottom = printable.paintRect(QPageLayout::Point).bottom();
    const std::string name = printer->printerName().toStdString();
    printer->setFullPage(true);
    QPrinter* const device = printer.get();
    return std::make_unique<PainterGraphics>(nullptr, std::move(printer), device, bottom, choice,
                                             name);
}
