#include "DemoSignal.h"
#include "PluginRenderer.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <iostream>

// Command-line render host:
//   lumiver_render <input.wav> <plug-in.vst3> <output.wav> [index=value ...]
//   lumiver_render --demo-signal <output.wav> [seconds]

namespace
{
    constexpr double demoSampleRate = 48000.0;
    constexpr double demoSeconds = 8.0;
    constexpr int outputBitDepth = 24;

    int fail (const juce::String& message)
    {
        std::cerr << "lumiver_render: " << message << std::endl;
        return 1;
    }

    int usage()
    {
        std::cerr << "usage: lumiver_render <input.wav> <plug-in.vst3> <output.wav> [index=value ...]\n"
                     "       lumiver_render --demo-signal <output.wav> [seconds]\n"
                     "index is the parameter's index (0 to 8), value its normalised value (0 to 1)."
                  << std::endl;
        return 2;
    }

    juce::File fileArgument (const juce::String& argument)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (argument);
    }

    bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double sampleRate)
    {
        file.deleteFile();
        std::unique_ptr<juce::OutputStream> stream (file.createOutputStream());

        if (stream == nullptr)
            return false;

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate,
                                                                              (unsigned int) buffer.getNumChannels(),
                                                                              outputBitDepth, {}, 0));
        if (writer == nullptr)
            return false;

        stream.release();
        return writer->writeFromAudioSampleBuffer (buffer, 0, buffer.getNumSamples());
    }

    int writeDemoSignal (const juce::StringArray& args)
    {
        if (args.size() < 2 || args.size() > 3)
            return usage();

        const double seconds = args.size() == 3 ? args[2].getDoubleValue() : demoSeconds;

        if (! (seconds > 0.0 && seconds <= 600.0))
            return fail ("the length must lie between 0 and 600 seconds");

        const auto file = fileArgument (args[1]);

        if (! writeWav (file, DemoSignal::create (demoSampleRate, seconds), demoSampleRate))
            return fail ("cannot write " + file.getFullPathName());

        std::cout << file.getFullPathName() << std::endl;
        return 0;
    }

    int renderThroughPlugin (const juce::StringArray& args)
    {
        if (args.size() < 3)
            return usage();

        std::map<int, float> values;

        for (int i = 3; i < args.size(); ++i)
        {
            const auto index = args[i].upToFirstOccurrenceOf ("=", false, false).trim();
            const auto value = args[i].fromFirstOccurrenceOf ("=", false, false).trim();

            if (! args[i].contains ("=") || ! index.containsOnly ("0123456789") || index.isEmpty()
                || ! value.containsOnly ("0123456789.-+eE") || value.isEmpty())
                return fail ("not a parameter value: " + args[i] + " (expected index=value)");

            values[index.getIntValue()] = value.getFloatValue();
        }

        juce::AudioFormatManager formats;
        formats.registerFormat (new juce::WavAudioFormat(), true);
        const auto inputFile = fileArgument (args[0]);
        std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (inputFile));

        if (reader == nullptr)
            return fail ("cannot read " + inputFile.getFullPathName());

        if (reader->lengthInSamples > std::numeric_limits<int>::max() || reader->numChannels < 1)
            return fail ("unsupported input " + inputFile.getFullPathName());

        juce::AudioBuffer<float> input ((int) reader->numChannels, (int) reader->lengthInSamples);
        reader->read (&input, 0, input.getNumSamples(), 0, true, true);
        const double sampleRate = reader->sampleRate;

        PluginRenderer renderer;

        if (auto error = renderer.load (fileArgument (args[1]), sampleRate, input.getNumChannels()); error.isNotEmpty())
            return fail (error);

        if (auto error = renderer.setParameters (values); error.isNotEmpty())
            return fail (error);

        const auto outputFile = fileArgument (args[2]);

        if (! writeWav (outputFile, renderer.render (input, sampleRate), sampleRate))
            return fail ("cannot write " + outputFile.getFullPathName());

        std::cout << outputFile.getFullPathName() << std::endl;
        return 0;
    }
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    if (args.isEmpty())
        return usage();

    if (args[0] == "--demo-signal")
        return writeDemoSignal (args);

    return renderThroughPlugin (args);
}
