#include "ExternalOpener.h"

bool ExternalOpener::openDocument (const juce::File& document)
{
    return document.startAsProcess ({});
}

bool ExternalOpener::openWebPage (const juce::URL& page)
{
    return page.launchInDefaultBrowser();
}
