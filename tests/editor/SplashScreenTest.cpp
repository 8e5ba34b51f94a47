#include "PanelTestHelpers.h"

#include <DialogArt.h>
#include <LumiverPX2741BinImg.h>
#include <VardunSplashScreen.h>

using namespace PanelTest;

TEST (VardunSplashScreen, ShowsTheVersionUntilAnyMouseButtonIsPressed)
{
    Window editor;
    VardunSplashScreen about ("aboutContainer_");
    editor.addChildComponent (about);
    about.setBounds (0, 0, 325, 455);
    auto& version = child<juce::Label> (about, "versionLabel_");
    EXPECT_FALSE (about.isVisible());
    EXPECT_TRUE (version.getText().isEmpty());
    about.setVersion ("1.0.1 (64bit)");

    for (auto button : { juce::ModifierKeys::leftButtonModifier, juce::ModifierKeys::rightButtonModifier,
                         juce::ModifierKeys::middleButtonModifier })
    {
        about.show();
        about.show();   // a second show leaves the modal state as it was
        EXPECT_EQ (Chain { &about }, modalChain());
        EXPECT_EQ (juce::String ("1.0.1 (64bit)"), version.getText());
        writePicture (about, "about");

        // Pressed and released through the window, on the version text, which must not take the press.
        for (auto buttons : { juce::ModifierKeys (button), juce::ModifierKeys() })
            editor.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse,
                                                version.getBounds().getCentre().toFloat(), buttons, juce::MouseInputSource::defaultPressure,
                                                juce::MouseInputSource::defaultOrientation, juce::Time::currentTimeMillis());

        EXPECT_FALSE (about.isVisible());
        EXPECT_EQ (Chain {}, modalChain());
    }
}

TEST (VardunSplashScreen, ScalesThePictureToItsBoundsButNotTheVersion)
{
    const auto original = DialogArt::decode (LumiverPX2741BinImg::about_px_png, LumiverPX2741BinImg::about_px_pngSize);
    VardunSplashScreen about ("aboutContainer_");
    about.setBounds (0, 0, original.getWidth() * 2, original.getHeight() * 2);
    const auto doubled = painted (about);
    double difference = 0.0;   // mean per channel, each pixel against its place in the doubled picture

    for (int y = 0; y < original.getHeight(); ++y)
    {
        for (int x = 0; x < original.getWidth(); ++x)
        {
            const auto a = original.getPixelAt (x, y), b = doubled.getPixelAt (2 * x, 2 * y);
            difference += std::abs (a.getAlpha() - b.getAlpha()) + std::abs (a.getRed() - b.getRed())
                        + std::abs (a.getGreen() - b.getGreen()) + std::abs (a.getBlue() - b.getBlue());
        }
    }

    EXPECT_LT (difference / (4.0 * original.getWidth() * original.getHeight()), 4.0);
    EXPECT_EQ (juce::Rectangle<int> (150, 112, 100, 16), child (about, "versionLabel_").getBounds());
}
