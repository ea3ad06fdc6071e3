#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

struct FaceRule {
    const char* name;
    QStringList faces;
    QFont::StyleHint hint;
    QFont::Weight weight;
};

std::span<const FaceRule> Rules() {
    static const FaceRule rules[] = {
        {"Monaco", {"DejaVu Sans Mono"}, QFont::Monospace, QFont::Normal},
        {"Geneva", {"DejaVu Sans"}, QFont::SansSerif, QFont::Normal},
        {"Times", {"Liberation Serif", "DejaVu Serif"}, QFont::Serif, QFont::Normal},
        {"Arial Black", {"DejaVu Sans"}, QFont::SansSerif, QFont::Black},
    };
    return rules;
}

const FaceRule* RuleFor(const QString& family) {
    for (const FaceRule& rule : Rules()) {
        if (family.compare(QLatin1String(rule.name), Qt::CaseInsensitive) == 0) {
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

void InstallFontSubstitutions() {
    for (const FaceRule& rule : Rules()) {
        QFont::insertSubstitutions(QString::fromLatin1(rule.name), rule.faces);
    }
}

QFont MakeFont(const std::string& family, double size, bool bold, bool italic, bool underline) {
    const QString name = QString::fromStdString(family);
    const bool system =
        name.isEmpty() || name.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0;
    QFont font = system ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(name);
    if (const FaceRule* rule = RuleFor(name)) {
        font.setFamilies(rule->faces);
        font.setStyleHint(rule->hint);
        if (rule->weight != QFont::Normal) {
            font.setWeight(rule->weight);
        }
    }
    if (size > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    }
    if (bold && font.weight() < QFont::Bold) {
        font.setWeight(QFont::Bold);
    }
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QFont NarrowedToFit(const QFont& base, const std::function<bool(const QFont&)>& fits) {
    static constexpr int kNarrowest = 70;
    static constexpr int kStep = 5;
    // The stretch is always set explicitly: a font without one takes its
    // parent widget's, which may be narrowed.
    QFont full = base;
    full.setStretch(base.stretch() > 0 ? base.stretch() : 100);
    if (fits(full)) {
        return full;
    }
    QFont narrowed = full;
    for (int stretch = 100 - kStep; stretch >= kNarrowest; stretch -= kStep) {
        narrowed.setStretch(stretch);
        if (fits(narrowed)) {
            break;
        }
    }
    return narrowed;
}
