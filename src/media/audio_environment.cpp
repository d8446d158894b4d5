#include "media/audio_environment.h"

#include <QtGlobal>

bool AudioEnvironment::silent()
{
    if (!qEnvironmentVariableIsEmpty("DORV_AUDIO"))
        return qgetenv("DORV_AUDIO") == "silent";
    return qgetenv("SDL_AUDIODRIVER") == "dummy";
}

QString AudioEnvironment::soundFonts()
{
    if (!qEnvironmentVariableIsEmpty("DORV_SOUNDFONTS"))
        return qEnvironmentVariable("DORV_SOUNDFONTS");
    return qEnvironmentVariable("SDL_SOUNDFONTS");
}
