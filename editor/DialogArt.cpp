#include "DialogArt.h"

#include <LumiverDialogBoxBinImg.h>

namespace DialogArt
{
    using namespace LumiverDialogBoxBinImg;

    juce::Image decode (const char* data, int numBytes)
    {
        return juce::ImageFileFormat::loadFrom (data, (size_t) numBytes);
    }

    juce::Image buttonImage (int type)
    {
        switch (type)
        {
            case 3:
            case 4:  return decode (cancel_png, cancel_pngSize);
            case 5:  return decode (save_png, save_pngSize);
            case 7:  return decode (import_png, import_pngSize);
            case 8:  return decode (newfolder_png, newfolder_pngSize);
            case 9:  return decode (download_png, download_pngSize);
            case 10: return decode (overwrite_png, overwrite_pngSize);
            default: return decode (ok_png, ok_pngSize);
        }
    }

    juce::Image alertIcon (int type)
    {
        switch (type)
        {
            case 3:  return decode (icononly_smile_png, icononly_smile_pngSize);
            case 4:  return decode (icononly_frown_png, icononly_frown_pngSize);
            default: return decode (icononly_asterix_png, icononly_asterix_pngSize);
        }
    }

    juce::Image messagePanelBackground()
    {
        return decode (dialog_box_clean_png, dialog_box_clean_pngSize);
    }

    juce::Image browserPanelBackground()
    {
        return decode (file_browser_clean_png, file_browser_clean_pngSize);
    }

    juce::Image browserTitle (int type)
    {
        switch (type)
        {
            case 1:  return decode (browser_textonly_save_as_png, browser_textonly_save_as_pngSize);
            case 2:  return decode (browser_textonly_load_png, browser_textonly_load_pngSize);
            case 3:  return decode (browser_textonly_import_png, browser_textonly_import_pngSize);
            default: return {};
        }
    }

    void setUsable (juce::Component& button, bool usable)
    {
        button.setAlpha (usable ? 1.0f : 0.5f);
        button.setEnabled (usable);
    }
}
