#pragma once

#include <QString>

// The library's holder of the two players: MP1 for music, MP2 for effects. It is made the first time a call
// gets past the existence test and lives as long as the library is loaded; nothing ever closes it.
class Holder {
  public:
    static Holder& instance();

    void playOnMP1(const QString& path); // music: loops until replaced
    void playOnMP2(const QString& path); // effect: plays once

  private:
    Holder();
    bool audio_ = false; // false without an audio device: every call then returns at once, silently
    struct Players;
    Players* players_;
};
