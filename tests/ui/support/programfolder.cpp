#include "ui/support/programfolder.h"

#include "core/base/wholefile.h"
#include "core/i18n/languagefile.h"

#include <filesystem>

namespace tessaly::test {

ProgramFolder::ProgramFolder() {
    std::filesystem::copy(TESSALY_DATA_DIR, folder_.Path(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(folder_.File("CMakeLists.txt"));
}

QString ProgramFolder::ProgramFile() const {
    return QString::fromStdString(folder_.File("tessaly"));
}

void ProgramFolder::WriteLanguageFile(const std::string& stem, const std::string& code,
                                      const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    WriteWholeFile(LanguageFilePath(Path(), stem, code), Bytes(text.begin(), text.end()));
}

QString NumberedLine(const std::string& list, long line) {
    return QString::fromStdString(list + " " + std::to_string(line));
}

void ProgramFolder::WriteNumberedLanguageSet(const std::string& code, long menuLines,
                                             long labelLines, long messageLines) const {
    const auto numbered = [](const std::string& name, long count) {
        std::vector<std::string> lines;
        for (long i = 0; i < count; ++i) {
            lines.push_back(NumberedLine(name, i).toStdString());
        }
        return lines;
    };
    WriteLanguageFile("menuitems", code, numbered("menu", menuLines));
    std::vector<std::string> labels = numbered("label", labelLines);
    if (!labels.empty()) {
        labels[LabelLine::FontFace] = "Test Face";
    }
    WriteLanguageFile("labels", code, labels);
    WriteLanguageFile("messages", code, numbered("message", messageLines));
}

void ProgramFolder::Remove(const std::string& relativePath) const {
    std::filesystem::remove(folder_.File(relativePath));
}

} // namespace tessaly::test
