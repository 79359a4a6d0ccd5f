#include "cli/clitool.h"
#include "core/base/outputset.h"
#include "core/base/paths.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/checkedpackage.h"
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

// The package checked whole; its pictures are unpacked as the composition needs them.
CheckedPackage CheckPackage(const std::string& file, const Bytes& bytes) {
    std::optional<CheckedPackage> package;
    ForFile(file, [&] { package.emplace(bytes); });
    return std::move(*package);
}

RoomSlots SlotsOf(const CheckedPackage& package) {
    return RoomSlots::Taking([&package](PartSlot slot) { return package.Decode(slot); },
                             BuiltInPlacementRects());
}

SlotPicture Compose(RoomSlots& slots, const PreviewState& state) {
    SlotPicture preview = BlankPreview();
    ComposeRoom(preview, slots, state);
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

template <class Picture> Bytes JpegOf(const Picture& picture, const std::string& file) {
    Bytes jpeg;
    ForFile(file, [&] { jpeg = EncodeJpeg(picture, PreviewJpegQuality); });
    return jpeg;
}

int RunRender(const std::vector<std::string>& words, Output&, Output&) {
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
    const std::string& file = arguments.positional[0];
    const Bytes bytes = ReadInput(file);
    const CheckedPackage package = CheckPackage(file, bytes);
    RoomSlots slots = SlotsOf(package);
    const SlotPicture preview = Compose(slots, state);
    WriteOutput(out, bmp ? EncodeBmp(preview) : JpegOf(preview, out));
    return 0;
}

int RunRenderAll(const std::vector<std::string>& words, Output&, Output&) {
    const Arguments arguments = ParseArguments(words, {"--sheet"}, {});
    if (arguments.positional.size() != 2) {
        throw Failure("usage", RenderAllUsage);
    }
    const std::string& input = arguments.positional[0];
    const Bytes bytes = ReadInput(input);
    const CheckedPackage package = CheckPackage(input, bytes);
    RoomSlots slots = SlotsOf(package);
    const std::string& folder = arguments.positional[1];
    const std::optional<std::string> sheetFile = arguments.Value("--sheet");
    OutputSet output;
    // Both targets are claimed first: one that cannot be written fails before any work.
    ForFile(folder, [&] {
        output.CreateFolder(folder);
        if (sheetFile) {
            output.Reserve(*sheetFile);
        }
    });
    std::optional<ContactSheet> sheet;
    if (sheetFile) {
        sheet.emplace(static_cast<int>(AllPreviewStates().size()));
    }
    SlotPicture preview = BlankPreview();
    for (const PreviewState& state : AllPreviewStates()) {
        ComposeRoom(preview, slots, state);
        const std::string file = JoinPath(folder, StateName(state) + ".jpg");
        const Bytes jpeg = JpegOf(preview, file);
        ForFile(file, [&] { output.Add(file, jpeg); });
        if (sheet) {
            sheet->Add(state, preview);
        }
    }
    if (sheet) {
        const Bytes jpeg = JpegOf(sheet->Image(), *sheetFile);
        ForFile(*sheetFile, [&] { output.Add(*sheetFile, jpeg); });
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
