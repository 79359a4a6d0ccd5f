#include "cli/clitool.h"
#include "tessaly/version.h"

#include <new>

namespace tessaly::cli {
namespace {

void PrintUsage(Output& out) {
    out << "usage: tessaly-pac COMMAND ...\n\n"
           "Works on Tessaly room packages (.pac) in batch. Inputs are read whole before\n"
           "anything is written; a command's outputs appear all together or not at all,\n"
           "also when it is interrupted. \"--\" ends the options.\n\n";
    for (const auto* commands : {&PackageCommands(), &RenderCommands()}) {
        for (const Command& command : *commands) {
            out << "  tessaly-pac " << command.usage << "\n";
        }
    }
    out << "  tessaly-pac --help | --version\n\n"
           "Exit status: 0 done, 1 problems found (check), 2 bad input.\n";
}

} // namespace

int RunTool(const std::vector<std::string>& words, Output& out, Output& err) {
    if (words.size() == 1 && words[0] == "--help") {
        PrintUsage(out);
        return 0;
    }
    if (words.size() == 1 && words[0] == "--version") {
        out << "tessaly-pac " << TessalyVersion << "\n";
        return 0;
    }
    try {
        for (const auto* commands : {&PackageCommands(), &RenderCommands()}) {
            for (const Command& command : *commands) {
                if (!words.empty() && words[0] == command.name) {
                    return command.run({words.begin() + 1, words.end()}, out, err);
                }
            }
        }
        PrintUsage(err);
        return 2;
    } catch (const Failure& failure) {
        err << "tessaly-pac: " << failure.File() << ": " << failure.what() << "\n";
    } catch (const std::bad_alloc&) {
        err << "tessaly-pac: out of memory\n";
    }
    return 2;
}

} // namespace tessaly::cli
