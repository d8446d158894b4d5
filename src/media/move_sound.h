#pragma once

#include "media/sound_interface.h"

#include <QString>

#include <functional>
#include <memory>

class SoundClip;

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
    // The wave converted to the device's frames, once read; none when it could not be.
    std::unique_ptr<SoundClip> m_clip;
    bool m_loaded = false;
};
