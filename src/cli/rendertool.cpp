#include "cli/clitool.h"
#include "core/base/outputset.h"
#include "core/base/paths.h"
#include "core/bitmap/bmpcodec.h"
#include "core/preview/contactsheet.h"
#include "core/preview/jpegencoder.h"
#include "core/preview/roomcomposition.h"

#include <algorithm>
#include <cctype>

namespace tessaly::cli {
namespace {

const char* const RenderUsage = "render PKG.pac OUT.(jpg|bmp) [--night] [--door closed|half|open] "
                                "[--box closed|open] [--bed default|sleeping] [--letters]";
const char* const RenderAllUsage = "render-all PKG.pac DIR [--sheet SHEET.jpg]";

// Picks the value of an option from its allowed words; the first is the default.
int Choice(const Arguments& arguments, const std::string& option,
           const std::vector<std::string>& words) {
    const std::optional<std::string> value = arguments.Value(option);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!value || *value == words[i]) {
            return static_cast<int>(i);
        }
    }
    std::string allowed;
    for (const std::string& word : words) {
        allowed += (allowed.empty() ? "" : ", ") + word;
    }
    throw Failure(option, "takes one of: " + allowed);
}

PreviewState StateOf(const Arguments& arguments) {
    PreviewState state;
    state.night = arguments.Flag("--night");
    state.door = static_cast<DoorState>(Choice(arguments, "--door", {"closed", "half", "open"}));
    state.boxOpen = Choice(arguments, "--box", {"closed", "open"}) == 1;
    state.bedSleeping = Choice(arguments, "--bed", {"default", "sleeping"}) == 1;
    state.lettersAndBubble = arguments.Flag("--letters");
    return state;
}

SlotPicture Compose(const RoomPackage& package, const PreviewState& state) {
    SlotPicture preview = BlankPreview();
    ComposeRoom(preview,
                {[&](PartSlot slot) -> const SlotPicture& { return package.pictures[slot]; },
                 BuiltInPlacementRects()},
                state);
    return preview;
}

// Whether the name ends in the extension, in any case: "OUT.JPG" is a JPEG name too.
bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

Bytes JpegOf(const RgbImage& image, const std::string& file) {
    Bytes jpeg;
    ForFile(file, [&] { jpeg = EncodeJpeg(image, PreviewJpegQuality); });
    return jpeg;
}

int RunRender(const std::vector<std::string>& words, std::ostream&, std::ostream&) {
    const Arguments arguments =
        ParseArguments(words, {"--door", "--box", "--bed"}, {"--night", "--letters"});
    if (arguments.positional.size() != 2) {
        throw Failure("usage", RenderUsage);
    }
    const std::string& out = arguments.positional[1];
    const bool bmp = EndsWith(out, ".bmp");
    if (!bmp && !EndsWith(out, ".jpg") && !EndsWith(out, ".jpeg")) {
        throw Failure(out, "the name must end in .jpg, .jpeg or .bmp");
    }
    const PreviewState state = StateOf(arguments);
    const SlotPicture preview = Compose(ReadPackage(arguments.positional[0]), state);
    WriteOutput(out, bmp ? EncodeBmp(preview) : JpegOf(ToRgbImage(preview), out));
    return 0;
}

int RunRenderAll(const std::vector<std::string>& words, std::ostream&, std::ostream&) {
    const Arguments arguments = ParseArguments(words, {"--sheet"}, {});
    if (arguments.positional.size() != 2) {
        throw Failure("usage", RenderAllUsage);
    }
    const RoomPackage package = ReadPackage(arguments.positional[0]);
    const std::string& folder = arguments.positional[1];
    const std::optional<std::string> sheet = arguments.Value("--sheet");
    OutputSet output;
    // Both targets are claimed first: one that cannot be written fails before any work.
    ForFile(folder, [&] {
        output.CreateFolder(folder);
        if (sheet) {
            output.Reserve(*sheet);
        }
    });
    std::vector<SheetCell> cells;
    for (const PreviewState& state : AllPreviewStates()) {
        cells.push_back({state, Compose(package, state)});
        const std::string file = JoinPath(folder, StateName(state) + ".jpg");
        const Bytes jpeg = JpegOf(ToRgbImage(cells.back().preview), file);
        ForFile(file, [&] { output.Add(file, jpeg); });
    }
    if (sheet) {
        const Bytes jpeg = JpegOf(ContactSheet(cells), *sheet);
        ForFile(*sheet, [&] { output.Add(*sheet, jpeg); });
    }
    ForFile(folder, [&] { output.Commit(); });
    return 0;
}

} // namespace

const std::vector<Command>& RenderCommands() {
    static const std::vector<Command> commands{
        {"render", RenderUsage, RunRender},
        {"render-all", RenderAllUsage, RunRenderAll},
    };
    return commands;
}

} // namespace tessaly::cli
