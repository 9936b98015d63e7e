#include "BatchExport.h"

#include "BuiltFooter.h"
#include "FileAccess.h"
#include "Opening.h"
#include "TabFile.h"
#include "TextOutput.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace batch {

namespace {

std::string usage() {
    return "Použití: strunomat-txt [-w ŠÍŘKA] SOUBOR.tab...\n"
           "        strunomat-txt --to-tab SOUBOR.txt...\n"
           "Zapíše textový výstup každé tabulatury vedle ní jako SOUBOR.txt.\n"
           "S volbou --to-tab naopak načte každý textový tab a zapíše ho vedle něj jako "
           "SOUBOR.tab.\n"
           "Soubor \"-\" se čte ze standardního vstupu a výstup jde na standardní výstup.\n"
           "\n"
           "  -w ŠÍŘKA    počet znaků v jednom řádku výstupu (výchozí " +
           std::to_string(io::kStartWrapWidth) +
           ")\n"
           "  --to-tab    převede textové taby na tabulatury\n"
           "  -h, --help  vypíše tuto nápovědu\n";
}

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string reason() {
    return std::strerror(errno);
}

std::string readFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file)
        throw Failure("nelze otevřít: " + reason());
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw Failure("nelze přečíst: " + reason());
    return bytes;
}

// Atomic: a failure never leaves a half-written file where a good one stood, nor touches any
// other file beside it.
void writeFile(const std::filesystem::path& name, const std::string& bytes) {
    file_access::writeWholeFile(QFile::decodeName(QByteArray::fromStdString(name.string())), bytes);
}

// The input's name with its extension changed from one to the other, or the other added.
std::filesystem::path outputName(const std::string& input, const char* from, const char* to) {
    std::filesystem::path name(input);
    if (name.extension() == from)
        name.replace_extension();
    name += to;
    return name;
}

// A name may differ and still be the same file, through a link.
void refuseToOverwrite(const std::string& input, const std::filesystem::path& output) {
    std::error_code unknown;
    if (std::filesystem::equivalent(input, output, unknown))
        throw Failure("výstup " + output.string() + " je týž soubor jako vstup");
}

// What a file becomes: the text output of a tab file, or the tab file of a text tab.
struct Conversion {
    bool toTab;
    std::int32_t width;
    io::Footer footer;

    // Files are read as the editor opens them: a tab file as "Nahrát", a text as the import.
    std::string operator()(const std::string& bytes, const std::string& name,
                           std::ostream& err) const {
        const cp1250::Opened opened = toTab ? cp1250::openText(bytes) : cp1250::openTab(bytes);
        if (!opened.doc)
            throw Failure("není v něm žádný tab (šest řádků strun pod sebou, od e po E)");
        if (opened.replaced > 0)
            err << "strunomat-txt: " << name
                << ": počet znaků nahrazených otazníkem, protože je kódování Windows-1250 nemá: "
                << opened.replaced << '\n';
        return toTab ? io::writeTabFile(*opened.doc)
                     : io::renderTextOutput(*opened.doc, width, footer);
    }
};

bool parseWidth(const std::string& text, std::int32_t& width) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, width);
    return error == std::errc() && stop == end && width > 0;
}

} // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    Conversion convert{false, io::kStartWrapWidth, cp1250::builtFooter()};
    bool widthGiven = false;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out << usage();
            return 0;
        }
        if (arg == "-w") {
            if (i + 1 == args.size() || !parseWidth(args[i + 1], convert.width)) {
                err << "strunomat-txt: šířka musí být celé číslo větší než 0\n";
                return 2;
            }
            widthGiven = true;
            ++i;
        } else if (arg == "--to-tab") {
            convert.toTab = true;
        } else {
            files.push_back(arg);
        }
    }
    if (convert.toTab && widthGiven) {
        err << "strunomat-txt: šířka patří jen k textovému výstupu, ne k --to-tab\n";
        return 2;
    }
    if (files.empty()) {
        err << usage();
        return 2;
    }
    // Standard input can be read only once; a second "-" would quietly export nothing.
    if (std::count(files.begin(), files.end(), "-") > 1) {
        err << "strunomat-txt: standardní vstup (\"-\") lze zadat jen jednou\n";
        return 2;
    }

    int status = 0;
    for (const std::string& name : files) {
        try {
            if (name == "-") {
                const std::string bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
                out << convert(bytes, name, err) << std::flush;
                if (!out)
                    throw Failure("nelze zapsat na standardní výstup: " + reason());
                continue;
            }
            const std::string converted = convert(readFile(name), name, err);
            const std::filesystem::path output =
                convert.toTab ? outputName(name, ".txt", ".tab") : outputName(name, ".tab", ".txt");
            refuseToOverwrite(name, output);
            writeFile(output, converted);
        } catch (const std::exception& e) {
            err << "strunomat-txt: " << name << ": " << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace batch
