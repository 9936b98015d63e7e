#include "BatchExport.h"

#include "BuiltFooter.h"
#include "FileAccess.h"
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
#include <stdexcept>

namespace batch {

namespace {

std::string usage() {
    return "Použití: strunomat-txt [-w ŠÍŘKA] SOUBOR.tab...\n"
           "Zapíše textový výstup každé tabulatury vedle ní jako SOUBOR.txt.\n"
           "Soubor \"-\" se čte ze standardního vstupu a výstup jde na standardní výstup.\n"
           "\n"
           "  -w ŠÍŘKA    počet znaků v jednom řádku výstupu (výchozí " +
           std::to_string(io::kStartWrapWidth) +
           ")\n"
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
    file_access::writeWholeFile(QFile::decodeName(QByteArray::fromStdString(name.string())),
                                bytes);
}

std::filesystem::path outputName(const std::string& input) {
    std::filesystem::path name(input);
    if (name.extension() == ".tab")
        name.replace_extension();
    name += ".txt";
    return name;
}

bool parseWidth(const std::string& text, std::int32_t& width) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, width);
    return error == std::errc() && stop == end && width > 0;
}

} // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    std::int32_t width = io::kStartWrapWidth;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out << usage();
            return 0;
        }
        if (arg == "-w") {
            if (i + 1 == args.size() || !parseWidth(args[i + 1], width)) {
                err << "strunomat-txt: šířka musí být celé číslo větší než 0\n";
                return 2;
            }
            ++i;
        } else {
            files.push_back(arg);
        }
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

    const io::Footer footer = cp1250::builtFooter();
    int status = 0;
    for (const std::string& name : files) {
        try {
            if (name == "-") {
                const std::string bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
                out << io::renderTextOutput(io::readTabFile(bytes), width, footer) << std::flush;
                if (!out)
                    throw Failure("nelze zapsat na standardní výstup: " + reason());
                continue;
            }
            const std::string text =
                io::renderTextOutput(io::readTabFile(readFile(name)), width, footer);
            writeFile(outputName(name), text);
        } catch (const std::exception& e) {
            err << "strunomat-txt: " << name << ": " << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace batch
