#include <LumiverDialogBoxBinImg.h>
#include <LumiverModulationUpperPanelBinImg.h>
#include <LumiverPX2741BinImg.h>

#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

namespace
{
    enum class Colour { rgb, rgba };

    struct Expected
    {
        const char* name;
        const char* data;
        int size;
        int width, height, frames;
        Colour colour;
    };

    #define LUMIVER_IMAGE(set, image, w, h, frames, colour) \
        Expected { #image, set::image##_png, set::image##_pngSize, w, h, frames, Colour::colour }

    const Expected allImages[] =
    {
        LUMIVER_IMAGE (LumiverPX2741BinImg, bg_tremolo, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverPX2741BinImg, about_px, 325, 455, 1, rgba),
        LUMIVER_IMAGE (LumiverPX2741BinImg, bypass, 90, 396, 4, rgb),
        LUMIVER_IMAGE (LumiverPX2741BinImg, type, 48, 240, 3, rgb),
        LUMIVER_IMAGE (LumiverPX2741BinImg, rate, 73, 7272, 101, rgb),
        LUMIVER_IMAGE (LumiverPX2741BinImg, rate_sync, 73, 1368, 19, rgba),
        LUMIVER_IMAGE (LumiverPX2741BinImg, shape, 73, 7272, 101, rgb),
        LUMIVER_IMAGE (LumiverPX2741BinImg, depth, 73, 7272, 101, rgb),
        LUMIVER_IMAGE (LumiverPX2741BinImg, level, 73, 7272, 101, rgb),

        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, file, 58, 52, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, left, 29, 52, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, right, 29, 52, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, ab, 62, 46, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, atob, 75, 50, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, btoa, 75, 50, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, stereo, 54, 44, 2, rgb),
        LUMIVER_IMAGE (LumiverModulationUpperPanelBinImg, sync, 54, 44, 2, rgb),

        LUMIVER_IMAGE (LumiverDialogBoxBinImg, dialog_box_clean, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, file_browser_clean, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, icononly_asterix, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, icononly_smile, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, icononly_frown, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, browser_textonly_save_as, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, browser_textonly_load, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, browser_textonly_import, 325, 454, 1, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, ok, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, cancel, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, save, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, import, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, newfolder, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, download, 132, 102, 2, rgba),
        LUMIVER_IMAGE (LumiverDialogBoxBinImg, overwrite, 132, 102, 2, rgba),
    };

    #undef LUMIVER_IMAGE

    juce::Image decode (const Expected& e)
    {
        return juce::ImageFileFormat::loadFrom (e.data, (size_t) e.size);
    }

    /** A byte of the PNG header: 24 bit depth, 25 colour type, 28 interlace. */
    int headerByte (const Expected& e, int offset)
    {
        return (int) (unsigned char) e.data[offset];
    }

    bool framesEqual (const juce::Image& strip, int frameHeight, int a, int b)
    {
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < strip.getWidth(); ++x)
                if (strip.getPixelAt (x, a * frameHeight + y) != strip.getPixelAt (x, b * frameHeight + y))
                    return false;

        return true;
    }
}

class EmbeddedImages : public testing::TestWithParam<Expected> {};

TEST_P (EmbeddedImages, IsAPlainEightBitPngOfTheListedColourType)
{
    const auto& e = GetParam();
    ASSERT_GT (e.size, 33);
    EXPECT_EQ (0, std::memcmp (e.data, "\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ (0, std::memcmp (e.data + 12, "IHDR", 4));
    EXPECT_EQ (8, headerByte (e, 24));
    EXPECT_EQ (e.colour == Colour::rgb ? 2 : 6, headerByte (e, 25));
    EXPECT_EQ (0, headerByte (e, 28));
    EXPECT_EQ (0, std::memcmp (e.data + e.size - 8, "IEND\xae\x42\x60\x82", 8)) << "the stored bytes end with the PNG stream";
}

TEST_P (EmbeddedImages, DecodesToItsListedSizeAndFrameLayout)
{
    const auto& e = GetParam();
    const auto image = decode (e);

    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (e.width, image.getWidth());
    EXPECT_EQ (e.height, image.getHeight());
    EXPECT_EQ (0, image.getHeight() % e.frames);
    EXPECT_EQ (e.colour == Colour::rgba, image.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P (AllArtwork, EmbeddedImages, testing::ValuesIn (allImages),
                          [] (const testing::TestParamInfo<Expected>& info) { return std::string (info.param.name); });

TEST (EmbeddedImageSet, HoldsThirtyTwoImagesWithDistinctData)
{
    EXPECT_EQ (32u, std::size (allImages));

    for (size_t i = 0; i < std::size (allImages); ++i)
        for (size_t j = i + 1; j < std::size (allImages); ++j)
            EXPECT_NE (allImages[i].data, allImages[j].data) << allImages[i].name << " and " << allImages[j].name;
}

TEST (EmbeddedImageSet, NeighbouringFramesOfEveryStripDiffer)
{
    for (const auto& e : allImages)
    {
        if (e.frames < 2)
            continue;

        const auto image = decode (e);
        const int frameHeight = image.getHeight() / e.frames;

        for (int i = 1; i < e.frames; ++i)
            EXPECT_FALSE (framesEqual (image, frameHeight, i - 1, i)) << e.name << ": frames " << i - 1 << " and " << i;
    }
}

TEST (EmbeddedImageSet, OpaqueStripsMatchTheFaceAroundTheirBounds)
{
    // Each frame of an opaque strip starts from the face under the control, so
    // its corner pixel equals the background's at the control's position.
    const auto face = juce::ImageFileFormat::loadFrom (LumiverPX2741BinImg::bg_tremolo_png, (size_t) LumiverPX2741BinImg::bg_tremolo_pngSize);
    const auto knob = juce::ImageFileFormat::loadFrom (LumiverPX2741BinImg::level_png, (size_t) LumiverPX2741BinImg::level_pngSize);
    const juce::Point<int> levelKnobPosition (237, 126);
    const int frameHeight = 72;

    for (int frame : { 0, 50, 100 })
    {
        const auto expected = face.getPixelAt (levelKnobPosition.x + 1, levelKnobPosition.y + 1);
        const auto actual = knob.getPixelAt (1, frame * frameHeight + 1);
        EXPECT_EQ (expected.getARGB(), actual.getARGB()) << "frame " << frame;
    }
}
