#include "core/base/datafiles.h"

#include "core/base/paths.h"
#include "core/base/wholefile.h"

namespace tessaly {

std::string DataFilePath(const std::string& programDir, const char* name) {
    return JoinPath(programDir, name);
}

Bytes ReadHeaderTemplate(const std::string& programDir) {
    return ReadWholeFile(DataFilePath(programDir, HeaderTemplateFileName), MaxHeaderTemplateBytes);
}

Bytes ReadPaletteFile(const std::string& programDir) {
    return ReadFileStart(DataFilePath(programDir, PaletteFileName), PaletteBytes);
}

} // namespace tessaly
