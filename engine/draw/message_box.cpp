#include "engine/draw/message_box.h"
#include "engine/core/runtime_error.h"
#include "engine/draw/sdl_driver.h"
#include <SDL.h>
#include <cstdio>

namespace wispwood {

namespace {

Text gAppTitle = "Wispwood";
DialogResponder gResponder = nullptr;

void PrintMessage(const Text& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

// A message box needs a real display. Without one (the dummy driver of
// headless runs) SDL would still try to reach an X server named in the
// environment and could block a test run on a box nobody sees.
bool CanShowBox() {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    return VideoHasScreen();
}

void ShowErrorBox(const Text& message) {
    if (!GraphicsWindow() || !CanShowBox()) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, gAppTitle.c_str(), message.c_str(), GraphicsWindow());
}

} // namespace

void SetAppTitle(const Text& title) {
    gAppTitle = title;
    if (SDL_Window* window = GraphicsWindow()) SDL_SetWindowTitle(window, title.c_str());
}

const Text& AppTitle() {
    return gAppTitle;
}

void Notify(const Text& text, int serious) {
    PrintMessage(text);
    if (gResponder) {
        gResponder(text, 0);
        return;
    }
    if (!CanShowBox()) return;
    Uint32 kind = serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    SDL_ShowSimpleMessageBox(kind, gAppTitle.c_str(), text.c_str(), GraphicsWindow());
}

int Confirm(const Text& text, int serious) {
    PrintMessage(text);
    if (gResponder) return gResponder(text, 1) ? 1 : 0;
    if (!CanShowBox()) return 0;
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
    };
    SDL_MessageBoxData box{};
    box.flags = serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    box.window = GraphicsWindow();
    box.title = gAppTitle.c_str();
    box.message = text.c_str();
    box.numbuttons = 2;
    box.buttons = buttons;
    int pressed = 0;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) return 0;
    return pressed == 1 ? 1 : 0;
}

void SetDialogResponder(DialogResponder responder) {
    gResponder = responder;
}

void InstallRuntimeErrorBox() {
    SetRuntimeErrorPresenter(ShowErrorBox);
}

} // namespace wispwood
