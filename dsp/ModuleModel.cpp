#include "ModuleModel.h"

#include <algorithm>

ModuleModel::ModuleModel()
{
    name = "ModuleModel";
}

void ModuleModel::process (float*, int)
{
}

void ModuleModel::process (float*, float*, int)
{
}

void ModuleModel::setInputsUsed (int numInputs)     { inputsUsed = numInputs; }
int ModuleModel::getInputsUsed()                    { return inputsUsed; }
void ModuleModel::setOutputsUsed (int numOutputs)   { outputsUsed = numOutputs; }
int ModuleModel::getOutputsUsed()                   { return outputsUsed; }
bool ModuleModel::isContainer()                     { return false; }
void ModuleModel::setFloorId (int newFloorId)       { floorId = newFloorId; }
int ModuleModel::getFloorId()                       { return floorId; }
void ModuleModel::setColumn (int newColumn)         { column = newColumn; }
int ModuleModel::getColumn()                        { return column; }
bool ModuleModel::isUiNeedsUpdate()                 { return uiNeedsUpdate; }
void ModuleModel::requestUiNeedsUpdate()            { uiNeedsUpdate = true; }
void ModuleModel::clearUiNeedsUpdate()              { uiNeedsUpdate = false; }

void ModuleModel::processBlock (float* input, float* output, int numSamples)
{
    switch (getInputsUsed())
    {
        case 2:
            process (input, output, numSamples);
            break;

        case 1:
            process (input, numSamples);

            if (numSamples > 0)
                std::copy (input, input + numSamples, output);

            break;

        default:
            break;
    }
}

void ModuleModel::sendPendingMessages()
{
}
