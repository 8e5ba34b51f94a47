#pragma once

#include "X11WindowReader.h"

/** A host's black 400 x 500 window for the plug-in's editor, kept off screen from the start
    (see X11WindowReader); closed with the object.
*/
class X11HostWindow
{
public:
    X11HostWindow();
    ~X11HostWindow();

    bool isOpen() const noexcept                            { return reader.isConnected(); }
    void* getNativeHandle() const noexcept                  { return reinterpret_cast<void*> (window); }
    X11WindowReader::WindowId getWindowId() const noexcept  { return window; }

    /** The number of windows inside this one. */
    size_t countChildren() const                            { return reader.childrenOf (window).size(); }

    X11WindowReader& getReader() noexcept                   { return reader; }

private:
    X11WindowReader reader;
    X11WindowReader::WindowId window = 0;

    JUCE_DECLARE_NON_COPYABLE (X11HostWindow)
};
