#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
    /** Modal state is process-wide: after every test no component may be left
        modal. A leftover fails the test and is cleared for the next one. */
    struct ModalStateCheck : testing::EmptyTestEventListener
    {
        void OnTestEnd (const testing::TestInfo&) override
        {
            if (auto* manager = juce::ModalComponentManager::getInstanceWithoutCreating())
            {
                EXPECT_EQ (0, manager->getNumModalComponents()) << "a component was left modal";
                manager->cancelAllModalComponents();
            }
        }
    };

    [[maybe_unused]] const bool installed = []
    {
        testing::UnitTest::GetInstance()->listeners().Append (new ModalStateCheck);
        return true;
    }();
}
