#pragma once

#include <juce_core/juce_core.h>

/** Decides what lies inside a preset folder tree, on juce::File (never on path text).

    Every full path that the preset menu turns into a relative one, and every
    preset path it turns into a file, goes through here, so that a sibling
    folder whose name merely starts with the root's name, or a path that climbs
    out with "..", is never taken for a file of the tree.
*/
class PresetFolderPath
{
public:
    /** True when file lies strictly below root (root itself is not inside). '..' parts are resolved; on Linux names are case-sensitive, so "LumiverPX2741 old" or a differently-cased folder is outside. */
    static bool isInside (const juce::File& root, const juce::File& file);

    /** True when file is root itself or lies inside it, as isInside decides. */
    static bool isInTree (const juce::File& root, const juce::File& file);

    /** The file of that name in folder, the name taken as it stands: getChildFile would read a leading '~' as a home folder. */
    static juce::File getChildNamed (const juce::File& folder, const juce::String& name);

    /** file's path relative to root, '/' separators, no leading separator; empty when file is not inside root. */
    static juce::String getRelativePath (const juce::File& root, const juce::File& file);

    /** The file a preset path names: a path relative to root ('\\' read as '/') or a full path; a non-existent juce::File() when it lies outside root (climbs out with "..", or absolute elsewhere). */
    static juce::File resolve (const juce::File& root, const juce::String& path);
};
