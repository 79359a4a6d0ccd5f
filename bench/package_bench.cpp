// Reading and writing a room package as the editor does it: every picture passes
// through the scratch bitmap file in the temporary folder.
#include "core/art/builtindrawing.h"
#include "core/art/builtinpictures.h"
#include "core/base/datafiles.h"
#include "core/base/paths.h"
#include "core/base/wholefile.h"
#include "core/package/roompackage.h"
#include "core/package/scratchpassage.h"

#include <benchmark/benchmark.h>

namespace tessaly {
namespace {

const Bytes& HeaderTemplate() {
    static const Bytes bytes = ReadHeaderTemplate(TESSALY_DATA_DIR);
    return bytes;
}

Bytes WritePackage(const std::string& scratch) {
    RemoveFileOnExit removeScratch(scratch);
    return EncodeRoomPackage(HeaderTemplate(), {"Bench room", "", ""}, [&](PartSlot slot) {
        return EncodeThroughScratch(BuiltInPictures()[slot], scratch);
    });
}

void BM_WritePackageThroughScratch(benchmark::State& state) {
    const std::string scratch = PackageScratchPath();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WritePackage(scratch));
    }
}
BENCHMARK(BM_WritePackageThroughScratch);

void BM_ReadPackageThroughScratch(benchmark::State& state) {
    const std::string scratch = PackageScratchPath();
    const Bytes package = WritePackage(scratch);
    for (auto _ : state) {
        RemoveFileOnExit removeScratch(scratch);
        benchmark::DoNotOptimize(
            DecodeRoomPackage(package, [&](std::span<const std::uint8_t> bitmap) {
                return LoadThroughScratch(bitmap, scratch);
            }));
    }
}
BENCHMARK(BM_ReadPackageThroughScratch);

// What the editor and `tessaly-pac new` do at start: decode the forty built-in pictures
// from the bitmaps the build embedded.
void BM_BuiltInPictures(benchmark::State& state) {
    for (auto _ : state) {
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            benchmark::DoNotOptimize(BuiltInPicture(slot));
        }
    }
}
BENCHMARK(BM_BuiltInPictures);

// Drawing them with the drawing code, as every start did before the build drew them.
void BM_DrawBuiltInPictures(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(art::DrawBuiltInPictures());
    }
}
BENCHMARK(BM_DrawBuiltInPictures)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
