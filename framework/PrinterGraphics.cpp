#include "PrinterGraphics.h"

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

#include <cmath>

namespace {

std::string CannotSave(const QString& path, const QString& reason) {
    return "The printout could not be saved as \"" + path.toStdString() +
           "\": " + reason.toStdString() + ".";
}

// Draws on a paged device whose paint area is the whole paper, scaled so
// that one unit is one point. A PDF file is the device's output through a
// QSaveFile, so it appears only once it is complete. The job begins with
// the first drawing: a surface let go with nothing drawn prints nothing and
// saves no file.
class PainterGraphics final : public Graphics {
public:
    PainterGraphics(std::unique_ptr<QSaveFile> file, std::unique_ptr<QPagedPaintDevice> device,
                    double printableBottom, std::string cannotBegin)
        : file_(std::move(file)), device_(std::move(device)), printableBottom_(printableBottom),
          cannotBegin_(std::move(cannotBegin)) {
        ForeColor(Color{});
        ApplyFont();
    }

    ~PainterGraphics() override {
        if (!painter_.isActive()) {
            return;
        }
        painter_.end();
        QString reason;
        if (file_ && !CommitWhole(*file_, reason)) {
            ReportFailure(CannotSave(file_->fileName(), reason));
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
        if (painter_.isActive()) {
            painter_.setPen(pen_);
        }
    }

    std::int32_t TextHeight() const override {
        return static_cast<std::int32_t>(std::lround(metrics_.height()));
    }
    std::int32_t TextAscent() const override {
        return static_cast<std::int32_t>(std::lround(metrics_.ascent()));
    }
    double PrintableBottom() const override { return printableBottom_; }

    void DrawString(const std::string& text, double x, double y) override {
        if (Begun()) {
            painter_.drawText(QPointF(x, y), QString::fromStdString(text));
        }
    }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        if (Begun()) {
            painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        }
    }
    void NextPage() override {
        if (Begun()) {
            device_->newPage();
        }
    }

private:
    // Begins the job at the first drawing; a device that cannot begin is
    // reported once and draws nothing.
    bool Begun() {
        if (painter_.isActive()) {
            return true;
        }
        if (failed_) {
            return false;
        }
        if (!painter_.begin(device_.get())) {
            failed_ = true;
            ReportFailure(cannotBegin_);
            return false;
        }
        painter_.scale(device_->logicalDpiX() / 72.0, device_->logicalDpiY() / 72.0);
        painter_.setPen(pen_);
        painter_.setFont(font_);
        return true;
    }

    // Sizes are points, and the painter's unit is the point: the font is
    // sized in its units, unhinted, since hinting for the screen would move
    // the glyphs on paper.
    void ApplyFont() {
        QFont font = MakeFont(family_, size_, bold_, false, false);
        font.setHintingPreference(QFont::PreferNoHinting);
        font_ = font;
        if (painter_.isActive()) {
            painter_.setFont(font);
        }
        metrics_ = QFontMetricsF(font);
    }

    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
    double printableBottom_;
    std::string cannotBegin_;
    bool failed_ = false;
    QPen pen_;
    QFont font_;
    std::string family_ = "System";
    float size_ = 12;
    bool bold_ = false;
    QFontMetricsF metrics_{QFont()};
};

} // namespace

std::unique_ptr<Graphics> PdfGraphics(const QString& path, const QPageLayout& layout) {
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
    return std::make_unique<PainterGraphics>(
        std::move(file), std::move(writer), bottom,
        CannotSave(path, QStringLiteral("the PDF could not be started")));
}

std::unique_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer) {
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        return PdfGraphics(printer->outputFileName(), printer->pageLayout());
    }
    // The printer's margins are the edges it cannot print on.
    QPageLayout printable = printer->pageLayout();
    printable.setMode(QPageLayout::StandardMode);
    const double bottom = printable.paintRect(QPageLayout::Point).bottom();
    const std::string name = printer->printerName().toStdString();
    printer->setFullPage(true);
    return std::make_unique<PainterGraphics>(nullptr, std::move(printer), bottom,
                                             "The printer \"" + name + "\" could not be opened.");
}
