#include <PresetLibrary.h>

#include <gtest/gtest.h>

TEST (PresetLibrary, KeepsEveryPathWithinTheTree)
{
    const PresetLibrary library (juce::File ("/tmp/h/Music/Audio Music Apps/Vardun/Presets/LumiverPX2741"));
    const auto full = library.getRoot().getFullPathName();

    // path given, relative path of the file it names ("" = outside the tree)
    const std::pair<juce::String, juce::String> cases[] = {
        { "F\\c.vpxp", "F/c.vpxp" }, { "F/./G/../c.vpxp", "F/c.vpxp" }, { "~draft.vpxp", "~draft.vpxp" },
        { full + "/F/../c.vpxp", "c.vpxp" }, { "", "" }, { "F/..", "" }, { "../x.vpxp", "" }, { "a/../../x.vpxp", "" },
        { full + " old/x.vpxp", "" }, { full + "/../LumiverPX2741 old/x.vpxp", "" }, { "/tmp/other" + full + "/x.vpxp", "" },
        { full.toLowerCase() + "/x.vpxp", "" }, { "/etc/passwd", "" }, { full + "/..", "" }, { full + "/F/..", "" },
        { full + "/F/G/./..", "F" }, { full + "/F\\c.vpxp", "F\\c.vpxp" },   // a full path is taken as it stands
    };

    for (const auto& [path, expected] : cases)
    {
        const auto file = library.getFile (path);
        EXPECT_EQ (library.getRelativePath (file), expected) << path;
        EXPECT_EQ (expected.isNotEmpty(), library.isInside (file)) << path;
        EXPECT_EQ (expected.isEmpty(), file == juce::File()) << path;
    }

    EXPECT_FALSE (library.isInside (library.getRoot()));
    EXPECT_FALSE (library.isInside (juce::File::createFileWithoutCheckingPath (full + "/F/..")));
}
