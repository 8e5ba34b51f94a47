#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    How a dialog panel takes and hands back the modal state, so that only the
    innermost shown panel is modal.

    A panel opened inside another panel has its flag set: showing it takes the
    modal state from its parent and hiding it gives the state back. A panel of
    the editor keeps its flag clear and leaves its parent alone (the editor is
    never modal).

    Every panel holds one of these and calls enter() from its show and leave()
    from its hide; its own preparation and its setVisible call go around them.
    A panel whose flag is set but which has no parent only changes its own state.
*/
class ParentModalRule
{
public:
    void setChangesParent (bool shouldChangeParent) noexcept   { changesParent = shouldChangeParent; }

    /** Takes the modal state from a modal parent (flag set), then makes the panel
        modal with keyboard focus, which also makes it visible. A panel that holds
        the modal state already, itself or through a panel shown inside it, leaves
        the chain as it is (the framework would not enter twice). */
    void enter (juce::Component& panel) const;

    /** Ends the panel's modal state and, if the flag is set, hands it back to a
        parent that is not modal. Only a panel that was shown hands it back, and
        only to a parent that is still visible: making a hidden parent modal would
        show it again. */
    void leave (juce::Component& panel) const;

    /** True while the panel, or a component inside it, is modal. */
    static bool holdsModalState (const juce::Component& panel);

private:
    bool changesParent = false;
};
