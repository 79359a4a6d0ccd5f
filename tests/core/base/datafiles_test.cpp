#include "core/base/datafiles.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(DataFiles, ThePaletteIsTheFirst1024BytesOfAFileOfAnySize) {
    test::ScratchFolder program;
    const std::string file = DataFilePath(program.Path(), PaletteFileName);
    EXPECT_EQ(file, program.Path() + "/Qelbpl.dat");
    EXPECT_THROW(ReadPaletteFile(program.Path()), FileOpenError);
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1000}, PaletteBytes, std::size_t{5000}}) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 7);
        }
        WriteWholeFile(file, bytes);
        bytes.resize(std::min(size, PaletteBytes));
        EXPECT_EQ(ReadPaletteFile(program.Path()), bytes) << size;
    }
}

TEST(DataFiles, TheHeaderTemplateIsReadWholeUpToItsLimit) {
    test::ScratchFolder program;
    const std::string file = DataFilePath(program.Path(), HeaderTemplateFileName);
    EXPECT_EQ(file, program.Path() + "/QelbHead.dat");
    EXPECT_THROW(ReadHeaderTemplate(program.Path()), FileOpenError);
    const Bytes largest(MaxHeaderTemplateBytes, 9);
    WriteWholeFile(file, largest);
    EXPECT_EQ(ReadHeaderTemplate(program.Path()), largest);
    WriteWholeFile(file, Bytes(MaxHeaderTemplateBytes + 1, 9));
    try {
        ReadHeaderTemplate(program.Path());
        ADD_FAILURE() << "a template past the limit was read";
    } catch (const FileOpenError&) {
        ADD_FAILURE() << "a template past the limit counted as unopenable";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.what(), TooLargeFileText(file));
    }
}

} // namespace
} // namespace tessaly
