#pragma once

#include "core/i18n/languagelines.h"
#include "support/scratchfolder.h"

#include <QString>
#include <string>
#include <vector>

namespace tessaly::test {

// A folder that stands for the program's own: a copy of the shipped data files, which
// a test may change, and the path of a program file inside it.
class ProgramFolder {
  public:
    ProgramFolder();

    const std::string& Path() const { return folder_.Path(); }
    QString ProgramFile() const;

    // Writes a language file "ltexts/<stem>.<code>" with the given lines (CR LF ends).
    void WriteLanguageFile(const std::string& stem, const std::string& code,
                           const std::vector<std::string>& lines) const;
    // A language set whose every line names its list and index ("label 7").
    void WriteNumberedLanguageSet(const std::string& code, long menuLines = MenuLine::BaseCount,
                                  long labelLines = LabelLine::BaseCount,
                                  long messageLines = MessageLine::BaseCount) const;
    void Remove(const std::string& relativePath) const;

  private:
    ScratchFolder folder_;
};

// The text of a line of a numbered set: "label 7" for line 7 of the labels ("menu",
// "label", "message").
QString NumberedLine(const std::string& list, long line);

} // namespace tessaly::test
