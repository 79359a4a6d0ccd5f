// The preview: one composition of the fourteen layers (and the first one of a package,
// which maps the slots' colours), one JPEG export, and what render-all does in memory.
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

const PreviewState Everything{true, DoorState::Open, true, true, true};

// Recomposing with the slots kept, as the preview does on every change of a choice.
void BM_ComposeAllLayers(benchmark::State& state) {
    RoomSlots room = BuiltInRoom();
    SlotPicture preview = BlankPreview();
    ComposeRoom(preview, room, Everything);
    for (auto _ : state) {
        ComposeRoom(preview, room, Everything);
        benchmark::DoNotOptimize(preview.pixels.data());
    }
}
BENCHMARK(BM_ComposeAllLayers);

// The first composition of a package: each slot's colours mapped, then composed.
void BM_ComposeFirstTime(benchmark::State& state) {
    SlotPicture preview = BlankPreview();
    for (auto _ : state) {
        RoomSlots room = BuiltInRoom();
        ComposeRoom(preview, room, Everything);
        benchmark::DoNotOptimize(preview.pixels.data());
    }
}
BENCHMARK(BM_ComposeFirstTime);

void BM_ExportJpeg(benchmark::State& state) {
    RoomSlots room = BuiltInRoom();
    SlotPicture preview = BlankPreview();
    ComposeRoom(preview, room, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeJpeg(preview, PreviewJpegQuality));
    }
}
BENCHMARK(BM_ExportJpeg);

// What render-all does for a package, less the file writes and the sheet: 48
// compositions and JPEG exports.
void BM_RenderAllStates(benchmark::State& state) {
    SlotPicture preview = BlankPreview();
    for (auto _ : state) {
        RoomSlots room = BuiltInRoom();
        for (const PreviewState& s : AllPreviewStates()) {
            ComposeRoom(preview, room, s);
            benchmark::DoNotOptimize(EncodeJpeg(preview, PreviewJpegQuality));
        }
    }
}
BENCHMARK(BM_RenderAllStates)->Unit(benchmark::kMillisecond);

// The contact sheet of the 48 states, made and exported.
void BM_ContactSheet(benchmark::State& state) {
    RoomSlots room = BuiltInRoom();
    std::vector<std::pair<PreviewState, SlotPicture>> cells;
    for (const PreviewState& s : AllPreviewStates()) {
        cells.emplace_back(s, BlankPreview());
        ComposeRoom(cells.back().second, room, s);
    }
    for (auto _ : state) {
        ContactSheet sheet(static_cast<int>(cells.size()));
        for (const auto& [s, preview] : cells) {
            sheet.Add(s, preview);
        }
        benchmark::DoNotOptimize(EncodeJpeg(sheet.Image(), PreviewJpegQuality));
    }
}
BENCHMARK(BM_ContactSheet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
