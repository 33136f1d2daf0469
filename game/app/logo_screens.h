#pragma once
// The three splash screens that open the game: two full-screen logo
// pictures and an optional distribution-channel picture. The last pushes
// the loading screen.
#include "engine/draw/image.h"
#include "framework/scene/game_loop.h"

namespace wispwood {

class SplashScreen : public GameLoop {
public:
    // The picture's clock value at which the screen hands over.
    static constexpr int ShowLogoTime = 400;

    // The screen's own fields with the base names; the loop reads the
    // base ones.
    int ResetWhenInactive = 0;
    int GameLoopExiting = 0;
    int Darkness = 0;
    int Progress = 0;        // updates since the screen started
    int OverlayProgress = 0; // the picture's clock
    int FlashProgress = 0;   // updates since the opening wait ended
    int FadingOut = 0;
    int Exited = 0;

    SplashScreen();
    int Update() override;
    int Render() override;
    int Init() override { return 0; }

protected:
    virtual const Ref<TImage>& Picture() const = 0;
    // Updates the picture waits before it starts (0 for the channel screen).
    virtual int OpeningWait() const { return 50; }
    virtual void HandOver() = 0;
};

class LogoScreen : public SplashScreen {
public:
    static Ref<TImage> Image;
    static int Load();
    void ExitLogo();

protected:
    const Ref<TImage>& Picture() const override { return Image; }
    void HandOver() override { ExitLogo(); }
};

class Logo2Screen : public SplashScreen {
public:
    static Ref<TImage> Image;
    static int Load();
    void ExitLogo();

protected:
    const Ref<TImage>& Picture() const override { return Image; }
    void HandOver() override { ExitLogo(); }
};

class ChannelScreen : public SplashScreen {
public:
    static constexpr int ShowChannelTime = 400;
    static Ref<TImage> Image; // null when the installation has no channel picture
    static int Load();
    void ExitChannel();
    int Update() override;
    int Render() override;

protected:
    const Ref<TImage>& Picture() const override { return Image; }
    int OpeningWait() const override { return 0; }
    void HandOver() override { ExitChannel(); }
};

// The splash pictures let go (start-up state).
void ResetLogoScreens();

} // namespace wispwood
