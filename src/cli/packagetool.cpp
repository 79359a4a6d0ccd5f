#include "cli/clitool.h"
#include "cli/jsontext.h"
#include "cli/packagecheck.h"
#include "core/art/builtinpictures.h"
#include "core/base/datafiles.h"
#include "core/base/outputset.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"
#include "core/pictures/picturecheck.h"

namespace tessaly::cli {
namespace {

constexpr std::size_t MaxTextFileBytes = 1024;
const char* const TextFileNames[3] = {"name.txt", "comment.txt", "copyright.txt"};

void NeedPositional(const Arguments& arguments, std::size_t count, const char* usage) {
    if (arguments.positional.size() != count) {
        throw Failure("usage", usage);
    }
}

Bytes HeaderTemplate() {
    const std::string folder = ProgramDataDir();
    Bytes bytes;
    ForFile(DataFilePath(folder, HeaderTemplateFileName),
            [&] { bytes = ReadHeaderTemplate(folder); });
    return bytes;
}

void WritePackage(const std::string& file, const RoomTexts& texts,
                  const std::function<const SlotPicture&(PartSlot)>& pictureOf) {
    const Bytes headerTemplate = HeaderTemplate();
    Bytes package;
    ForFile(file, [&] {
        package = EncodeRoomPackage(headerTemplate, texts,
                                    [&](PartSlot slot) { return PackageBitmap(pictureOf(slot)); });
    });
    WriteOutput(file, package);
}

std::string& TextOf(RoomTexts& texts, int field) {
    std::string* fields[3] = {&texts.name, &texts.comment, &texts.copyright};
    return *fields[field];
}

const char* const NewUsage = "new OUT.pac [--name T] [--comment T] [--copyright T]";

int RunNew(const std::vector<std::string>& words, Output&, Output&) {
    const Arguments arguments = ParseArguments(words, {"--name", "--comment", "--copyright"}, {});
    NeedPositional(arguments, 1, NewUsage);
    const RoomTexts texts{arguments.Value("--name").value_or(""),
                          arguments.Value("--comment").value_or(""),
                          arguments.Value("--copyright").value_or("")};
    WritePackage(arguments.positional[0], texts,
                 [](PartSlot slot) -> const SlotPicture& { return BuiltInPictures()[slot]; });
    return 0;
}

const char* const InfoUsage = "info PKG.pac [--json]";

void PrintInfoText(Output& out, const RoomPackage& package, const PackageLayout& layout) {
    out << "name:      " << JsonString(package.texts.name) << "\n"
        << "comment:   " << JsonString(package.texts.comment) << "\n"
        << "copyright: " << JsonString(package.texts.copyright) << "\n"
        << "slot  component          size      bpp  colours  length\n";
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture& p = package.pictures[slot];
        const std::string size = std::to_string(p.width) + "x" + std::to_string(p.height);
        char line[160];
        std::snprintf(line, sizeof line, "%02d    %-18s %-9s %-4d %-8zu %zu\n", slot,
                      std::string(SlotCatalogue(slot).component).c_str(), size.c_str(),
                      p.bitsPerPixel, p.colourTable.size(), layout.entries[slot].size());
        out << line;
    }
}

void PrintInfoJson(Output& out, const RoomPackage& package, const PackageLayout& layout) {
    out << "{\"name\": " << JsonString(package.texts.name)
        << ", \"comment\": " << JsonString(package.texts.comment)
        << ", \"copyright\": " << JsonString(package.texts.copyright) << ", \"slots\": [";
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture& p = package.pictures[slot];
        out << (slot ? ", " : "") << "{\"slot\": " << slot << ", \"component\": \""
            << SlotCatalogue(slot).component << "\", \"width\": " << p.width
            << ", \"height\": " << p.height << ", \"bitsPerPixel\": " << p.bitsPerPixel
            << ", \"colours\": " << p.colourTable.size()
            << ", \"length\": " << layout.entries[slot].size() << "}";
    }
    out << "]}\n";
}

int RunInfo(const std::vector<std::string>& words, Output& out, Output&) {
    const Arguments arguments = ParseArguments(words, {}, {"--json"});
    NeedPositional(arguments, 1, InfoUsage);
    const std::string& file = arguments.positional[0];
    const Bytes bytes = ReadInput(file, MaxPackageFileBytes);
    const RoomPackage package = DecodePackageOf(file, bytes);
    const PackageLayout layout = LayOutPackage(bytes);
    arguments.Flag("--json") ? PrintInfoJson(out, package, layout)
                             : PrintInfoText(out, package, layout);
    return 0;
}

const char* const UnpackUsage = "unpack PKG.pac DIR";

int RunUnpack(const std::vector<std::string>& words, Output&, Output&) {
    const Arguments arguments = ParseArguments(words, {}, {});
    NeedPositional(arguments, 2, UnpackUsage);
    const std::string& file = arguments.positional[0];
    const std::string& folder = arguments.positional[1];
    RoomPackage package = ReadPackage(file);
    OutputSet output;
    ForFile(folder, [&] {
        output.CreateFolder(folder);
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            output.Add(JoinPath(folder, SlotFileName(slot)), EncodeBmp(package.pictures[slot]));
            package.pictures[slot] = {};
        }
        for (int field = 0; field < 3; ++field) {
            const std::string& text = TextOf(package.texts, field);
            output.Add(JoinPath(folder, TextFileNames[field]), Bytes(text.begin(), text.end()));
        }
        output.Commit();
    });
    return 0;
}

const char* const PackUsage = "pack DIR OUT.pac";

int RunPack(const std::vector<std::string>& words, Output&, Output&) {
    const Arguments arguments = ParseArguments(words, {}, {});
    NeedPositional(arguments, 2, PackUsage);
    const std::string& folder = arguments.positional[0];
    std::array<SlotPicture, SlotCount> pictures;
    std::int64_t pixels = 0;
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const std::string path = JoinPath(folder, SlotFileName(slot));
        ForFile(path, [&] { pictures[slot] = ReadBmpFile(path); });
        pixels += std::int64_t{pictures[slot].width} * pictures[slot].height;
        if (pixels > MaxPackagePixels) {
            throw Failure(folder, PackagePixelsProblem(pixels));
        }
    }
    RoomTexts texts;
    for (int field = 0; field < 3; ++field) {
        const Bytes text = ReadInput(JoinPath(folder, TextFileNames[field]), MaxTextFileBytes);
        TextOf(texts, field).assign(text.begin(), text.end());
    }
    WritePackage(arguments.positional[1], texts,
                 [&](PartSlot slot) -> const SlotPicture& { return pictures[slot]; });
    return 0;
}

} // namespace

const std::vector<Command>& PackageCommands() {
    static const std::vector<Command> commands{
        {"new", NewUsage, RunNew},       {"info", InfoUsage, RunInfo},
        {"check", CheckUsage, RunCheck}, {"unpack", UnpackUsage, RunUnpack},
        {"pack", PackUsage, RunPack},
    };
    return commands;
}

} // namespace tessaly::cli
