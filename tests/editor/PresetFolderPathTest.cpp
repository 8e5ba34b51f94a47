#include <PresetFolderPath.h>

#include <gtest/gtest.h>

TEST (PresetFolderPath, KeepsEveryPathWithinTheTree)
{
    const juce::File root ("/tmp/h/Music/Audio Music Apps/Vardun/Presets/LumiverPX2741");
    const auto full = root.getFullPathName();

    // path given, relative path of the file it names ("" = outside the tree)
    const std::pair<juce::String, juce::String> cases[] = {
        { "F\\c.vpxp", "F/c.vpxp" }, { "F/./G/../c.vpxp", "F/c.vpxp" }, { "~draft.vpxp", "~draft.vpxp" },
        { full + "/F/../c.vpxp", "c.vpxp" }, { "", "" }, { "F/..", "" }, { "../x.vpxp", "" }, { "a/../../x.vpxp", "" },
        { full + " old/x.vpxp", "" }, { full + "/../LumiverPX2741 old/x.vpxp", "" }, { "/tmp/other" + full + "/x.vpxp", "" },
        { full.toLowerCase() + "/x.vpxp", "" }, { "/etc/passwd", "" }, { full + "/..", "" }, { full + "/F/..", "" },
        { full + "/F/G/./..", "F" },
    };

    for (const auto& [path, expected] : cases)
    {
        const auto file = PresetFolderPath::resolve (root, path);
        EXPECT_EQ (PresetFolderPath::getRelativePath (root, file), expected) << path;
        EXPECT_EQ (expected.isNotEmpty(), PresetFolderPath::isInside (root, file)) << path;
        EXPECT_EQ (expected.isEmpty(), file == juce::File()) << path;
    }

    EXPECT_FALSE (PresetFolderPath::isInside (root, root));
    EXPECT_FALSE (PresetFolderPath::isInside (root, juce::File::createFileWithoutCheckingPath (full + "/F/..")));
}
