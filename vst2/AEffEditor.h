#pragma once

#include "VstRecords.h"

#include <cstdint>

/** An editor object that an effect can attach to its base; the base's
    dispatcher forwards the editor opcodes to it and the base deletes it.
    Every operation answers "not handled" unless overridden.
*/
class AEffEditor
{
public:
    virtual ~AEffEditor() = default;

    /** Points rect at the editor's bounds. */
    virtual bool getRect (ERect** rect)                   { (void) rect; return false; }
    /** Opens the editor inside the host's parent window. */
    virtual bool open (void* parentWindow)                { (void) parentWindow; return false; }
    virtual void close()                                  {}
    virtual void idle()                                   {}
    virtual bool onKeyDown (VstKeyCode& keyCode)          { (void) keyCode; return false; }
    virtual bool onKeyUp (VstKeyCode& keyCode)            { (void) keyCode; return false; }
    virtual bool setKnobMode (int32_t mode)               { (void) mode; return false; }
};
