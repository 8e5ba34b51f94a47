#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

/** Modal state is process-wide: a component left modal fails its test and is cleared for the next. */
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

[[maybe_unused]] static const bool modalStateCheckInstalled
    = (testing::UnitTest::GetInstance()->listeners().Append (new ModalStateCheck), true);
