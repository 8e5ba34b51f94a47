#include "PanelTestHelpers.h"

#include <VardunAlertComponent.h>

using namespace PanelTest;

namespace
{
    struct AlertInPanel : OuterPanel
    {
        AlertInPanel()  { addInner (alert); }
        VardunAlertComponent alert { "alert_", 1, 1, 3 };
    };
}

TEST (VardunAlertComponent, LaysOutOneOrTwoButtonsWithTheIconAskedForAndIsPictured)
{
    AlertInPanel f;
    VardunAlertComponent smiling ("smile", 3, 1, 3), frowning ("frown", 4, 1, 3);
    const auto asterisk = painted (f.alert), smile = painted (smiling), frown = painted (frowning);
    ASSERT_FALSE (samePixels (asterisk, smile) || samePixels (asterisk, frown) || samePixels (smile, frown));
    f.alert.setTitle ("Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"");

    // Unknown icon types show the asterisk.
    struct Case { int buttons, iconType; const juce::Image& icon; const char* picture; };

    for (const auto& c : { Case { 2, 1, asterisk, "alert-2-buttons-asterisk" }, Case { 2, 4, frown, "alert-2-buttons-frown" },
                           Case { 1, 3, smile, "alert-1-button-smile" }, Case { 1, 7, asterisk, nullptr }, Case { 1, 4, frown, nullptr },
                           Case { 1, 0, asterisk, nullptr }, Case { 1, 2, asterisk, nullptr }, Case { 1, 1, asterisk, "alert-1-button-asterisk" } })
    {
        f.alert.show (c.buttons, c.iconType);
        EXPECT_EQ (juce::Rectangle<int> (c.buttons == 2 ? 16 : 97, 307, 132, 51), child (f.alert, "OK").getBounds());
        EXPECT_EQ (c.buttons == 2, child (f.alert, "CANCEL").isVisible());
        EXPECT_TRUE (samePixels (c.icon, painted (f.alert))) << "icon type " << c.iconType;

        if (c.picture != nullptr)
            writePicture (f.alert, c.picture);

        f.alert.hide();
    }
}

TEST (VardunAlertComponent, TakesTheModalStateFromItsPanelAndHandsItBack)
{
    AlertInPanel f;

    for (int ignoredCount : { 0, 3, -1 })
    {
        f.alert.show (ignoredCount, 1);
        EXPECT_EQ (Chain { &f }, modalChain());
    }

    for (auto* button : { "OK", "CANCEL" })
    {
        f.alert.show (2, 1);
        f.alert.show (2, 1);   // a second show leaves the chain as it was
        EXPECT_EQ (Chain { &f.alert }, modalChain());
        click (f.alert, button);
        EXPECT_FALSE (f.alert.isVisible());
        EXPECT_EQ (Chain { &f }, modalChain()) << button;
    }

    // Hiding a hidden box hands nothing back, nor does hiding one whose parent was hidden under it.
    f.exitModalState (0);
    f.alert.hide();
    EXPECT_EQ (Chain {}, modalChain());
    f.enterModalState (true, nullptr, false);
    f.alert.show (1, 1);
    f.setVisible (false);
    f.alert.hide();
    EXPECT_FALSE (f.isVisible());
    EXPECT_EQ (Chain {}, modalChain());

    VardunAlertComponent orphan ("orphan", 1, 1, 3);   // flag set but no parent
    orphan.needChangeParentModal (true);
    orphan.show (1, 1);
    orphan.hide();
}
