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

TEST (VardunAlertComponent, LaysOutOneOrTwoButtonsAndIsPictured)
{
    AlertInPanel f;
    struct Case { int buttons; int icon; const char* text; const char* picture; };

    for (const auto& c : { Case { 2, 1, "Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"",
                                  "alert-2-buttons-asterisk" },
                           Case { 1, 1, "The user manual could not be found.", "alert-1-button-asterisk" },
                           Case { 2, 4, "This preset was made by a newer version.", "alert-2-buttons-frown" },
                           Case { 1, 3, "The preset was saved.", "alert-1-button-smile" } })
    {
        f.alert.setTitle (c.text);
        f.alert.show (c.buttons, c.icon);
        EXPECT_EQ (juce::Rectangle<int> (c.buttons == 2 ? 16 : 97, 307, 132, 51), child (f.alert, "OK").getBounds());
        EXPECT_EQ (c.buttons == 2, child (f.alert, "CANCEL").isVisible());
        EXPECT_EQ (juce::String (c.text), titleOf (f.alert));
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
        EXPECT_FALSE (f.alert.isVisible());
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

    // Hiding a hidden box hands nothing back, even to a parent that is not modal,
    // nor does hiding a box whose parent was hidden under it (that would show the parent).
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
    EXPECT_FALSE (orphan.isVisible());
}

TEST (VardunAlertComponent, SwitchesToTheIconAskedFor)
{
    AlertInPanel f;
    VardunAlertComponent smiling ("smile", 3, 1, 3), frowning ("frown", 4, 1, 3);
    const auto asterisk = painted (f.alert), smile = painted (smiling), frown = painted (frowning);
    ASSERT_FALSE (samePixels (asterisk, smile) || samePixels (asterisk, frown) || samePixels (smile, frown));

    struct Case { int iconType; const juce::Image& expected; };

    for (const auto& c : { Case { 4, frown }, Case { 3, smile }, Case { 7, asterisk }, Case { 4, frown },
                           Case { 0, asterisk }, Case { 2, asterisk }, Case { 1, asterisk } })
    {
        f.alert.show (1, c.iconType);
        EXPECT_TRUE (samePixels (c.expected, painted (f.alert))) << "icon type " << c.iconType;
        f.alert.hide();
    }
}
