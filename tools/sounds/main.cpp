// Writes the program's built-in sounds into the folder given as the only argument.
#include "Mp3File.h"
#include "Sounds.h"
#include "WaveFile.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: gen_sounds <folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        std::vector<Sound> sounds;
        for (auto list : {rollDrumSounds, rollMusicSounds, drawStingSounds, drawTuneSounds})
            for (Sound &sound : list())
                sounds.push_back(sound);
        for (const Sound &sound : sounds) {
            const std::filesystem::path file = folder / sound.fileName;
            const std::vector<int16_t> pcm = sound.render().toPcm();
            if (file.extension() == ".mp3")
                writeMp3File(file.string(), pcm, file.stem().string());
            else
                writeWaveFile(file.string(), pcm);
        }
    } catch (const std::exception &error) {
        std::cerr << "gen_sounds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
