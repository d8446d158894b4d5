// Renders the game's tune when the game is built: the MIDI file played once by the same
// synthesiser, with the same soundfont, as the game would play it, encoded into the file the game
// then plays it from.
// Usage: dorv_render_music MUSIC.dat SMALL.sf2 GENERAL.sf2 OUT.tune
#include "kit/file_store.h"
#include "media/audio_output.h"
#include "media/fluid_synth.h"
#include "media/rendered_music.h"
#include "media/vorbis_encoder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: %s MUSIC.dat SMALL.sf2 GENERAL.sf2 OUT.tune\n", argv[0]);
        return 2;
    }
    QString error;
    const auto piece = FileStore::read(args[1], &error);
    if (!piece) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(error));
        return 1;
    }
    const auto synth = SynthMusic::make(*piece, AudioOutput::chooseSoundFont(*piece, args[2], args[3]));
    if (!synth) {
        std::fprintf(stderr, "%s: the synthesiser does not take it\n", qPrintable(args[1]));
        return 1;
    }
    synth->start();
    const auto tune = VorbisEncoder::encode(*synth);
    if (!tune) {
        std::fprintf(stderr, "%s: the encoder refuses its settings\n", qPrintable(args[4]));
        return 1;
    }
    if (!RenderedMusic::write(args[4], *piece, tune->bytes, tune->frames, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[4]), qPrintable(error));
        return 1;
    }
    return 0;
}
