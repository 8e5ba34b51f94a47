#include "HostWindowEditorHolder.h"
#include "PluginInstanceOwner.h"
#include "StubProcessor.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
    /** A plug-in instance whose processor has an editor or none. */
    struct StubInstance
    {
        explicit StubInstance (bool withEditor)
        {
            processor.offersEditor = withEditor;
        }

        const PluginInstanceOwner owner { juce::AudioProcessor::wrapperType_VST };
        StubProcessor& processor = static_cast<StubProcessor&> (owner.getProcessor());
        std::vector<std::pair<int, int>> hostSizes;
    };
}

TEST (HostWindowEditorHolder, TakesTheEditorsSizeAndTellsTheHostOfEachChange)
{
    StubInstance instance (true);
    auto holder = HostWindowEditorHolder::create (instance.processor, [&instance] (int width, int height)
    {
        instance.hostSizes.emplace_back (width, height);
    });

    ASSERT_NE (holder, nullptr);
    EXPECT_EQ (holder->getWidth(), StubProcessor::editorWidth);
    EXPECT_EQ (holder->getHeight(), StubProcessor::editorHeight);
    auto* editor = instance.processor.getActiveEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getParentComponent(), holder.get());

    // A move is no change the host hears of.
    editor->setSize (300, 200);
    editor->setTopLeftPosition (5, 5);
    editor->setSize (200, 300);
    EXPECT_EQ (holder->getBounds(), juce::Rectangle<int> (0, 0, 200, 300));
    EXPECT_EQ (instance.hostSizes, (std::vector<std::pair<int, int>> { { 300, 200 }, { 200, 300 } }));

    holder.reset();
    EXPECT_EQ (StubProcessor::liveEditors, 0);
}

TEST (HostWindowEditorHolder, NoHolderWithoutAnEditor)
{
    StubInstance instance (false);
    EXPECT_EQ (HostWindowEditorHolder::create (instance.processor, nullptr), nullptr);
}
