#include "PresetLibrary.h"

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

    /** How preset files are written: UTF-8, lines wrapped at 60, no DTD. */
    juce::XmlElement::TextFormat presetFileFormat()
    {
        juce::XmlElement::TextFormat format;
        format.customEncoding = "UTF-8";
        format.lineWrapLength = 60;
        return format;
    }
}

PresetLibrary::PresetLibrary (juce::File rootFolder)
    : root (std::move (rootFolder))
{
}

bool PresetLibrary::isInside (const juce::File& file) const
{
    // isAChildOf compares whole folder names, never a prefix of the text.
    return root != juce::File()
        && withoutDotParts (file.getFullPathName()).isAChildOf (withoutDotParts (root.getFullPathName()));
}

bool PresetLibrary::isInTree (const juce::File& file) const
{
    return file == root || isInside (file);
}

juce::File PresetLibrary::getChildNamed (const juce::File& folder, const juce::String& name)
{
    return juce::File::createFileWithoutCheckingPath (folder.getFullPathName() + juce::File::getSeparatorString() + name);
}

juce::String PresetLibrary::getRelativePath (const juce::File& file) const
{
    if (! isInside (file))
        return {};

    return file.getRelativePathFrom (root).replaceCharacter (juce::File::getSeparatorChar(), '/');
}

juce::File PresetLibrary::getFile (const juce::String& path) const
{
    // A '\\' separates folders in paths stored on other systems; here it may
    // also be part of a name, and a file that exists under that name is the one meant.
    const auto literal = getFileAt (path);

    if (path.startsWithChar ('/') || literal.existsAsFile())
        return literal;

    return getFileAt (path.replaceCharacter ('\\', '/'));
}

juce::File PresetLibrary::getFileForTypedName (const juce::File& folder, const juce::String& name) const
{
    // A '\\' would go into the slot's stored path, where it reads as a separator.
    if (name.isEmpty() || name.containsChar ('\\') || ! isInTree (folder))
        return {};

    // A name ending in "." or ".." has no name of its own: the preset would take the
    // name of the folder it leads to and lie beside it.
    const auto lastPart = name.trimCharactersAtEnd ("/").fromLastOccurrenceOf ("/", false, false);

    if (lastPart == "." || lastPart == "..")
        return {};

    // As the file browser reads the name: a leading '~' or '/' leads elsewhere, "../" climbs.
    const auto named = withoutDotParts (folder.getChildFile (name).getFullPathName());

    if (! isInside (named))
        return {};

    return named.getFileName().endsWith (presetFileExtension)
               ? named
               : getChildNamed (named.getParentDirectory(), named.getFileName() + presetFileExtension);
}

juce::File PresetLibrary::getFileAt (const juce::String& path) const
{
    if (path.startsWithChar ('/'))
    {
        const auto file = withoutDotParts (path);
        return isInside (file) ? file : juce::File();
    }

    // Walked part by part from the root: a ".." at the root climbs out, and a
    // name such as "~draft.vpxp" stays a plain name.
    auto file = root;

    for (const auto& part : juce::StringArray::fromTokens (path, "/", {}))
    {
        if (part.isEmpty() || part == ".")
            continue;

        if (part == "..")
        {
            if (! isInside (file))
                return {};

            file = file.getParentDirectory();
        }
        else
        {
            file = getChildNamed (file, part);
        }
    }

    return isInside (file) ? file : juce::File();
}

juce::String PresetLibrary::describe (const juce::File& file) const
{
    const auto relativePath = getRelativePath (file);
    return "\"" + (relativePath.isNotEmpty() ? relativePath : file.getFullPathName()) + "\"";
}

juce::Result PresetLibrary::save (const juce::XmlElement& document, const juce::File& file) const
{
    const auto failure = juce::Result::fail ("Couldn't save the preset!\n\n" + describe (file));

    if (! isInside (file) || file.isDirectory())
        return failure;

    // The folders missing on the way, outermost first. A link stops the walk even when
    // what it leads to is away (a drive not plugged in): it is there, not to be made.
    juce::Array<juce::File> missingFolders;

    for (auto folder = file.getParentDirectory(); ! folder.exists() && ! folder.isSymbolicLink(); folder = folder.getParentDirectory())
        missingFolders.insert (0, folder);

    // Made one at a time, so that exactly the folders this save created are known.
    int numMade = 0;

    while (numMade < missingFolders.size() && missingFolders.getReference (numMade).createDirectory().wasOk())
        ++numMade;

    if (numMade == missingFolders.size() && document.writeTo (file, presetFileFormat()))
        return juce::Result::ok();

    // Nothing left behind: the folders made go again, innermost first; deleteFile
    // removes a folder only while it is empty.
    while (--numMade >= 0)
        missingFolders.getReference (numMade).deleteFile();

    return failure;
}
