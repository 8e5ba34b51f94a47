#pragma once

#include <juce_core/juce_core.h>

/**
    Opens things outside the plug-in: a document in the system's default
    application, a web page in the default browser.

    The editor does both through one object of this kind, so that tests can
    put an opener of their own in its place and check what would have been
    opened without starting another program.
*/
class ExternalOpener
{
public:
    virtual ~ExternalOpener() = default;

    /** Opens a document with the application the system associates with it. */
    virtual bool openDocument (const juce::File& document);

    /** Opens a web page in the default browser. */
    virtual bool openWebPage (const juce::URL& page);
};
