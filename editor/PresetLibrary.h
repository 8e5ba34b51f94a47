#pragma once

#include <ProductInfo.h>

#include <juce_core/juce_core.h>

/**
    The preset tree on disk: a root folder and the preset files below it.

    Every decision about which file a preset path means is made here, on
    juce::File, never by comparing path text:
    - inside or not: a sibling folder whose name merely starts with the root's,
      a folder spelled in other letter case, or a path that climbs out with
      ".." is outside;
    - a file's stored path: relative to the root, '/' separators;
    - a path as stored in presets and host state, relative to the root, or a
      full path; '\\' separates folders there only (on this system it may be
      part of a name);
    - a name typed in a folder of the tree, read as the file browser reads it.

    Saving writes only inside the tree, through a temporary file beside the
    target, so an existing preset stays as it was until the new one is complete.
*/
class PresetLibrary
{
public:
    explicit PresetLibrary (juce::File rootFolder = presetRootFolder());

    const juce::File& getRoot() const noexcept   { return root; }

    /** True when file lies strictly below the root; '..' parts are resolved. */
    bool isInside (const juce::File& file) const;

    /** True when file is the root itself or lies inside it. */
    bool isInTree (const juce::File& file) const;

    /** file's path relative to the root, '/' separators, no leading separator; empty when it is not inside. */
    juce::String getRelativePath (const juce::File& file) const;

    /** The file a preset path names; none (juce::File()) when it lies outside the tree.
        A full path is taken as it stands. In a path relative to the root, '\\' separates
        folders as on the system that stored it, unless a file of that literal name exists. */
    juce::File getFile (const juce::String& path) const;

    /** The preset file a name typed in folder saves to: read as the file browser reads it,
        with ".vpxp" appended unless it ends so exactly (letter case counts). None when the
        name is empty, holds a '\\' or ends in "." or "..", or when folder or the file lies
        outside the tree. */
    juce::File getFileForTypedName (const juce::File& folder, const juce::String& name) const;

    /** A file as the user knows it, in double quotes: its path in the tree, or its full path when outside. */
    juce::String describe (const juce::File& file) const;

    /** Writes document to file as a preset file (UTF-8 XML), creating missing folders.
        Fails, with a message naming the file, when the file lies outside the tree, is
        a folder, or cannot be written; a failed save removes the folders it made, and
        only those. */
    juce::Result save (const juce::XmlElement& document, const juce::File& file) const;

    /** The file of that name in folder, the name taken as it stands: getChildFile would read a leading '~' as a home folder. */
    static juce::File getChildNamed (const juce::File& folder, const juce::String& name);

private:
    /** The file a full path, or a path relative to the root with '/' separators, names; none outside the tree. */
    juce::File getFileAt (const juce::String& path) const;

    juce::File root;
};
