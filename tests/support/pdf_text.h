#pragma once
// The text of a PDF file as Debian's pdftotext reads it: each page's text, or its words with
// their boxes in points.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace zm::testing {

// One string per page, in reading order (-layout); empty when the tool or the file fails.
inline std::vector<QString> PdfPages(const QString& path) {
    QProcess tool;
    tool.start("pdftotext", {"-layout", path, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return {pages.begin(), pages.end()};
}

struct PdfWord {
    QString text;
    double xMin = 0;
    double yMin = 0;
};

// The words of the first page with their top-left corners in points from the paper's corner.
inline std::vector<PdfWord> PdfWords(const QString& path) {
    QProcess tool;
    tool.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    auto it = word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

} // namespace zm::testing
