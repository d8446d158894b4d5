#pragma once

#include <QString>

#include <string>
#include <string_view>

class AudioSource;

// The one audio device of the program, opened on first use: ALSA's default device fed 44.1 kHz
// 16-bit stereo, which ALSA converts to whatever the sound card or the desktop's sound server
// takes. A thread of its own mixes the music and the move sound, each a source of its own, adding
// them with clipping, and hands each period to a second thread, the only one that opens, sets up,
// writes and closes the device: a device whose calls block holds up nothing else. When no device
// opens, it does not come up within a few seconds, it fails or it stops answering, the output goes
// on silently at the same pace, so the game keeps its timing and the music its end. Nothing called
// here waits for the device.
class AudioOutput {
public:
    enum class Slot { Music, Sound };

    // Starts the output, and the opening of the device, if it is not started yet; false only when
    // ALSA's library is missing.
    static bool ensureOpen();
    // Plays `source` in `slot` from where it stands, in place of what played there; false while
    // the device is closed.
    static bool play(Slot slot, AudioSource* source);
    // Stops `source` wherever it plays. Once this returns, the audio thread no longer touches it.
    static void stop(const AudioSource* source);
    // True while `source` plays: it has not come to its end and was not stopped.
    static bool isPlaying(const AudioSource* source);
    // The soundfonts for the MIDI piece `piece`: those the player names in the environment
    // (AudioEnvironment::soundFonts) when there are any, otherwise chooseSoundFont's with the game's small soundfont and the whole
    // General MIDI one.
    static std::string soundFonts(std::string_view piece);
    // The game's own small soundfont `small` when the piece needs none of the other instruments
    // and it exists, else the whole General MIDI soundfont `general`; the soundfont every
    // FluidSynth set-up has when neither exists.
    static std::string chooseSoundFont(std::string_view piece, const QString& small, const QString& general);
    // The first of the program's places (beside it in a build, its data folder once installed)
    // that holds the file `name`; empty when none does.
    static QString besideProgram(const QString& name);
    // Ends the audio thread and closes the device (at the end of the program, or in tests); a device
    // stuck in a call is not waited for, its thread is left to end with the program.
    static void shutdown();
};
