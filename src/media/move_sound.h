#pragma once

#include "media/sound_interface.h"

#include <QString>

#include <functional>

struct Mix_Chunk;

// The move sound: plays the wave file "sound.dat" once and waits for its end. A file that is
// missing or cannot be played gives the system's default sound instead.
class MoveSound final : public SoundInterface {
public:
    explicit MoveSound(QString path, std::function<void()> fallback = {});
    ~MoveSound() override;
    MoveSound(const MoveSound&) = delete;
    MoveSound& operator=(const MoveSound&) = delete;

    void playsound() override;

private:
    QString m_path;
    std::function<void()> m_fallback;
    Mix_Chunk* m_chunk = nullptr;
    // The device settings the chunk was loaded for; zero before the first load.
    int m_loadedFrequency = 0;
    unsigned short m_loadedFormat = 0;
    int m_loadedChannels = 0;
};
