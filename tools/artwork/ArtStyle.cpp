#include "ArtStyle.h"

namespace
{
    const char* const labelFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    const char* const titleFontFile = "/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf";

    juce::Typeface::Ptr loadTypeface (const char* path)
    {
        juce::MemoryBlock data;

        if (! juce::File (path).loadFileAsData (data))
        {
            std::fprintf (stderr, "Font file missing: %s\n", path);
            std::exit (1);
        }

        return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
    }

    juce::Font fontFrom (const char* path, float height)
    {
        static std::map<std::string, juce::Typeface::Ptr> loaded;
        auto& face = loaded[path];

        if (face == nullptr)
            face = loadTypeface (path);

        return juce::Font (face).withHeight (height);
    }
}

namespace ArtStyle
{
    juce::Font labelFont (float height)  { return fontFrom (labelFontFile, height); }
    juce::Font titleFont (float height)  { return fontFrom (titleFontFile, height); }
}
