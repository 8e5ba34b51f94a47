#include "ParentModalRule.h"

namespace
{
    constexpr int dismissedResult = 1;

    void enterModal (juce::Component& c)
    {
        c.enterModalState (true, nullptr, false);   // focus taken, no callback, never deleted
    }
}

void ParentModalRule::enter (juce::Component& panel) const
{
    if (holdsModalState (panel))
        return;

    auto* parent = panel.getParentComponent();

    if (changesParent && parent != nullptr && parent->isCurrentlyModal (false))
        parent->exitModalState (dismissedResult);

    enterModal (panel);
}

void ParentModalRule::leave (juce::Component& panel) const
{
    const bool wasShown = panel.isVisible();
    panel.exitModalState (dismissedResult);

    auto* parent = panel.getParentComponent();

    if (changesParent && wasShown && parent != nullptr && parent->isVisible() && ! parent->isCurrentlyModal (false))
        enterModal (*parent);
}

bool ParentModalRule::holdsModalState (const juce::Component& panel)
{
    auto& manager = *juce::ModalComponentManager::getInstance();

    for (int i = 0; i < manager.getNumModalComponents(); ++i)
        if (auto* modal = manager.getModalComponent (i))
            if (modal == &panel || panel.isParentOf (modal))
                return true;

    return false;
}
