#include "Holder.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// General MIDI instruments for MIDI music, from the timgm6mb-soundfont package.
constexpr const char* soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int effectChannel = 0;

} // namespace

struct Holder::Players {
    Mix_Music* MP1 = nullptr;
    Mix_Chunk* MP2 = nullptr;
};

Holder& Holder::instance() {
    // Made once and never destroyed: the players must keep playing while the library is loaded,
    // and closing audio devices while the process exits gains nothing.
    static Holder* holder = new Holder;
    return *holder;
}

Holder::Holder() : players_(new Players) {
    // The game decides what SIGTERM and Ctrl+C do; SDL's own handlers would swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID | MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC);
    Mix_SetSoundFonts(soundFont);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    audio_ = true;
}

void Holder::playOnMP1(const QString& path) {
    if (!audio_) return;
    // A new file name closes what the player had; if the new file cannot be played the player stays idle.
    Mix_HaltMusic();
    if (players_->MP1) Mix_FreeMusic(players_->MP1);
    players_->MP1 = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (players_->MP1) Mix_PlayMusic(players_->MP1, -1);
}

void Holder::playOnMP2(const QString& path) {
    if (!audio_) return;
    Mix_HaltChannel(effectChannel);
    if (players_->MP2) Mix_FreeChunk(players_->MP2);
    players_->MP2 = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (players_->MP2) Mix_PlayChannel(effectChannel, players_->MP2, 0);
}
