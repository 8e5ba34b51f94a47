#include "PresetFolderPath.h"

bool PresetFolderPath::isInside (const juce::File& root, const juce::File& file)
{
    // juce::File resolves '..' when it is built from a full path, and
    // isAChildOf compares whole folder names, never a prefix of the text.
    return root != juce::File() && file.isAChildOf (root);
}

juce::String PresetFolderPath::getRelativePath (const juce::File& root, const juce::File& file)
{
    if (! isInside (root, file))
        return {};

    return file.getRelativePathFrom (root).replaceCharacter (juce::File::getSeparatorChar(), '/');
}

juce::File PresetFolderPath::resolve (const juce::File& root, const juce::String& path)
{
    const auto text = path.replaceCharacter ('\\', '/');

    if (text.startsWithChar ('/'))
    {
        const juce::File file (text);
        return isInside (root, file) ? file : juce::File();
    }

    // Walked part by part from the root: a ".." at the root climbs out, and a
    // name such as "~draft.vpxp" stays a plain name (getChildFile would take
    // it for a home folder).
    auto file = root;

    for (const auto& part : juce::StringArray::fromTokens (text, "/", {}))
    {
        if (part.isEmpty() || part == ".")
            continue;

        if (part == "..")
        {
            if (! isInside (root, file))
                return {};

            file = file.getParentDirectory();
        }
        else
        {
            file = juce::File::createFileWithoutCheckingPath (file.getFullPathName() + juce::File::getSeparatorString() + part);
        }
    }

    return isInside (root, file) ? file : juce::File();
}
