#pragma once

#include "FxBase.h"

#include <juce_events/juce_events.h>

/** An effect module as a node of a module graph, which can broadcast text
    messages to action listeners.

    The routing fields (inputs and outputs used, floor, column, UI flag) are
    kept and reported; nothing here changes them on its own.
*/
class ModuleModel : public FxBase,
                    public juce::ActionBroadcaster
{
public:
    ModuleModel();
    ~ModuleModel() override = default;

    /** Does nothing here; the concrete modules process. */
    void process (float* samples, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;

    virtual void setInputsUsed (int numInputs);
    virtual int getInputsUsed();
    virtual void setOutputsUsed (int numOutputs);
    virtual int getOutputsUsed();
    virtual bool isContainer();
    virtual void setFloorId (int newFloorId);
    virtual int getFloorId();
    virtual void setColumn (int newColumn);
    virtual int getColumn();
    virtual bool isUiNeedsUpdate();
    virtual void requestUiNeedsUpdate();
    virtual void clearUiNeedsUpdate();

    /** Processes numSamples from the input buffer into the output buffer:
        with two inputs used, the two buffers as a left/right pair; with one,
        the input channel in place and then copied to the output; otherwise
        nothing.
    */
    virtual void processBlock (float* input, float* output, int numSamples);

    /** Broadcasts the messages the module noted since the last call. A module
        notes its messages while it processes, where broadcasting would take
        the broadcaster's lock; its owner calls this on the message thread.
        Does nothing here.
    */
    virtual void sendPendingMessages();

    bool uiNeedsUpdate = false;
    int32_t floorId = 0;
    int32_t column = 0;
    int32_t inputsUsed = 1;
    int32_t outputsUsed = 1;
};
