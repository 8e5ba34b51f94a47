#pragma once

#include "MessageLoopHelpers.h"
#include "X11WindowReader.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <stdexcept>
#include <vector>

namespace PanelTest
{
    /** A window on the desktop in place of the editor: only a showing component can be modal. */
    struct Window : juce::Component
    {
        Window()  { setSize (325, 455); setVisible (true); addToDesktop (juce::ComponentPeer::windowHasTitleBar); }
    };

    /** A modal browser panel in the window, holding panels hidden with their parent-modal flag set. */
    struct OuterPanel : juce::Component
    {
        OuterPanel()   { window.addAndMakeVisible (this); setBounds (window.getLocalBounds()); enterModalState (true, nullptr, false); }
        ~OuterPanel() override  { exitModalState (0); }

        template <typename Panel>
        void addInner (Panel& panel)
        {
            addChildComponent (panel);
            panel.setBounds (0, 0, 325, 454);
            panel.needChangeParentModal (true);
        }

        Window window;
    };

    using Chain = std::vector<const juce::Component*>;

    /** The components that hold the modal state, innermost first. */
    inline Chain modalChain()
    {
        auto& manager = *juce::ModalComponentManager::getInstance();
        Chain chain;

        for (int i = 0; i < manager.getNumModalComponents(); ++i)
            chain.push_back (manager.getModalComponent (i));

        return chain;
    }

    template <typename ChildClass = juce::Component>
    ChildClass& child (juce::Component& parent, const juce::String& name)
    {
        for (auto* c : parent.getChildren())
            if (auto* typed = dynamic_cast<ChildClass*> (c); typed != nullptr && c->getName() == name)
                return *typed;

        throw std::runtime_error ("no child named " + name.toStdString());
    }

    inline juce::String titleOf (juce::Component& panel)  { return child<juce::Label> (panel, "titleText_").getText(); }

    /** Triggers a button's click, as a key press would, and delivers it. */
    inline void click (juce::Component& parent, const juce::String& name)
    {
        child<juce::Button> (parent, name).triggerClick();
        deliverPendingMessages();
    }

    /** What a component's own paint draws, without its children. */
    inline juce::Image painted (juce::Component& c)
    {
        juce::Image image (juce::Image::ARGB, c.getWidth(), c.getHeight(), true);
        juce::Graphics g (image);
        c.paint (g);
        return image;
    }

    inline bool samePixels (const juce::Image& a, const juce::Image& b)  { return ! WindowPixels::differInside (a, b, a.getBounds()); }

    /** Writes the panel as it looks now into the build's panel-pictures folder, for a person to check. */
    inline void writePicture (juce::Component& panel, const juce::String& name)
    {
        EXPECT_TRUE (WindowPixels::writePng (panel.createComponentSnapshot (panel.getLocalBounds()),
                                             juce::File (LUMIVER_PANEL_PICTURES_DIR).getChildFile (name + ".png"))) << name;
    }
}
