#pragma once

#include "VardunOverwriteComponent.h"

/**
    The overwrite question of a file browser panel, its parent: after OK has
    written the file it also closes the browser around it. A failed write keeps
    both open (the box shows its alert); CANCEL returns to the browser.
*/
class VardunOverwriteComponent2 : public VardunOverwriteComponent
{
public:
    using VardunOverwriteComponent::VardunOverwriteComponent;

    void okButtonClicked() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunOverwriteComponent2)
};
