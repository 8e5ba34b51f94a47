#include "PresetFolderPath.h"

namespace
{
    /** The file a full path names, with its "." and ".." parts taken out:
        juce::File keeps some of them (a trailing "/.." among them). */
    juce::File withoutDotParts (const juce::String& fullPath)
    {
        juce::StringArray parts;

        for (const auto& part : juce::StringArray::fromTokens (fullPath, "/", {}))
        {
            if (part == "..")
                parts.remove (parts.size() - 1);
            else if (part.isNotEmpty() && part != ".")
                parts.add (part);
        }

        return juce::File::createFileWithoutCheckingPath ("/" + parts.joinIntoString ("/"));
    }
}

bool PresetFolderPath::isInside (const juce::File& root, const juce::File& file)
{
    // isAChildOf compares whole folder names, never a prefix of the text.
    return root != juce::File()
        && withoutDotParts (file.getFullPathName()).isAChildOf (withoutDotParts (root.getFullPathName()));
}

bool PresetFolderPath::isInTree (const juce::File& root, const juce::File& file)
{
    return file == root || isInside (root, file);
}

juce::File PresetFolderPath::getChildNamed (const juce::File& folder, const juce::String& name)
{
    return juce::File::createFileWithoutCheckingPath (folder.getFullPathName() + juce::File::getSeparatorString() + name);
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
        const auto file = withoutDotParts (text);
        return isInside (root, file) ? file : juce::File();
    }

    // Walked part by part from the root: a ".." at the root climbs out, and a
    // name such as "~draft.vpxp" stays a plain name.
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
            file = getChildNamed (file, part);
        }
    }

    return isInside (root, file) ? file : juce::File();
}
