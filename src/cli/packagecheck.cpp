#include "cli/packagecheck.h"

#include "cli/clitool.h"
#include "core/base/datafiles.h"
#include "core/base/platformerror.h"
#include "core/package/packageinspection.h"
#include "core/pictures/picturecheck.h"

namespace tessaly::cli {

const char* const CheckUsage = "check PKG.pac";

int RunCheck(const std::vector<std::string>& words, Output& out, Output&) {
    const Arguments arguments = ParseArguments(words, {}, {});
    if (arguments.positional.size() != 1) {
        throw Failure("usage", CheckUsage);
    }
    const Bytes bytes = ReadInput(arguments.positional[0]);
    std::optional<Bytes> palette;
    try {
        palette = ReadPaletteFile(ProgramDataDir());
    } catch (const FileOpenError&) {
        out << "warning: the palette file " << PaletteFileName
            << " is missing; colour tables are not tested\n";
    }
    const std::optional<std::span<const std::uint8_t>> paletteBytes =
        palette ? std::optional<std::span<const std::uint8_t>>(*palette) : std::nullopt;
    int problems = 0;
    int warnings = 0;
    for (const Finding& finding : InspectRoomPackage(bytes, paletteBytes)) {
        const bool problem = finding.severity == Finding::Severity::Problem;
        (problem ? problems : warnings) += 1;
        out << (problem ? "problem: " : "warning: ") << finding.text << "\n";
    }
    out << problems << " problems, " << warnings << " warnings\n";
    return problems ? 1 : 0;
}

} // namespace tessaly::cli
