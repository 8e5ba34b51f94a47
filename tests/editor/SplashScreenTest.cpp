#include "PanelTestHelpers.h"

#include <DialogArt.h>
#include <LumiverPX2741BinImg.h>
#include <VardunSplashScreen.h>

using namespace PanelTest;

TEST (VardunSplashScreen, ShowsUntilAnyMouseButtonIsPressedEvenOnTheVersion)
{
    Window editor;
    VardunSplashScreen about ("aboutContainer_");
    editor.addChildComponent (about);
    about.setBounds (0, 0, 325, 455);
    about.setVersion ("1.0.1 (64bit)");
    const auto onVersion = child (about, "versionLabel_").getBounds().getCentre().toFloat();

    for (auto button : { juce::ModifierKeys::leftButtonModifier, juce::ModifierKeys::rightButtonModifier,
                         juce::ModifierKeys::middleButtonModifier })
    {
        about.show();
        about.show();   // a second show leaves the modal state as it was
        EXPECT_EQ (Chain { &about }, modalChain());
        writePicture (about, "about");

        for (auto buttons : { juce::ModifierKeys (button), juce::ModifierKeys() })   // pressed and released through the window
            editor.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, onVersion, buttons,
                                                juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                                juce::Time::currentTimeMillis());

        EXPECT_FALSE (about.isVisible());
        EXPECT_EQ (Chain {}, modalChain());
    }
}

TEST (VardunSplashScreen, ScalesThePictureToItsBounds)
{
    const auto original = DialogArt::decode (LumiverPX2741BinImg::about_px_png, LumiverPX2741BinImg::about_px_pngSize);
    VardunSplashScreen about ("aboutContainer_");
    about.setBounds (0, 0, original.getWidth() * 2, original.getHeight() * 2);
    const auto doubled = painted (about);
    double difference = 0.0;   // per channel, each pixel against its place in the doubled picture

    for (int y = 0; y < original.getHeight(); ++y)
        for (int x = 0; x < original.getWidth(); ++x)
            for (int shift : { 0, 8, 16, 24 })
                difference += std::abs ((int) ((original.getPixelAt (x, y).getARGB() >> shift) & 0xff)
                                        - (int) ((doubled.getPixelAt (2 * x, 2 * y).getARGB() >> shift) & 0xff));

    EXPECT_LT (difference / (4.0 * original.getWidth() * original.getHeight()), 4.0);
}
