#include "BuiltFooter.h"

#include "BuildConfig.h"
#include "Cp1250.h"

namespace cp1250 {

io::Footer builtFooter() {
    const auto text = [](const QString& utf8) { return encode(utf8); };
    return {text(QString::fromUtf8(build_config::kProgramCaption)),
            text(QString::fromUtf8(build_config::kAuthor) + QStringLiteral(" (e-mail: ") +
                 QString::fromUtf8(build_config::kEmail) + QLatin1Char(')')),
            text(QString::fromUtf8(build_config::kHomePage))};
}

} // namespace cp1250
