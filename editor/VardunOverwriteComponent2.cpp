#include "VardunOverwriteComponent2.h"

#include "VardunFileBrowser.h"

void VardunOverwriteComponent2::okButtonClicked()
{
    if (! overwriteTarget())
        return;

    if (auto* browser = dynamic_cast<VardunFileBrowser*> (getParentComponent()))
        browser->hide();
}
