// What opening the editor pays for its artwork: decoding every embedded image
// once. Reports the embedded size beside the time.

#include <LumiverDialogBoxBinImg.h>
#include <LumiverModulationUpperPanelBinImg.h>
#include <LumiverPX2741BinImg.h>

#include <benchmark/benchmark.h>
#include <juce_graphics/juce_graphics.h>

namespace
{
    struct Embedded
    {
        const char* data;
        int size;
    };

    #define LUMIVER_MAIN(image)   Embedded { LumiverPX2741BinImg::image##_png, LumiverPX2741BinImg::image##_pngSize }
    #define LUMIVER_UPPER(image)  Embedded { LumiverModulationUpperPanelBinImg::image##_png, LumiverModulationUpperPanelBinImg::image##_pngSize }
    #define LUMIVER_DIALOG(image) Embedded { LumiverDialogBoxBinImg::image##_png, LumiverDialogBoxBinImg::image##_pngSize }

    const Embedded artwork[] =
    {
        LUMIVER_MAIN (bg_tremolo), LUMIVER_MAIN (about_px), LUMIVER_MAIN (bypass), LUMIVER_MAIN (type),
        LUMIVER_MAIN (rate), LUMIVER_MAIN (rate_sync), LUMIVER_MAIN (shape), LUMIVER_MAIN (depth), LUMIVER_MAIN (level),

        LUMIVER_UPPER (file), LUMIVER_UPPER (left), LUMIVER_UPPER (right), LUMIVER_UPPER (ab),
        LUMIVER_UPPER (atob), LUMIVER_UPPER (btoa), LUMIVER_UPPER (stereo), LUMIVER_UPPER (sync),

        LUMIVER_DIALOG (dialog_box_clean), LUMIVER_DIALOG (file_browser_clean), LUMIVER_DIALOG (icononly_asterix),
        LUMIVER_DIALOG (icononly_smile), LUMIVER_DIALOG (icononly_frown), LUMIVER_DIALOG (browser_textonly_save_as),
        LUMIVER_DIALOG (browser_textonly_load), LUMIVER_DIALOG (browser_textonly_import), LUMIVER_DIALOG (ok),
        LUMIVER_DIALOG (cancel), LUMIVER_DIALOG (save), LUMIVER_DIALOG (import), LUMIVER_DIALOG (newfolder),
        LUMIVER_DIALOG (download), LUMIVER_DIALOG (overwrite),
    };

    #undef LUMIVER_MAIN
    #undef LUMIVER_UPPER
    #undef LUMIVER_DIALOG

    void decodeAllArtwork (benchmark::State& state)
    {
        double embeddedBytes = 0.0;
        double decodedPixels = 0.0;

        for (const auto& image : artwork)
        {
            const auto decoded = juce::ImageFileFormat::loadFrom (image.data, (size_t) image.size);
            embeddedBytes += image.size;
            decodedPixels += decoded.getWidth() * decoded.getHeight();
        }

        for (auto _ : state)
            for (const auto& image : artwork)
                benchmark::DoNotOptimize (juce::ImageFileFormat::loadFrom (image.data, (size_t) image.size));

        state.counters["images"] = (double) std::size (artwork);
        state.counters["embedded_bytes"] = embeddedBytes;
        state.counters["decoded_pixels"] = decodedPixels;
    }
}

BENCHMARK (decodeAllArtwork)->Unit (benchmark::kMillisecond)->MinTime (1.0);

BENCHMARK_MAIN();
