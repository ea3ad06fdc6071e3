#pragma once

// What a PDF file shows, read back by poppler's pdftotext: every page's size
// and every word's box, in points from the page's top left corner.

#include <QString>

#include <string>
#include <vector>

struct PdfWord {
    int page = 0; // from 0
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

struct PdfPageSize {
    double width = 0;
    double height = 0;
};

struct PdfText {
    std::vector<PdfPageSize> pages;
    std::vector<PdfWord> words;
};

// Raises std::runtime_error when pdftotext cannot read the file.
PdfText ReadPdfWords(const QString& path);
