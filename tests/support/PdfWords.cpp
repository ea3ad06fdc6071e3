#include "PdfWords.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <stdexcept>

PdfText ReadPdfWords(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), path, "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        throw std::runtime_error("pdftotext could not read " + path.toStdString() + ": " +
                                 pdftotext.readAllStandardError().toStdString());
    }
    PdfText text;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    auto number = [&xml](const char* name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("page")) {
            text.pages.push_back({number("width"), number("height")});
        } else if (xml.name() == QLatin1String("word")) {
            PdfWord word{static_cast<int>(text.pages.size()) - 1,
                         number("xMin"),
                         number("yMin"),
                         number("xMax"),
                         number("yMax"),
                         {}};
            word.text = xml.readElementText().toStdString();
            text.words.push_back(word);
        }
    }
    if (xml.hasError()) {
        throw std::runtime_error("unreadable pdftotext output for " + path.toStdString());
    }
    return text;
}
