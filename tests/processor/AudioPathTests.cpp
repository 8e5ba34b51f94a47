#include "ProcessorTestHelpers.h"
#include "SampleRateClass.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ProcessorTest;

namespace
{
    constexpr double sampleRate = 44100.0;
    constexpr int classLength = 2048;

    void processStereo (ModuleModel& module, juce::AudioBuffer<float>& buffer)
    {
        module.process (buffer.getWritePointer (0), buffer.getWritePointer (1), buffer.getNumSamples());
    }

    /** A processor prepared at 44100 Hz with the given layout, and a tone cursor. */
    struct PreparedProcessor
    {
        PreparedProcessor (int numInputs, int numOutputs, int blockSize = 512)
        {
            setLayout (processor, numInputs, numOutputs);
            processor.prepareToPlay (sampleRate, blockSize);
        }

        juce::AudioBuffer<float> nextTone (int numChannels, int numSamples)
        {
            auto tone = makeTone (numChannels, numSamples, sampleRate, position);
            position += numSamples;
            return tone;
        }

        void process (juce::AudioBuffer<float>& buffer)
        {
            juce::MidiBuffer midi;
            processor.processBlock (buffer, midi);
        }

        /** Processes the next stereo tone block and expects the reference module's output. */
        void expectSoundOf (ModuleModel& reference, int numSamples)
        {
            auto buffer = nextTone (2, numSamples);
            auto expected = copyOf (buffer);
            process (buffer);
            processStereo (reference, expected);
            expectBuffersEqual (buffer, expected);
        }

        LumiverPX2741AudioProcessor processor;
        int position = 0;
    };
}

TEST (AudioPath, SampleRateClassAndBufferLength)
{
    const std::pair<double, int> classes[] = { { 34049.0, 1024 }, { 34050.0, 2048 }, { 67999.0, 2048 },
                                               { 68000.0, 4096 }, { 135999.0, 4096 }, { 136000.0, 8192 },
                                               { 44100.0, 2048 }, { 96000.0, 4096 }, { 192000.0, 8192 },
                                               // Rates that would round up onto a threshold as floats.
                                               { std::nextafter (34050.0, 0.0), 1024 },
                                               { std::nextafter (68000.0, 0.0), 2048 },
                                               { std::nextafter (136000.0, 0.0), 4096 } };

    for (const auto& [rate, length] : classes)
    {
        LumiverPX2741AudioProcessor processor;
        processor.prepareToPlay (rate, 512);
        EXPECT_EQ (processor.fadeLength, length) << rate;
        EXPECT_EQ (processor.onFadeCounter, length);
        EXPECT_FLOAT_EQ (processor.sineWave.sampleRate, (float) rate);

        // The modules' on/off fades and level ramps are of the processor's class.
        EXPECT_EQ (processor.sineWave.fadeLength, length) << rate;
        EXPECT_EQ (processor.squareWave.level.rampLength, length) << rate;
        EXPECT_EQ (processor.bufferLength, 16384);
        EXPECT_EQ (processor.triangleWave.expectedSampleFrame, 16384);
    }

    LumiverPX2741AudioProcessor processor;
    processor.prepareToPlay (48000.0, 20000);
    EXPECT_EQ (processor.bufferLength, 20000);
    EXPECT_EQ (processor.squareWave.expectedSampleFrame, 20000);

    processor.releaseResources();
    EXPECT_EQ (processor.dryBufferL, nullptr);
    EXPECT_EQ (processor.fadeBufferR, nullptr);
}

TEST (AudioPath, SteadyStereoOutputIsTheSelectedModuleAlone)
{
    for (float type : { 0.0f, 0.5f, 1.0f })
    {
        PreparedProcessor fixture (2, 2);
        fixture.processor.setParameter (1, type);
        fixture.processor.setParameter (5, 0.9f);
        fixture.processor.prepareToPlay (sampleRate, 512);

        DizadiSineWave sine;
        DizadiSquareWave square;
        DizadiTriangleWave triangle;
        ModuleModel* references[] = { &sine, &square, &triangle };
        auto& reference = *references[ParameterTable::getWaveType (type)];
        prepareLikeProcessor (reference, sampleRate, fixture.processor);

        for (int block = 0; block < 8; ++block)
        {
            auto buffer = fixture.nextTone (2, 512);
            auto expected = copyOf (buffer);
            fixture.process (buffer);
            processStereo (reference, expected);
            expectBuffersEqual (buffer, expected);
        }
    }
}

TEST (AudioPath, SwitchingOffRampsLinearlyToDryThenPassesTheInput)
{
    PreparedProcessor fixture (1, 2);
    DizadiSineWave reference;
    prepareLikeProcessor (reference, sampleRate, fixture.processor);

    auto warmUp = fixture.nextTone (2, 1000);
    fixture.process (warmUp);
    {
        auto input = makeTone (1, 1000, sampleRate);
        juce::AudioBuffer<float> pair (2, 1000);
        pair.copyFrom (0, 0, input, 0, 0, 1000);
        pair.copyFrom (1, 0, input, 0, 0, 1000);
        processStereo (reference, pair);
    }

    fixture.processor.setParameter (0, 0.0f);
    auto buffer = fixture.nextTone (2, 3000);
    buffer.clear (1, 0, 3000);
    const auto dry = copyOf (buffer);
    juce::AudioBuffer<float> wet (2, 3000);
    wet.copyFrom (0, 0, dry, 0, 0, 3000);
    wet.copyFrom (1, 0, dry, 0, 0, 3000);
    processStereo (reference, wet);

    fixture.process (buffer);

    float gain = 1.0f;
    const float step = -1.0f / (float) classLength;

    for (int i = 0; i < 3000; ++i)
    {
        if (i < classLength)
        {
            gain += step;
            if (gain < 1e-15f) gain = 0.0f;
        }

        const float expectedLeft = gain * wet.getSample (0, i) + (1.0f - gain) * dry.getSample (0, i);
        const float expectedRight = gain * wet.getSample (1, i) + (1.0f - gain) * dry.getSample (0, i);
        ASSERT_EQ (buffer.getSample (0, i), expectedLeft) << i;
        ASSERT_EQ (buffer.getSample (1, i), expectedRight) << i;
    }

    // The ramp ends exactly on the dry signal, after exactly one class of samples.
    EXPECT_EQ (buffer.getSample (0, classLength - 1), dry.getSample (0, classLength - 1));
    EXPECT_EQ (fixture.processor.onGain, 0.0f);

    // From the next block the short-cut passes a mono input to both outputs untouched.
    auto passed = fixture.nextTone (2, 700);
    passed.clear (1, 0, 700);
    const auto input = copyOf (passed);
    fixture.process (passed);

    for (int i = 0; i < 700; ++i)
    {
        ASSERT_EQ (passed.getSample (0, i), input.getSample (0, i));
        ASSERT_EQ (passed.getSample (1, i), input.getSample (0, i));
    }
}

TEST (AudioPath, SwitchingOnRampsUpAndEndsExactlyOnTheModule)
{
    PreparedProcessor fixture (2, 2);
    fixture.processor.setParameter (0, 0.0f);
    fixture.processor.prepareToPlay (sampleRate, 512);
    EXPECT_EQ (fixture.processor.onGain, 0.0f);

    DizadiSineWave reference;
    prepareLikeProcessor (reference, sampleRate, fixture.processor);

    // Off: nothing runs, so the module stands still like the reference.
    auto off = fixture.nextTone (2, 512);
    const auto offInput = copyOf (off);
    fixture.process (off);
    expectBuffersEqual (off, offInput);

    fixture.processor.setParameter (0, 1.0f);
    auto buffer = fixture.nextTone (2, 4096);
    const auto dry = copyOf (buffer);
    auto wet = copyOf (buffer);
    processStereo (reference, wet);
    fixture.process (buffer);

    float gain = 0.0f;
    const float step = 1.0f / (float) classLength;

    for (int i = 0; i < 4096; ++i)
    {
        if (i < classLength)
        {
            gain += step;
            if (gain > 1.0f) gain = 1.0f;
        }

        for (int channel = 0; channel < 2; ++channel)
            ASSERT_EQ (buffer.getSample (channel, i),
                       gain * wet.getSample (channel, i) + (1.0f - gain) * dry.getSample (channel, i)) << i;
    }

    EXPECT_EQ (fixture.processor.onGain, 1.0f);
    EXPECT_EQ (buffer.getSample (0, classLength - 1), wet.getSample (0, classLength - 1));
}

TEST (AudioPath, TypeChangeCrossfadesOverOneClassToTheNewModule)
{
    PreparedProcessor fixture (2, 2);
    DizadiSineWave sine;
    prepareLikeProcessor (sine, sampleRate, fixture.processor);

    fixture.expectSoundOf (sine, 1024);

    fixture.processor.setParameter (1, 0.5f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));

    DizadiSquareWave square;
    prepareLikeProcessor (square, sampleRate, fixture.processor);

    auto buffer = fixture.nextTone (2, 3000);
    auto outgoing = copyOf (buffer);
    auto incoming = copyOf (buffer);
    processStereo (sine, outgoing);
    processStereo (square, incoming);
    fixture.process (buffer);

    float gain = 1.0f;
    const float step = -1.0f / (float) classLength;

    for (int i = 0; i < 3000; ++i)
    {
        if (gain > 1e-15f)
            gain += step;

        if (gain <= 1e-15f)
            gain = 0.0f;

        for (int channel = 0; channel < 2; ++channel)
            ASSERT_EQ (buffer.getSample (channel, i),
                       (1.0f - gain) * incoming.getSample (channel, i) + gain * outgoing.getSample (channel, i)) << i;
    }

    // The first faded sample weighs the outgoing module by 1 - 1/2048; after
    // exactly 2048 samples the new module is heard alone.
    EXPECT_EQ (buffer.getSample (0, classLength - 1), incoming.getSample (0, classLength - 1));
    EXPECT_FALSE (fixture.processor.typeFadeActive);
    EXPECT_EQ (fixture.processor.currentType, 1);

    fixture.expectSoundOf (square, 512);
}

TEST (AudioPath, ReturningToTheHeardTypeMidFadeReversesItWithoutRestart)
{
    PreparedProcessor fixture (2, 2);
    DizadiSineWave sine;
    prepareLikeProcessor (sine, sampleRate, fixture.processor);

    fixture.processor.setParameter (1, 1.0f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));

    auto fading = fixture.nextTone (2, 512);
    auto fadingSine = copyOf (fading);
    fixture.process (fading);
    processStereo (sine, fadingSine);
    EXPECT_TRUE (fixture.processor.typeFadeActive);

    // The level changes while the sine fades out: the sine only stores it.
    fixture.processor.setParameter (levelIndex, 1.0f);
    sine.setParameter (levelIndex, 1.0f);
    fading = fixture.nextTone (2, 256);
    fadingSine = copyOf (fading);
    fixture.process (fading);
    processStereo (sine, fadingSine);
    fixture.processor.setParameter (1, 0.0f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));

    // 768 samples in, the reversed fade takes the triangle out over 768 samples; from there the
    // sine, never restarted but brought up to the new level, is heard alone.
    auto buffer = fixture.nextTone (2, 1024);
    auto expected = copyOf (buffer);
    fixture.process (buffer);
    sine.calc();
    processStereo (sine, expected);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 767; i < 1024; ++i)
            ASSERT_EQ (buffer.getSample (channel, i), expected.getSample (channel, i)) << i;

    EXPECT_NE (buffer.getSample (0, 100), expected.getSample (0, 100));
    EXPECT_FALSE (fixture.processor.typeFadeActive);
    EXPECT_EQ (fixture.processor.currentType, 0);
    EXPECT_EQ (fixture.processor.targetType, 0);
}

TEST (AudioPath, ATypeChangeMidFadeLeavesNoStep)
{
    // Sine to triangle at full depth in block 4, then back to sine 1280 samples into the fade or on
    // to square 1536 samples into it: the largest sample-to-sample step over the two blocks from the
    // second change on, against the same blocks without it (type -1).
    const auto largestStep = [] (int secondBlock, float secondType, int& typeAtEnd)
    {
        PreparedProcessor fixture (2, 2);
        fixture.processor.setParameter (depthIndex, 1.0f);
        fixture.processor.prepareToPlay (sampleRate, 256);
        float previous[2] = {}, largest = 0.0f;

        for (int block = 0; block < 24; ++block)
        {
            if (block == 4 || (secondType >= 0.0f && block == secondBlock))
            {
                fixture.processor.setParameter (1, block == 4 ? 1.0f : secondType);
                EXPECT_TRUE (waitForTypeRequest (fixture.processor));
            }

            auto buffer = fixture.nextTone (2, 256);
            fixture.process (buffer);

            for (int channel = 0; channel < 2; ++channel)
                for (int i = 0; i < 256; ++i)
                {
                    if (block == secondBlock || block == secondBlock + 1)
                        largest = std::max (largest, std::abs (buffer.getSample (channel, i) - previous[channel]));

                    previous[channel] = buffer.getSample (channel, i);
                }
        }

        typeAtEnd = fixture.processor.currentType;
        return largest;
    };

    for (const auto& [block, type, typeAtEnd] : { std::tuple { 9, 0.0f, 0 }, { 10, 0.5f, 1 } })
    {
        int endType = -1, endTypeWithout = -1;
        EXPECT_LE (largestStep (block, type, endType), 1.2f * largestStep (block, -1.0f, endTypeWithout)) << type;
        EXPECT_EQ (endType, typeAtEnd);
        EXPECT_EQ (endTypeWithout, 2);
    }
}

TEST (AudioPath, TheModulesStereoMessageIsSentFromTheMessageThread)
{
    struct Listener : juce::ActionListener
    {
        void actionListenerCallback (const juce::String&) override  { ++received; }
        int received = 0;
    } listener;

    PreparedProcessor fixture (2, 2);
    fixture.processor.sineWave.addActionListener (&listener);
    fixture.processor.setParameter (stereoIndex, 1.0f);
    auto buffer = fixture.nextTone (2, 256);
    fixture.process (buffer);
    EXPECT_EQ (listener.received, 0);

    for (const auto end = juce::Time::getMillisecondCounter() + 10000; listener.received == 0 && juce::Time::getMillisecondCounter() < end;)
        runMessageLoop (5);

    EXPECT_EQ (listener.received, 1);
    fixture.processor.sineWave.removeActionListener (&listener);
}

TEST (AudioPath, TypeOutsideTheTableFadesToTheUnprocessedInput)
{
    PreparedProcessor fixture (2, 2);
    fixture.processor.setParameter (1, 1.3f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));

    auto fade = fixture.nextTone (2, 3000);
    fixture.process (fade);
    EXPECT_EQ (fixture.processor.currentType, 3);

    auto buffer = fixture.nextTone (2, 512);
    const auto input = copyOf (buffer);
    fixture.process (buffer);
    expectBuffersEqual (buffer, input);
}

TEST (AudioPath, MonoToMonoProcessesOnlyChannelZero)
{
    PreparedProcessor fixture (1, 1);
    ASSERT_EQ (fixture.processor.getTotalNumOutputChannels(), 1);
    DizadiSineWave reference;
    prepareLikeProcessor (reference, sampleRate, fixture.processor);

    for (int block = 0; block < 4; ++block)
    {
        auto buffer = fixture.nextTone (1, 512);
        auto expected = copyOf (buffer);
        fixture.process (buffer);
        reference.process (expected.getWritePointer (0), 512);
        expectBuffersEqual (buffer, expected);
    }
}

TEST (AudioPath, MonoToStereoIgnoresWhatTheHostLeftInTheSecondOutput)
{
    for (float stereo : { 0.0f, 1.0f })
    {
        juce::AudioBuffer<float> outputs[2];

        for (int run = 0; run < 2; ++run)
        {
            PreparedProcessor fixture (1, 2);
            fixture.processor.setParameter (7, stereo);
            fixture.processor.setParameter (5, 1.0f);
            fixture.processor.prepareToPlay (sampleRate, 512);

            auto buffer = fixture.nextTone (2, 4096);
            juce::Random random (run + 1);

            for (int i = 0; i < 4096; ++i)
                buffer.setSample (1, i, random.nextFloat() * 2.0f - 1.0f);

            fixture.process (buffer);
            outputs[run] = copyOf (buffer);
        }

        expectBuffersEqual (outputs[0], outputs[1]);

        if (stereo == 0.0f)
        {
            for (int i = 0; i < 4096; ++i)
                ASSERT_EQ (outputs[0].getSample (0, i), outputs[0].getSample (1, i));
        }
    }
}

TEST (AudioPath, StereoModeAtFullDepthSplitsTheModulationBetweenChannels)
{
    PreparedProcessor fixture (1, 2);
    fixture.processor.setParameter (7, 1.0f);
    fixture.processor.setParameter (5, 1.0f);
    fixture.processor.prepareToPlay (sampleRate, 512);

    DizadiSineWave reference;
    prepareLikeProcessor (reference, sampleRate, fixture.processor);

    auto buffer = fixture.nextTone (2, 2048);
    juce::AudioBuffer<float> expected (2, 2048);
    expected.copyFrom (0, 0, buffer, 0, 0, 2048);
    expected.copyFrom (1, 0, buffer, 0, 0, 2048);
    fixture.process (buffer);
    processStereo (reference, expected);

    expectBuffersEqual (buffer, expected);

    int differing = 0;

    for (int i = 0; i < 2048; ++i)
        differing += buffer.getSample (0, i) != buffer.getSample (1, i) ? 1 : 0;

    EXPECT_GT (differing, 1000);
}

TEST (AudioPath, TempoFromThePlayHeadReachesAllModulesWhenItChanges)
{
    PreparedProcessor fixture (2, 2);
    FixedTempoPlayHead playHead (90.0);
    fixture.processor.setPlayHead (&playHead);
    fixture.processor.setParameter (8, 1.0f);
    fixture.processor.prepareToPlay (sampleRate, 512);

    EXPECT_EQ (fixture.processor.currentBpm, 90.0f);

    for (auto* module : { (ModuleModel*) &fixture.processor.sineWave, (ModuleModel*) &fixture.processor.squareWave,
                          (ModuleModel*) &fixture.processor.triangleWave })
        EXPECT_EQ (module->getBpm(), 90.0f);

    auto buffer = fixture.nextTone (2, 256);
    fixture.process (buffer);
    const double increment90 = fixture.processor.sineWave.oscillator.increment;

    playHead.bpm = 135.0;
    buffer = fixture.nextTone (2, 256);
    fixture.process (buffer);

    EXPECT_EQ (fixture.processor.currentBpm, 135.0f);

    for (auto* module : { (ModuleModel*) &fixture.processor.sineWave, (ModuleModel*) &fixture.processor.squareWave,
                          (ModuleModel*) &fixture.processor.triangleWave })
        EXPECT_EQ (module->getBpm(), 135.0f);

    EXPECT_NEAR (fixture.processor.sineWave.oscillator.increment / increment90, 1.5, 1e-5);
    fixture.processor.setPlayHead (nullptr);
}

TEST (AudioPath, IncomingModuleIsPreparedBeforeTheBlocksTempoReachesIt)
{
    // The incoming module is prepared as if between blocks: a tempo that
    // changes in the block where the crossfade starts reaches it only after
    // its preparation, as it reaches the other modules.
    PreparedProcessor fixture (2, 2);
    FixedTempoPlayHead playHead (120.0);
    fixture.processor.setPlayHead (&playHead);
    fixture.processor.setParameter (8, 1.0f);
    fixture.processor.setParameter (1, 1.0f);
    fixture.processor.prepareToPlay (sampleRate, 512);

    DizadiSineWave sine;
    DizadiTriangleWave triangle;
    prepareLikeProcessor (triangle, sampleRate, fixture.processor);

    fixture.expectSoundOf (triangle, 512);

    fixture.processor.setParameter (1, 0.0f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));
    prepareLikeProcessor (sine, sampleRate, fixture.processor);

    auto toSine = fixture.nextTone (2, 3000);
    auto triangleOut = copyOf (toSine);
    auto sineIn = copyOf (toSine);
    fixture.process (toSine);
    processStereo (triangle, triangleOut);
    processStereo (sine, sineIn);

    playHead.bpm = 90.0;

    for (auto* module : { (ModuleModel*) &sine, (ModuleModel*) &triangle })
        module->setBpm (90.0f);

    fixture.expectSoundOf (sine, 512);

    fixture.processor.setParameter (1, 1.0f);
    ASSERT_TRUE (waitForTypeRequest (fixture.processor));
    triangle.reset();
    triangle.forceCalcParams();

    playHead.bpm = 120.0;
    auto buffer = fixture.nextTone (2, 4096);
    auto incoming = copyOf (buffer);
    fixture.process (buffer);

    for (auto* module : { (ModuleModel*) &sine, (ModuleModel*) &triangle })
        module->setBpm (120.0f);

    processStereo (triangle, incoming);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = classLength; i < 4096; ++i)
            ASSERT_EQ (buffer.getSample (channel, i), incoming.getSample (channel, i)) << i;

    fixture.processor.setPlayHead (nullptr);
}

TEST (AudioPath, ChangedValuesReachAllModulesButOnlyTheHeardOneRecalculates)
{
    PreparedProcessor fixture (2, 2);
    fixture.processor.setParameter (1, 0.5f);
    fixture.processor.prepareToPlay (sampleRate, 512);
    ASSERT_EQ (fixture.processor.currentType, 1);

    fixture.processor.setParameter (5, 0.25f);
    fixture.processor.setParameter (6, 0.8f);
    auto buffer = fixture.nextTone (2, 64);
    fixture.process (buffer);

    EXPECT_EQ (fixture.processor.sineWave.depth, 0.25f);
    EXPECT_EQ (fixture.processor.squareWave.depth, 0.25f);
    EXPECT_EQ (fixture.processor.triangleWave.depth, 0.25f);
    EXPECT_EQ (fixture.processor.triangleWave.levelGain, 1.6f);

    // Only the square module has started its level ramp towards the new gain.
    EXPECT_NE (fixture.processor.squareWave.level.step, 0.0);
    EXPECT_EQ (fixture.processor.sineWave.level.step, 0.0);
    EXPECT_EQ (fixture.processor.triangleWave.level.step, 0.0);
    EXPECT_EQ (fixture.processor.lastDepth, 0.25f);
    EXPECT_EQ (fixture.processor.lastLevel, 0.8f);
}

TEST (AudioPath, NegativeOnValueSwitchesOffWithoutTheShortCut)
{
    PreparedProcessor fixture (2, 2);
    fixture.processor.setParameter (0, -0.5f);

    auto ramp = fixture.nextTone (2, 4096);
    fixture.process (ramp);
    EXPECT_EQ (fixture.processor.onGain, 0.0f);

    const double phaseBefore = fixture.processor.sineWave.oscillator.phase;
    auto buffer = fixture.nextTone (2, 512);
    const auto input = copyOf (buffer);
    fixture.process (buffer);

    expectBuffersEqual (buffer, input);
    EXPECT_NE (fixture.processor.sineWave.oscillator.phase, phaseBefore);
}
