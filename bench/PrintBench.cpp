#include "PrintBench.h"

#include "LongTab.h"
#include "Measure.h"

#include "BuiltFooter.h"
#include "PrintTab.h"

#include <QByteArray>
#include <QRegularExpression>

#include <malloc.h>

#include <fstream>
#include <string>

namespace {

constexpr int kRepeats = 5;

// A line of /proc/self/status in kB, e.g. "VmHWM" for the peak resident size.
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return 0;
}

// Hands freed memory back and lets the peak resident size start again from the present one,
// so a run's peak is its own and not what earlier runs left resident.
void resetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The page count the PDF's page tree declares.
int pagesOf(const QByteArray& pdf) {
    static const QRegularExpression count(QStringLiteral("/Type /Pages\\s[^>]*/Count (\\d+)"));
    return count.match(QString::fromLatin1(pdf)).captured(1).toInt();
}

} // namespace

PrintFigures measurePrint(int columns, std::int32_t wrapWidth) {
    const io::TabDocument doc = longTab(columns);
    const io::Footer footer = cp1250::builtFooter();
    QByteArray pdf;
    const double ms = medianMs(kRepeats, [&] { pdf = print::pdfOf(doc, wrapWidth, footer); });

    pdf = {};
    resetPeak();
    const long before = statusKb("VmRSS");
    pdf = print::pdfOf(doc, wrapWidth, footer);
    const long growth = statusKb("VmHWM") - before;
    return {ms, growth, pagesOf(pdf), static_cast<std::size_t>(pdf.size())};
}
