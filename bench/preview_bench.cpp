// One composition of the fourteen layers, and one JPEG export of the preview.
#include "core/art/builtinpictures.h"
#include "core/preview/contactsheet.h"
#include "core/preview/jpegencoder.h"
#include "core/preview/roomcomposition.h"

#include <benchmark/benchmark.h>

namespace tessaly {
namespace {

// The composition over the built-in pictures.
RoomSlots BuiltInRoom() {
    const auto& pictures = BuiltInPictures();
    return {[&pictures](PartSlot slot) -> const SlotPicture& { return pictures[slot]; },
            BuiltInPlacementRects()};
}

void BM_ComposeAllLayers(benchmark::State& state) {
    const RoomSlots room = BuiltInRoom();
    SlotPicture preview = BlankPreview();
    const PreviewState everything{true, DoorState::Open, true, true, true};
    for (auto _ : state) {
        ComposeRoom(preview, room, everything);
        benchmark::DoNotOptimize(preview.pixels.data());
    }
}
BENCHMARK(BM_ComposeAllLayers);

void BM_ExportJpeg(benchmark::State& state) {
    const RoomSlots room = BuiltInRoom();
    SlotPicture preview = BlankPreview();
    ComposeRoom(preview, room, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeJpeg(ToRgbImage(preview), PreviewJpegQuality));
    }
}
BENCHMARK(BM_ExportJpeg);

// What render-all does for a package, less the file writes: 48 compositions and JPEGs.
void BM_RenderAllStates(benchmark::State& state) {
    const RoomSlots room = BuiltInRoom();
    SlotPicture preview = BlankPreview();
    for (auto _ : state) {
        for (const PreviewState& s : AllPreviewStates()) {
            ComposeRoom(preview, room, s);
            benchmark::DoNotOptimize(EncodeJpeg(ToRgbImage(preview), PreviewJpegQuality));
        }
    }
}
BENCHMARK(BM_RenderAllStates)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
