#pragma once

#include <QString>

#include <chrono>
#include <string>
#include <string_view>

class AudioSource;

// The one audio device of the program, opened on first use: ALSA's default device fed 44.1 kHz
// 16-bit stereo, which ALSA converts to whatever the sound card or the desktop's sound server
// takes. A thread of its own mixes the music and the move sound, each a source of its own, adding
// them with clipping, and hands each period to a second thread, the only one that opens, sets up,
// writes and closes the device (DeviceThread): a device whose calls block holds up nothing else.
// When no device opens, it does not come up within a few seconds, it fails or it stops answering,
// the output goes on silently at the same pace, so the game keeps its timing and the music its
// end. Nothing called here waits for the device.
//
// The functions here are the UI thread's. The running output, with its threads, belongs to the
// application object: ensureOpen() makes it as the application's child, and it ends at shutdown()
// or, at the latest, when the application object is destroyed, before main returns.
class AudioOutput {
public:
    enum class Slot { Music, Sound };

    // Starts the output, and the opening of the device, if it is not started yet; false when ALSA's
    // library is missing, or when there is no application object to own the output.
    static bool ensureOpen();
    // Plays `source` in `slot` from where it stands, in place of what played there; false while
    // the device is closed.
    static bool play(Slot slot, AudioSource* source);
    // Stops `source` wherever it plays. Once this returns, the audio thread no longer touches it.
    static void stop(const AudioSource* source);
    // True while `source` plays: it has not come to its end and was not stopped.
    static bool isPlaying(const AudioSource* source);
    // Waits until `source` no longer plays, woken by the audio thread when a source comes to its
    // end; false when it still plays at `until`.
    static bool waitWhilePlaying(const AudioSource* source, std::chrono::steady_clock::time_point until);
    // The soundfonts for the MIDI piece `piece`: those the player names in the environment
    // (AudioEnvironment::soundFonts) when there are any, otherwise chooseSoundFont's with the
    // game's small soundfont and the whole General MIDI one.
    static std::string soundFonts(std::string_view piece);
    // The game's own small soundfont `small` when the piece needs none of the other instruments
    // and it exists, else the whole General MIDI soundfont `general`; the soundfont every
    // FluidSynth set-up has when neither exists.
    static std::string chooseSoundFont(std::string_view piece, const QString& small, const QString& general);
    // The first of the program's places (beside it in a build, its data folder once installed)
    // that holds the file `name`; empty when none does.
    static QString besideProgram(const QString& name);
    // Ends the audio threads and closes the device (once the window has closed, or in tests): a
    // device that still answers is given half a second to close, a thread stuck in a call to the
    // device is left behind (DeviceThread).
    static void shutdown();
};
